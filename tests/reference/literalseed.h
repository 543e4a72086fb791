#pragma once

// Seeding written out step by step, one insertion after the other, to check the
// program's seeding against.

#include "core/addresslist.h"
#include "core/randomgenerator.h"

namespace reference {

inline AddressList seedRegularly(const AddressList& lines, const QByteArray& email, qint32 interval)
{
    AddressList out;
    for (qsizetype i = 0; i < lines.size(); ++i) {
        if (i % interval == 0)
            out.append(email);
        out.append(lines[i]);
    }
    return out;
}

inline AddressList seedRandomly(const AddressList& lines, const QByteArray& email, qint32 interval,
                                RandomGenerator& random)
{
    QList<QByteArray> out;
    for (const QByteArrayView line : lines)
        out.append(line.toByteArray());
    const qsizetype copies = lines.size() / interval;
    for (qsizetype j = 1; j <= copies; ++j)
        out.insert(random.draw(quint32(j * interval)), email);
    AddressList seeded;
    for (const QByteArray& line : out)
        seeded.append(line);
    return seeded;
}

} // namespace reference
