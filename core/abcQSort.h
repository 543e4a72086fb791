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

// Tells `ahead` of the entries that the scan at `at`, moving by `step` towards `end`
// (excluded), compares with the pivot soon: far(...) of one two strides on, near(...) of one
// a stride on. A comparison that must read the text behind its entries then finds it fetched
// from memory already, instead of waiting for it.
constexpr qsizetype lookAheadStride = 8;
template <typename Entry, typename Ahead>
void lookAhead(const Entry* entries, qsizetype at, qsizetype step, qsizetype end,
               const Entry& pivot, const Ahead& ahead)
{
    constexpr qsizetype stride = lookAheadStride;
    const qsizetype left = (end - at) * step;
    if (left > 2 * stride)
        ahead.far(entries[at + 2 * stride * step], pivot);
    if (left > stride)
        ahead.near(entries[at + stride * step], pivot);
}

// Tells `ahead` of the first entries a scan from `from`, moving by `step` towards `end`
// (excluded), meets: those lookAhead would have told of, had the scan begun earlier.
template <typename Entry, typename Ahead>
void lookAheadFromStart(const Entry* entries, qsizetype from, qsizetype step, qsizetype end,
                        const Entry& pivot, const Ahead& ahead)
{
    constexpr qsizetype stride = lookAheadStride;
    const qsizetype count = std::min((end - from) * step, 2 * stride);
    for (qsizetype k = 0; k < count; ++k)
        ahead.far(entries[from + k * step], pivot);
    for (qsizetype k = 0; k < std::min(count, stride); ++k)
        ahead.near(entries[from + k * step], pivot);
}

// Partitions entries[left..right] (left < right) around the middle entry by moving entries
// into the free slot, and reports where the pivot landed.
template <typename Entry, typename Compare, typename Ahead>
Partitioned partition(Entry* entries, qsizetype left, qsizetype right, const Compare& compare,
                      const Ahead& ahead)
{
    const qsizetype middle = left + (right - left) / 2;
    Entry pivot = std::move(entries[middle]);
    if (middle != left)
        entries[middle] = std::move(entries[left]);
    qsizetype i = left;
    qsizetype j = right;
    lookAheadFromStart(entries, right, -1, left, pivot, ahead);
    lookAheadFromStart(entries, left + 1, 1, right + 1, pivot, ahead);
    bool onlyEqualSeen = true;
    do {
        while (j > i) {
            lookAhead(entries, j, -1, i, pivot, ahead);
            const int order = compare(entries[j], pivot);
            if (order < 0)
                break;
            onlyEqualSeen = onlyEqualSeen && order == 0;
            --j;
        }
        if (i < j) {
            onlyEqualSeen = false;
            // The entry just moved to i is smaller than the pivot, so i advances at least once.
            entries[i] = std::move(entries[j]);
            do {
                ++i;
                lookAhead(entries, i, 1, j, pivot, ahead);
            } while (i < j && compare(entries[i], pivot) < 0);
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
// entries[left..right] is at least that pivot, the minimum. While the middle entry
// equals the minimum, partitioning would find nothing smaller again and only swap that
// entry to the left end; doing just that, with one comparison a level, keeps long runs of
// equal entries mixed with larger ones linear. Returns where real partitioning resumes.
// The middles of the levels to come are told to `ahead` as the partition's scan tells it.
template <typename Entry, typename Compare, typename Ahead>
qsizetype skipMinimumPivots(Entry* entries, qsizetype left, qsizetype right, const Entry& minimum,
                            const Compare& compare, const Ahead& ahead)
{
    using std::swap;
    constexpr qsizetype stride = lookAheadStride;
    const auto middleFrom = [right](qsizetype at) { return at + (right - at) / 2; };
    for (; left < right; ++left) {
        if (left + 2 * stride < right)
            ahead.far(entries[middleFrom(left + 2 * stride)], minimum);
        if (left + stride < right)
            ahead.near(entries[middleFrom(left + stride)], minimum);
        const qsizetype middle = middleFrom(left);
        if (compare(entries[middle], minimum) != 0)
            break;
        if (middle != left)
            swap(entries[left], entries[middle]);
    }
    return left;
}

// Nests only into the smaller side and loops on the larger, so the depth stays logarithmic;
// the sides are disjoint, so the order is that of nesting into both in turn. Before each
// range is partitioned, `refine` may make its entries quicker to compare (it returns the
// state it passes on to the ranges within, `shared`); it moves nothing.
template <typename Entry, typename Compare, typename Refine, typename Ahead>
void sortRange(Entry* entries, qsizetype left, qsizetype right, qsizetype shared,
               const Compare& compare, const Refine& refine, const Ahead& ahead)
{
    while (left < right) {
        shared = refine(left, right, shared);
        const Partitioned step = partition(entries, left, right, compare, ahead);
        if (step.restEqualsPivot) {
            finishEqualRange(entries, left + 1, right);
            return;
        }
        const qsizetype p = step.pivotIndex;
        if (p == left) {
            left = skipMinimumPivots(entries, left + 1, right, entries[p], compare, ahead);
            continue;
        }
        if (p - left < right - p) {
            sortRange(entries, left, p - 1, shared, compare, refine, ahead);
            left = p + 1;
        } else {
            sortRange(entries, p + 1, right, shared, compare, refine, ahead);
            right = p - 1;
        }
    }
}

// Eight bytes of `text` from `from` on, folded as CompareAsciiNoCase folds them, highest byte
// first, zeros past the end of the text.
quint64 foldedPrefix(QByteArrayView text, qsizetype from);

// How many leading bytes two texts share once folded.
qsizetype sharedFoldedLength(QByteArrayView a, QByteArrayView b);

} // namespace abcqsort_detail

// A text to sort with eight of its bytes folded into a number (the prefix): texts whose
// prefixes differ compare as the prefixes do, so most comparisons end on one integer
// comparison without reading the text. All items of a range take their prefixes from the
// same place: the start, or a place before which all texts of the range are equal.
// `payload` tells the caller where the text came from.
template <typename Payload> struct SortItem {
    quint64 prefix;
    QByteArrayView text;
    [[no_unique_address]] Payload payload;
};

template <typename Payload> SortItem<Payload> sortItem(QByteArrayView text, Payload payload)
{
    return {abcqsort_detail::foldedPrefix(text, 0), text, payload};
}

// Sorts items that carry the folded prefix of their text (`prefix`), moving whole items
// exactly as QuickSortList moves texts. `texts` reads an item's text: compare(a, b) as
// CompareAsciiNoCase does, prefixFrom(item, from) the folded eight bytes from `from` on, as
// foldedPrefix, and sharedLength(a, b) as sharedFoldedLength; fetchPlace(item) and
// fetchText(item), a stride apart, start fetching what compare(...) reads of an item whose
// prefix ties with the pivot's.
template <typename Item, typename Texts>
void QuickSortPrefixed(std::span<Item> items, const Texts& texts)
{
    using namespace abcqsort_detail;
    const auto compare = [&texts](const Item& a, const Item& b) {
        if (a.prefix != b.prefix)
            return a.prefix < b.prefix ? -1 : 1;
        return texts.compare(a, b);
    };
    // The texts of a range lie between its two neighbours, which stay in place from then
    // on, so they share all the folded bytes that the neighbours share. Once that is several
    // bytes past where the prefixes start, the prefixes are taken again from there.
    const auto refine = [items, &texts](qsizetype left, qsizetype right, qsizetype shared) {
        constexpr qsizetype smallestRange = 32;
        constexpr qsizetype worthwhileGain = 4;
        if (right - left < smallestRange || left == 0 || right + 1 == qsizetype(items.size()))
            return shared;
        const qsizetype bounds = texts.sharedLength(items[left - 1], items[right + 1]);
        if (bounds < shared + worthwhileGain)
            return shared;
        constexpr qsizetype stride = lookAheadStride;
        for (qsizetype i = left; i <= right; ++i) {
            if (i + 2 * stride <= right)
                texts.fetchPlace(items[i + 2 * stride]);
            if (i + stride <= right)
                texts.fetchText(items[i + stride]);
            items[i].prefix = texts.prefixFrom(items[i], bounds);
        }
        return bounds;
    };
    struct Ahead {
        const Texts& texts;
        void far(const Item& item, const Item& pivot) const
        {
            if (item.prefix == pivot.prefix)
                texts.fetchPlace(item);
        }
        void near(const Item& item, const Item& pivot) const
        {
            if (item.prefix == pivot.prefix)
                texts.fetchText(item);
        }
    };
    if (items.size() > 1)
        sortRange(items.data(), 0, qsizetype(items.size()) - 1, 0, compare, refine, Ahead{texts});
}

// Sorts the items by their texts, moving whole items exactly as QuickSortList moves texts.
template <typename Payload> void QuickSortItems(std::span<SortItem<Payload>> items)
{
    using Item = SortItem<Payload>;
    struct Texts {
        static int compare(const Item& a, const Item& b)
        {
            return CompareAsciiNoCase(a.text, b.text);
        }
        static quint64 prefixFrom(const Item& item, qsizetype from)
        {
            return abcqsort_detail::foldedPrefix(item.text, from);
        }
        static qsizetype sharedLength(const Item& a, const Item& b)
        {
            return abcqsort_detail::sharedFoldedLength(a.text, b.text);
        }
        static void fetchPlace(const Item&) {}
        static void fetchText(const Item& item) { __builtin_prefetch(item.text.data()); }
    };
    QuickSortPrefixed(items, Texts{});
}

// Sorts the list in place with the middle-pivot hole-partition quicksort. Entries that
// compare equal end up exactly where that algorithm puts them, so callers may rely on it.
void QuickSortList(AddressList& list);
