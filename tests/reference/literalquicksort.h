#pragma once

#include "core/addresslist.h"

// The case-insensitive comparison and the middle-pivot hole-partition quicksort written
// out step for step, with no shortcut: the yardstick for the program's sort.
namespace literal {

inline int compareAsciiNoCase(const QByteArray& a, const QByteArray& b)
{
    qsizetype i = 1;
    for (;;) {
        if (i > a.size())
            return a.size() == b.size() ? 0 : -1;
        if (i > b.size())
            return 1;
        unsigned char x = static_cast<unsigned char>(a[i - 1]);
        unsigned char y = static_cast<unsigned char>(b[i - 1]);
        if (x >= 0x61 && x <= 0x7A)
            x -= 0x20;
        if (y >= 0x61 && y <= 0x7A)
            y -= 0x20;
        if (x > y)
            return 1;
        if (x < y)
            return -1;
        ++i;
    }
}

// Recurses exactly as written; callers keep runs of equal entries short enough for the stack.
inline void quickSortRange(QList<QByteArray>& list, qsizetype left, qsizetype right)
{
    if (left >= right)
        return;
    const qsizetype middle = (left + right) / 2;
    const QByteArray pivot = list[middle];
    list[middle] = list[left];
    qsizetype i = left;
    qsizetype j = right;
    for (;;) {
        while (compareAsciiNoCase(list[j], pivot) >= 0 && j > i)
            --j;
        if (i < j) {
            list[i] = list[j];
            while (compareAsciiNoCase(list[i], pivot) < 0 && i < j)
                ++i;
            if (i < j)
                list[j] = list[i];
        }
        if (i >= j)
            break;
    }
    list[i] = pivot;
    quickSortRange(list, left, i - 1);
    quickSortRange(list, i + 1, right);
}

inline void quickSortList(AddressList& list)
{
    QList<QByteArray> entries;
    for (const QByteArrayView entry : list)
        entries.append(entry.toByteArray());
    quickSortRange(entries, 0, entries.size() - 1);
    list.clear();
    for (const QByteArray& entry : entries)
        list.append(entry);
}

} // namespace literal
