#include "tools/sorting.h"

#include "core/abcQSort.h"
#include "core/apperror.h"
#include "core/lineprimitives.h"

#include <array>
#include <limits>
#include <new>
#include <type_traits>
#include <vector>

namespace {

QByteArrayView sortKeyOf(QByteArrayView line, SortKey key)
{
    const QByteArrayView address = ExtractAddress(line);
    return key == SortKey::Address ? address : DomainOf(address);
}

// Both keys, the address and its domain, end where the line ends once trimmed.
qsizetype trimmedEnd(QByteArrayView line)
{
    qsizetype end = line.size();
    while (end > 0 && static_cast<unsigned char>(line[end - 1]) <= 32)
        --end;
    return end;
}

// One line to sort, as large as a list entry: the folded prefix of its composite line and
// where the line stands in the list. Packed at 4-byte steps, as the entries are.
struct [[gnu::packed, gnu::aligned(4)]] KeyedItem
{
    quint64 prefix;
    quint32 index;
};

// The length of each line's key, which ends where the trimmed line ends: a byte a line
// beside the items, as most keys are short. A longer key is found again from the line.
using KeyLength = quint8;
constexpr KeyLength longKey = std::numeric_limits<KeyLength>::max();

KeyLength keyLengthOf(qsizetype length)
{
    return length < longKey ? KeyLength(length) : longKey;
}

// Steps through the key, the marker and the line of a composite line as through one text.
class CompositeCursor {
public:
    CompositeCursor(QByteArrayView key, QByteArrayView line)
        : m_parts{key, compositeMarker, line}
    {
        settle();
    }
    bool atEnd() const { return m_rest.isEmpty(); }
    // The rest of the current part; never empty before the end.
    QByteArrayView rest() const { return m_rest; }
    void advance(qsizetype bytes)
    {
        m_rest = m_rest.sliced(bytes);
        settle();
    }

private:
    void settle()
    {
        while (m_rest.isEmpty() && m_next < m_parts.size())
            m_rest = m_parts[m_next++];
    }

    std::array<QByteArrayView, 3> m_parts;
    size_t m_next = 0;
    QByteArrayView m_rest;
};

// The composite lines of the items, read from the list the items stand for.
class CompositeTexts {
public:
    CompositeTexts(const AddressList& lines, SortKey key, const std::vector<KeyLength>& keyLengths)
        : m_lines(lines)
        , m_key(key)
        , m_keyLengths(keyLengths)
    {
    }

    struct Composite {
        QByteArrayView key;
        QByteArrayView line;
    };
    Composite composite(const KeyedItem& item) const
    {
        const QByteArrayView line = m_lines[item.index];
        const KeyLength keyLength = m_keyLengths[item.index];
        if (keyLength == longKey)
            return {sortKeyOf(line, m_key), line};
        return {line.first(trimmedEnd(line)).last(keyLength), line};
    }
    CompositeCursor cursor(const KeyedItem& item) const
    {
        const Composite text = composite(item);
        return {text.key, text.line};
    }

    static int compare(CompositeCursor a, CompositeCursor b)
    {
        while (!a.atEnd() && !b.atEnd()) {
            const qsizetype common = std::min(a.rest().size(), b.rest().size());
            if (const int order =
                    CompareAsciiNoCase(a.rest().first(common), b.rest().first(common)))
                return order;
            a.advance(common);
            b.advance(common);
        }
        if (a.atEnd() == b.atEnd())
            return 0;
        return a.atEnd() ? -1 : 1;
    }
    int compare(const KeyedItem& a, const KeyedItem& b) const
    {
        const Composite x = composite(a);
        const Composite y = composite(b);
        // Keys of one length end together, so the markers meet and the lines decide.
        if (x.key.size() == y.key.size()) {
            const int order = CompareAsciiNoCase(x.key, y.key);
            return order != 0 ? order : CompareAsciiNoCase(x.line, y.line);
        }
        return compare(CompositeCursor(x.key, x.line), CompositeCursor(y.key, y.line));
    }

    quint64 prefixFrom(const KeyedItem& item, qsizetype from) const
    {
        CompositeCursor text = cursor(item);
        while (from > 0 && !text.atEnd()) {
            const qsizetype skipped = std::min(from, text.rest().size());
            text.advance(skipped);
            from -= skipped;
        }
        // Each part's bytes go below those already taken; what does not fit falls off.
        quint64 prefix = 0;
        for (qsizetype taken = 0; taken < 8 && !text.atEnd();) {
            prefix |= abcqsort_detail::foldedPrefix(text.rest(), 0) >> (8 * taken);
            const qsizetype bytes = std::min(8 - taken, text.rest().size());
            text.advance(bytes);
            taken += bytes;
        }
        return prefix;
    }

    void fetchPlace(const KeyedItem& item) const
    {
        __builtin_prefetch(&m_lines.entries()[item.index]);
        __builtin_prefetch(&m_keyLengths[item.index]);
    }
    void fetchText(const KeyedItem& item) const
    {
        // The key is read from the line's end, the rest from its start.
        const QByteArrayView line = m_lines[item.index];
        if (line.isEmpty())
            return;
        __builtin_prefetch(line.data());
        __builtin_prefetch(line.data() + line.size() - 1);
    }

    qsizetype sharedLength(const KeyedItem& a, const KeyedItem& b) const
    {
        CompositeCursor x = cursor(a);
        CompositeCursor y = cursor(b);
        qsizetype shared = 0;
        while (!x.atEnd() && !y.atEnd()) {
            const qsizetype common = std::min(x.rest().size(), y.rest().size());
            const qsizetype same =
                abcqsort_detail::sharedFoldedLength(x.rest().first(common), y.rest().first(common));
            shared += same;
            if (same < common)
                break;
            x.advance(common);
            y.advance(common);
        }
        return shared;
    }

private:
    const AddressList& m_lines;
    SortKey m_key;
    const std::vector<KeyLength>& m_keyLengths;
};

static_assert(sizeof(KeyedItem) == sizeof(AddressList::Entry) &&
              alignof(KeyedItem) <= alignof(AddressList::Entry) &&
              std::is_trivially_destructible_v<KeyedItem> &&
              std::is_trivially_destructible_v<AddressList::Entry>);

} // namespace

AddressList sortByKey(const AddressList& lines, SortKey key)
{
    // Four thousand million entries would take 48 GiB before any sorting.
    if (lines.size() > qsizetype(std::numeric_limits<quint32>::max()))
        throw AppError("The list is too long to sort");
    std::vector<KeyLength> keyLengths(size_t(lines.size()));
    const CompositeTexts texts(lines, key, keyLengths);
    // The items are sorted in the room of the sorted list's entries, which are as large, and
    // each slot then takes the entry of its item's line: the sort needs no memory of its own
    // beyond the key lengths.
    QList<AddressList::Entry> sorted;
    AddressList::reserveEntries(sorted, lines.size());
    sorted.resize(lines.size());
    auto* const room = sorted.data();
    for (qsizetype i = 0; i < lines.size(); ++i) {
        keyLengths[size_t(i)] = keyLengthOf(sortKeyOf(lines[i], key).size());
        KeyedItem item{0, quint32(i)};
        item.prefix = texts.prefixFrom(item, 0);
        new (room + i) KeyedItem(item);
    }
    KeyedItem* const items = std::launder(reinterpret_cast<KeyedItem*>(room));
    QuickSortPrefixed(std::span(items, size_t(lines.size())), texts);
    for (qsizetype k = 0; k < lines.size(); ++k) {
        const QByteArrayView line = lines[items[k].index];
        new (room + k) AddressList::Entry{line.data(), line.size()};
    }
    return AddressList::sharingBytesOf(lines, std::move(sorted));
}

AddressList compositeLines(const AddressList& lines, SortKey key)
{
    AddressList composites;
    composites.reserve(lines.size());
    for (const QByteArrayView line : lines)
        composites.appendJoined({sortKeyOf(line, key), compositeMarker, line});
    return composites;
}
