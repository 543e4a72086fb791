#pragma once

#include "core/addresslist.h"
#include "core/lineprimitives.h"

// Duplicate removal as first described: every line is compared with the kept lines one by
// one, extracting each kept line's address again at every comparison.
namespace literal {

struct DuplicateRemoval {
    AddressList kept;
    AddressList keptMatches;
};

inline DuplicateRemoval removeDuplicateAddresses(const AddressList& lines)
{
    DuplicateRemoval result;
    const int n = int(lines.size());
    for (int i = 0; i < n; ++i) {
        const QByteArrayView address = ExtractAddress(lines[i]);
        bool found = false;
        for (const QByteArrayView kept : result.kept) {
            if (ExtractAddress(kept) == address) {
                result.keptMatches.append(kept);
                found = true;
                break;
            }
        }
        if (!found)
            result.kept.append(lines[i]);
    }
    return result;
}

} // namespace literal
