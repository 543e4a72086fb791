#include "tools/sorting.h"

#include "core/abcQSort.h"
#include "core/lineprimitives.h"

#include <numeric>
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
    std::vector<qsizetype> order(size_t(lines.size()));
    std::iota(order.begin(), order.end(), qsizetype(0));
    QuickSortBy(std::span(order), [&](qsizetype i) { return composites[i]; });
    KeyedSort sorted;
    sorted.composites.reserve(lines.size());
    sorted.lines.reserve(lines.size());
    for (const qsizetype i : order) {
        sorted.composites.append(composites, i);
        sorted.lines.append(lines, i);
    }
    return sorted;
}
