#include "tools/sorting.h"

#include "core/abcQSort.h"
#include "core/lineprimitives.h"

namespace {

struct KeyedLine {
    QByteArray composite;
    QByteArray line;
};

QByteArrayView sortKeyOf(QByteArrayView line, SortKey key)
{
    const QByteArrayView address = ExtractAddress(line);
    return key == SortKey::Address ? address : DomainOf(address);
}

} // namespace

QByteArray compositeLine(const QByteArray& line, SortKey key)
{
    const QByteArrayView sortKey = sortKeyOf(line, key);
    QByteArray composite;
    composite.reserve(sortKey.size() + compositeMarker.size() + line.size());
    composite.append(sortKey).append(compositeMarker).append(line);
    return composite;
}

KeyedSort sortByKey(const AddressList& lines, SortKey key)
{
    QList<KeyedLine> keyed;
    keyed.reserve(lines.size());
    for (const QByteArray& line : lines)
        keyed.append({compositeLine(line, key), line});
    QuickSortBy(keyed, [](const KeyedLine& entry) { return QByteArrayView(entry.composite); });
    KeyedSort sorted;
    sorted.composites.reserve(keyed.size());
    sorted.lines.reserve(keyed.size());
    for (KeyedLine& entry : keyed) {
        sorted.composites.append(std::move(entry.composite));
        sorted.lines.append(std::move(entry.line));
    }
    return sorted;
}
