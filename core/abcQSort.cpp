#include "core/abcQSort.h"

namespace {

unsigned char foldAscii(char c)
{
    const auto byte = static_cast<unsigned char>(c);
    return byte >= 0x61 && byte <= 0x7A ? byte - 0x20 : byte;
}

// Partitions list[left..right] around its middle entry and returns the pivot's final index.
qsizetype partition(AddressList& list, qsizetype left, qsizetype right)
{
    const qsizetype middle = left + (right - left) / 2;
    const QByteArray pivot = list[middle];
    list[middle] = list[left];
    qsizetype i = left;
    qsizetype j = right;
    do {
        while (CompareAsciiNoCase(list[j], pivot) >= 0 && j > i)
            --j;
        if (i < j) {
            list[i] = list[j];
            do
                ++i;
            while (i < j && CompareAsciiNoCase(list[i], pivot) < 0);
            if (i < j)
                list[j] = list[i];
        }
    } while (i < j);
    list[i] = pivot;
    return i;
}

// Nests only into the smaller side and loops on the larger, so the depth stays
// logarithmic; the sides are disjoint, so the order is that of plain recursion.
void sortRange(AddressList& list, qsizetype left, qsizetype right)
{
    while (left < right) {
        const qsizetype pivotIndex = partition(list, left, right);
        if (pivotIndex - left < right - pivotIndex) {
            sortRange(list, left, pivotIndex - 1);
            left = pivotIndex + 1;
        } else {
            sortRange(list, pivotIndex + 1, right);
            right = pivotIndex - 1;
        }
    }
}

} // namespace

int CompareAsciiNoCase(QByteArrayView a, QByteArrayView b)
{
    const qsizetype common = std::min(a.size(), b.size());
    for (qsizetype i = 0; i < common; ++i) {
        const unsigned char x = foldAscii(a[i]);
        const unsigned char y = foldAscii(b[i]);
        if (x != y)
            return x < y ? -1 : 1;
    }
    if (a.size() == b.size())
        return 0;
    return a.size() < b.size() ? -1 : 1;
}

void QuickSortList(AddressList& list) { sortRange(list, 0, list.size() - 1); }
