#pragma once

#include "core/addresslist.h"

#include <QByteArrayView>

// -1, 0 or +1 for a before, equal to, or after b; only the 26 ASCII letters fold case.
int CompareAsciiNoCase(QByteArrayView a, QByteArrayView b);

// Sorts the list in place with the middle-pivot hole-partition quicksort. Entries that
// compare equal end up exactly where that algorithm puts them, so callers may rely on it.
void QuickSortList(AddressList& list);
