#include "stats/domainstatistics.h"

#include "core/abcQSort.h"
#include "core/bytekeys.h"
#include "core/lineprimitives.h"

#include <algorithm>
#include <limits>
#include <numeric>
#include <vector>

namespace {

constexpr quint32 colourRange = 16000000;

} // namespace

DomainTally tallyDomains(const AddressList& lines)
{
    // One pass over the lines finds the distinct domains in first-seen order and counts them:
    // the same exact, case-sensitive matches as comparing every line with every domain. The
    // table's keys are the domains' own copies, close together, rather than scattered over
    // the list's bytes.
    AddressList sorted;
    ByteKeyMap<qint64> countOf;
    for (const QByteArrayView line : lines) {
        const QByteArrayView domain = LineDomain(line);
        if (domain.isEmpty())
            continue;
        auto found = countOf.find(byteKey(domain));
        if (found == countOf.end()) {
            sorted.append(domain);
            found = countOf.emplace(byteKey(sorted[sorted.size() - 1]), 0).first;
        }
        ++found->second;
    }
    QuickSortList(sorted);
    std::vector<qint64> counts;
    counts.reserve(size_t(sorted.size()));
    for (const QByteArrayView domain : sorted)
        counts.push_back(countOf.find(byteKey(domain))->second);

    // A stable sort by count, largest first, leaves every entry where a bubble sort that
    // swaps only on a strictly smaller count does: equal counts keep the quicksort order.
    std::vector<qsizetype> order(counts.size());
    std::iota(order.begin(), order.end(), qsizetype(0));
    std::stable_sort(order.begin(), order.end(), [&](qsizetype a, qsizetype b) {
        return counts[size_t(a)] > counts[size_t(b)];
    });

    DomainTally tally;
    tally.domains.reserve(sorted.size());
    tally.counts.reserve(sorted.size());
    for (const qsizetype index : order) {
        tally.domains.append(sorted, index);
        tally.counts.append(counts[size_t(index)]);
    }
    return tally;
}

int barsForScale(qsizetype domainCount, int scale)
{
    const qint64 product = qint64(domainCount) * scale;
    qint64 bars = product / 100;
    const qint64 remainder = product % 100;
    if (remainder > 50 || (remainder == 50 && bars % 2 != 0))
        ++bars;
    return int(std::clamp<qint64>(bars, 0, std::numeric_limits<int>::max()));
}

QList<ChartBar> chartBars(const DomainTally& tally, qsizetype lineCount, int numberOfBars,
                          RandomGenerator& random)
{
    QList<ChartBar> bars;
    if (lineCount <= 0)
        return bars;
    const qsizetype barCount = std::min<qsizetype>(numberOfBars, tally.domains.size() + 1);
    if (barCount <= 0)
        return bars;

    double shown = 0;
    for (qsizetype i = 0; i < barCount - 1; ++i)
        shown += double(tally.counts[i]);
    const double lines = double(lineCount);
    const double rest = 100 - shown * 100 / lines;

    bars.reserve(barCount);
    for (qsizetype i = 0; i < barCount; ++i) {
        const quint32 colour = random.draw(colourRange);
        if (i < barCount - 1)
            bars.append(
                {double(tally.counts[i] * 100) / lines, tally.domains[i].toByteArray(), colour});
        else
            bars.append({rest, QByteArrayLiteral("others"), colour});
    }
    return bars;
}
