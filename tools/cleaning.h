#pragma once

#include "core/addresslist.h"
#include "core/progress.h"

#include <QByteArrayView>

// The validity tests the user ticks, with the two length bounds.
struct CleanTests {
    bool emptyLine = false;
    bool withoutAtOrShort = false;
    int shortLength = 6;
    bool startsWithDigit = false;
    bool longerThan = false;
    int longLength = 45;
    bool spacesInAddress = false;
};

struct CleanResult {
    AddressList kept;
    AddressList log; // one line for every test a line fails, in test order
};

// Every ticked test runs on every line; lines that fail none are kept unchanged, in order.
CleanResult cleanLines(const AddressList& lines, const CleanTests& tests);

// A blank or TAB inside the address itself, as written in the line.
bool hasSpacesInAddress(QByteArrayView line);

struct DuplicateRemoval {
    AddressList kept;        // the first line of every address, in input order
    AddressList keptMatches; // for every line dropped, the kept line with the same address
    qsizetype dropped = 0;
};

// Whether the kept line of every dropped one is wanted, or only how many were dropped:
// on a long list the matches take as much room as the list itself.
enum class Matches { Listed, Counted };

// Lines whose address (exact bytes, case counts) repeats an earlier line's are dropped.
DuplicateRemoval removeDuplicateAddresses(const AddressList& lines,
                                          const EvenProgress::Sink& progress = {},
                                          Matches matches = Matches::Listed);
