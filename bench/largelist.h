#pragma once

// The list of the benchmarks on long lists, made here the same way every run: lines with
// CR LF, 45 % with a name before the address, 600,000 distinct addresses over 20,000
// domains, 5 % upper-cased, 5 % blank; about 29 bytes a line.

#include <QByteArray>
#include <QList>

namespace largelist {

inline constexpr int addressCount = 600'000;
inline constexpr int domainCount = 20'000;

// splitmix64: fast, and the same numbers on every machine.
class Random {
public:
    explicit Random(quint64 seed)
        : m_state(seed)
    {
    }
    quint64 next()
    {
        quint64 z = (m_state += 0x9e3779b97f4a7c15ull);
        z = (z ^ (z >> 30)) * 0xbf58476d1ce4e5b9ull;
        z = (z ^ (z >> 27)) * 0x94d049bb133111ebull;
        return z ^ (z >> 31);
    }
    // 0 to range - 1.
    quint64 below(quint64 range) { return next() % range; }

private:
    quint64 m_state;
};

inline const char* const firstNames[] = {"Ann",  "Robert", "Maria", "John", "Li",    "Fatima",
                                         "Olga", "Pedro",  "Sven",  "Aiko", "Chidi", "Emma"};
inline const char* const lastNames[] = {"Lee",  "Johnson", "Garcia",  "Smith",
                                        "Wang", "Khan",    "Ivanova", "Silva",
                                        "Berg", "Tanaka",  "Okafor",  "Martin"};
inline const char* const topLevels[] = {"com", "net", "org", "de", "es", "co.uk", "fr", "io"};

// Address k: a few large providers hold a third of the addresses, the rest spread evenly.
inline QByteArray addressNumber(quint64 k)
{
    Random random(k * 7919 + 17);
    const quint64 domain = random.below(3) == 0 ? random.below(12) : random.below(domainCount);
    QByteArray address = firstNames[random.below(12)];
    address += '.';
    address += QByteArray::number(k);
    address += "@mail";
    address += QByteArray::number(domain);
    address += '.';
    address += topLevels[domain % 8];
    return address.toLower();
}

inline QByteArray listBytes(qsizetype lines, quint64 seed)
{
    QList<QByteArray> addresses;
    addresses.reserve(addressCount);
    for (int k = 0; k < addressCount; ++k)
        addresses.append(addressNumber(quint64(k)));
    Random random(seed);
    QByteArray bytes;
    bytes.reserve(lines * 31);
    for (qsizetype i = 0; i < lines; ++i) {
        const quint64 kind = random.below(100);
        if (kind >= 5) {
            QByteArray line;
            if (kind < 50) {
                line += firstNames[random.below(12)];
                line += ' ';
                line += lastNames[random.below(12)];
                line += ' ';
            }
            line += addresses[qsizetype(random.below(addressCount))];
            bytes += kind < 10 ? line.toUpper() : line;
        }
        bytes += "\r\n";
    }
    return bytes;
}

} // namespace largelist
