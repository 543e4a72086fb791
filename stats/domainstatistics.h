#pragma once

#include "core/addresslist.h"
#include "core/randomgenerator.h"
#include "stats/chartbar.h"

#include <QList>

// The distinct line domains of a list, most frequent first (equal counts in the
// case-insensitive quicksort order), with the number of lines of each.
struct DomainTally {
    AddressList domains;
    QList<qint64> counts;
};

DomainTally tallyDomains(const AddressList& lines);

// D x S / 100 rounded to the nearest whole number, a half going to the even neighbour.
int barsForScale(qsizetype domainCount, int scale);

// The bars that Show chart draws: the first numberOfBars - 1 domains and a last "others"
// bar with the rest of 100, one colour drawn per bar in bar order. Only the domains that
// exist get a bar, and a list without lines has no shares to show, so it gives no bars.
QList<ChartBar> chartBars(const DomainTally& tally, qsizetype lineCount, int numberOfBars,
                          RandomGenerator& random);
