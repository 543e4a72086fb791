#pragma once

#include "core/addresslist.h"

#include <QByteArrayView>

enum class SortKey { Address, Domain };

// Joins a line's sort key to the line itself.
inline constexpr QByteArrayView compositeMarker = "___;;__";

// The lines in the order the quicksort gives their composite lines (sort key, marker, line).
// The composite lines are compared as they would stand, read from the key and the line in
// place, so none is made; a key that itself holds the marker cannot cut a line short.
AddressList sortByKey(const AddressList& lines, SortKey key);

// The composite line of every line, in the lines' order.
AddressList compositeLines(const AddressList& lines, SortKey key);
