#pragma once

#include "core/addresslist.h"

#include <QByteArrayView>

enum class SortKey { Address, Domain };

// Joins a line's sort key to the line itself.
inline constexpr QByteArrayView compositeMarker = "___;;__";

struct KeyedSort {
    AddressList composites; // the composite lines, sorted
    AddressList lines;      // the line each sorted composite line was built from
};

// Sorts the composite lines of `lines` with the quicksort; each sorted composite line is
// paired with its own line, so a key that itself holds the marker cannot cut a line short.
KeyedSort sortByKey(const AddressList& lines, SortKey key);
