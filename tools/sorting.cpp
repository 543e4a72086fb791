#include "tools/sorting.h"

#include "core/abcQSort.h"
#include "core/lineprimitives.h"

#include <vector>

namespace {

QByteArrayView sortKeyOf(QByteArrayView line, SortKey key)
{
    const QByteArrayView address = ExtractAddress(line);
    return key == SortKey::Address ? address : DomainOf(address);
}

} // namespace

KeyedSort sortByKey(const AddressList& lines, SortKey key)
{
    AddressList composites;
    composites.reserve(lines.size());
    for (const QByteArrayView line : lines)
        composites.appendJoined({sortKeyOf(line, key), compositeMarker, line});
    std::vector<SortItem<qsizetype>> items;
    items.reserve(size_t(composites.size()));
    for (qsizetype i = 0; i < composites.size(); ++i)
        items.push_back(sortItem(composites[i], i));
    QuickSortItems(std::span(items));
    KeyedSort sorted;
    sorted.composites.reserve(lines.size());
    sorted.lines.reserve(lines.size());
    for (const SortItem<qsizetype>& item : items) {
        sorted.composites.append(composites, item.payload);
        sorted.lines.append(lines, item.payload);
    }
    return sorted;
}
