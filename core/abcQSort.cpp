#include "core/abcQSort.h"

#include <array>

namespace {

constexpr std::array<unsigned char, 256> foldTable = [] {
    std::array<unsigned char, 256> table{};
    for (int byte = 0; byte < 256; ++byte)
        table[byte] = static_cast<unsigned char>(byte >= 0x61 && byte <= 0x7A ? byte - 0x20 : byte);
    return table;
}();

} // namespace

int CompareAsciiNoCase(QByteArrayView a, QByteArrayView b)
{
    const qsizetype common = std::min(a.size(), b.size());
    const auto* x = reinterpret_cast<const unsigned char*>(a.data());
    const auto* y = reinterpret_cast<const unsigned char*>(b.data());
    for (qsizetype i = 0; i < common; ++i) {
        if (x[i] == y[i])
            continue;
        const unsigned char foldedX = foldTable[x[i]];
        const unsigned char foldedY = foldTable[y[i]];
        if (foldedX != foldedY)
            return foldedX < foldedY ? -1 : 1;
    }
    if (a.size() == b.size())
        return 0;
    return a.size() < b.size() ? -1 : 1;
}

void QuickSortList(AddressList& list)
{
    QuickSortBy(list.entriesToReorder(),
                [](const AddressList::Entry& entry) { return entry.view(); });
}
