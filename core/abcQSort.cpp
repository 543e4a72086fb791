#include "core/abcQSort.h"

#include <array>
#include <cstring>
#include <vector>

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
    qsizetype i = 0;
    // Equal bytes are equal folded too: runs of them are passed over eight at a time.
    for (quint64 wordX = 0, wordY = 0; i + 8 <= common; i += 8) {
        std::memcpy(&wordX, x + i, 8);
        std::memcpy(&wordY, y + i, 8);
        if (wordX != wordY)
            break;
    }
    for (; i < common; ++i) {
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

quint64 abcqsort_detail::foldedPrefix(QByteArrayView text, qsizetype from)
{
    const auto* bytes = reinterpret_cast<const unsigned char*>(text.data());
    const qsizetype length = std::clamp<qsizetype>(text.size() - from, 0, 8);
    quint64 prefix = 0;
    for (qsizetype i = 0; i < length; ++i)
        prefix |= quint64(foldTable[bytes[from + i]]) << (56 - 8 * i);
    return prefix;
}

qsizetype abcqsort_detail::sharedFoldedLength(QByteArrayView a, QByteArrayView b)
{
    const qsizetype common = std::min(a.size(), b.size());
    const auto* x = reinterpret_cast<const unsigned char*>(a.data());
    const auto* y = reinterpret_cast<const unsigned char*>(b.data());
    qsizetype i = 0;
    while (i < common && foldTable[x[i]] == foldTable[y[i]])
        ++i;
    return i;
}

void QuickSortList(AddressList& list)
{
    struct Nothing {};
    std::vector<SortItem<Nothing>> items;
    items.reserve(size_t(list.size()));
    for (const QByteArrayView line : list)
        items.push_back(sortItem(line, Nothing{}));
    QuickSortItems(std::span(items));
    std::span<AddressList::Entry> entries = list.entriesToReorder();
    for (size_t i = 0; i < items.size(); ++i)
        entries[i] = {items[i].text.data(), items[i].text.size()};
}
