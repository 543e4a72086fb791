#pragma once

#include "core/addresslist.h"

#include <QByteArrayView>

#include <span>
#include <utility>

// -1, 0 or +1 for a before, equal to, or after b; only the 26 ASCII letters fold case.
int CompareAsciiNoCase(QByteArrayView a, QByteArrayView b);

namespace abcqsort_detail {

struct Partitioned {
    qsizetype pivotIndex;
    bool restEqualsPivot; // the pivot went to the left end and every other entry equals it
};

// Partitions entries[left..right] (left < right) around the middle entry by moving entries
// into the free slot, and reports where the pivot landed.
template <typename Entry, typename TextOf>
Partitioned partition(Entry* entries, qsizetype left, qsizetype right, const TextOf& textOf)
{
    const qsizetype middle = left + (right - left) / 2;
    Entry pivot = std::move(entries[middle]);
    if (middle != left)
        entries[middle] = std::move(entries[left]);
    const QByteArrayView pivotText = textOf(pivot);
    qsizetype i = left;
    qsizetype j = right;
    bool onlyEqualSeen = true;
    do {
        while (j > i) {
            const int order = CompareAsciiNoCase(textOf(entries[j]), pivotText);
            if (order < 0)
                break;
            onlyEqualSeen = onlyEqualSeen && order == 0;
            --j;
        }
        if (i < j) {
            onlyEqualSeen = false;
            // The entry just moved to i is smaller than the pivot, so i advances at least once.
            entries[i] = std::move(entries[j]);
            do
                ++i;
            while (i < j && CompareAsciiNoCase(textOf(entries[i]), pivotText) < 0);
            if (i < j)
                entries[j] = std::move(entries[i]);
        }
    } while (i < j);
    entries[i] = std::move(pivot);
    return {i, onlyEqualSeen};
}

// What partitioning entries[left..right] would do, level after level, when every entry
// there compares equal: each level swaps the left end with the middle and moves on by one.
template <typename Entry> void finishEqualRange(Entry* entries, qsizetype left, qsizetype right)
{
    using std::swap;
    for (; left < right; ++left) {
        const qsizetype middle = left + (right - left) / 2;
        if (middle != left)
            swap(entries[left], entries[middle]);
    }
}

// After a partition in which no entry was smaller than the pivot, every entry of
// entries[left..right] is at least that pivot's text, the minimum. While the middle entry
// equals the minimum, partitioning would find nothing smaller again and only swap that
// entry to the left end; doing just that, with one comparison a level, keeps long runs of
// equal entries mixed with larger ones linear. Returns where real partitioning resumes.
template <typename Entry, typename TextOf>
qsizetype skipMinimumPivots(Entry* entries, qsizetype left, qsizetype right, QByteArrayView minimum,
                            const TextOf& textOf)
{
    using std::swap;
    for (; left < right; ++left) {
        const qsizetype middle = left + (right - left) / 2;
        if (CompareAsciiNoCase(textOf(entries[middle]), minimum) != 0)
            break;
        if (middle != left)
            swap(entries[left], entries[middle]);
    }
    return left;
}

// Nests only into the smaller side and loops on the larger, so the depth stays logarithmic;
// the sides are disjoint, so the order is that of nesting into both in turn.
template <typename Entry, typename TextOf>
void sortRange(Entry* entries, qsizetype left, qsizetype right, const TextOf& textOf)
{
    while (left < right) {
        const Partitioned step = partition(entries, left, right, textOf);
        if (step.restEqualsPivot) {
            finishEqualRange(entries, left + 1, right);
            return;
        }
        const qsizetype p = step.pivotIndex;
        if (p == left) {
            left = skipMinimumPivots(entries, left + 1, right, textOf(entries[p]), textOf);
            continue;
        }
        if (p - left < right - p) {
            sortRange(entries, left, p - 1, textOf);
            left = p + 1;
        } else {
            sortRange(entries, p + 1, right, textOf);
            right = p - 1;
        }
    }
}

} // namespace abcqsort_detail

// Sorts any list by the text `textOf(entry)` gives, moving whole entries exactly as
// QuickSortList moves the texts themselves.
template <typename Entry, typename TextOf> void QuickSortBy(std::span<Entry> entries, TextOf textOf)
{
    if (entries.size() > 1)
        abcqsort_detail::sortRange(entries.data(), 0, qsizetype(entries.size()) - 1, textOf);
}

// Sorts the list in place with the middle-pivot hole-partition quicksort. Entries that
// compare equal end up exactly where that algorithm puts them, so callers may rely on it.
void QuickSortList(AddressList& list);
