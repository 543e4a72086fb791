#pragma once

#include "core/lineprimitives.h"
#include "reference/literalquicksort.h"

// The address and domain sorts as first described: composite strings sorted by the literal
// quicksort, then each one cut back to its line.
namespace literal {

inline QByteArray sortKey(const QByteArray& line, bool byDomain)
{
    const QByteArrayView address = ExtractAddress(line);
    return (byDomain ? DomainOf(address) : address).toByteArray();
}

// The line is what follows the first marker after which key and marker rebuild the whole.
inline QByteArray stripComposite(const QByteArray& composite, bool byDomain)
{
    const QByteArray marker = "___;;__";
    for (qsizetype at = composite.indexOf(marker); at >= 0;
         at = composite.indexOf(marker, at + 1)) {
        const QByteArray line = composite.mid(at + marker.size());
        if (sortKey(line, byDomain) + marker + line == composite)
            return line;
    }
    return {};
}

inline AddressList sortedComposites(const AddressList& lines, bool byDomain)
{
    AddressList composites;
    for (const QByteArrayView line : lines)
        composites.append(sortKey(line.toByteArray(), byDomain) + "___;;__" + line.toByteArray());
    quickSortList(composites);
    return composites;
}

} // namespace literal
