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
    KeyedSort sorted{{}, lines};
    sorted.composites.reserve(lines.size());
    for (const QByteArrayView line : lines)
        sorted.composites.appendJoined({sortKeyOf(line, key), compositeMarker, line});
    std::vector<SortItem<QByteArrayView>> items;
    items.reserve(size_t(lines.size()));
    for (qsizetype i = 0; i < lines.size(); ++i)
        items.push_back(sortItem(sorted.composites[i], lines[i]));
    QuickSortItems(std::span(items));
    // Both lists are put in the sorted order in place: each holds the entries it held.
    const std::span<AddressList::Entry> composites = sorted.composites.entriesToReorder();
    const std::span<AddressList::Entry> ordered = sorted.lines.entriesToReorder();
    for (size_t k = 0; k < items.size(); ++k) {
        composites[k] = {items[k].text.data(), items[k].text.size()};
        ordered[k] = {items[k].payload.data(), items[k].payload.size()};
    }
    return sorted;
}
