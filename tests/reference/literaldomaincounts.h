#pragma once

// The statistics window's Show chart steps written out as described, with no shortcut:
// a linear search for every domain, a count by comparing every domain with every line,
// and a bubble sort by count. The yardstick for the program's tally and bars.

#include "core/addresslist.h"
#include "core/lineprimitives.h"
#include "core/randomgenerator.h"
#include "reference/literalquicksort.h"
#include "stats/chartbar.h"

#include <QList>

namespace literal {

struct DomainChart {
    AddressList domains;
    QList<qint64> counts;
    QList<ChartBar> bars;
    int numberOfBars = 0;
};

// Valid only where the steps are defined: at least one line, and at most one bar more
// than there are domains.
inline DomainChart showChart(const AddressList& lines, int numberOfBars, bool defaultBars,
                             RandomGenerator& random)
{
    DomainChart chart;
    QList<QByteArray> domains;
    for (const QByteArrayView line : lines) {
        const QByteArray domain = LineDomain(line).toByteArray();
        bool present = false;
        for (qsizetype k = 0; k < domains.size(); ++k)
            if (domains[k] == domain)
                present = true;
        if (!domain.isEmpty() && !present)
            domains.append(domain);
    }
    for (const QByteArray& domain : domains)
        chart.domains.append(domain);
    quickSortList(chart.domains);
    domains.clear();
    for (const QByteArrayView domain : chart.domains)
        domains.append(domain.toByteArray());

    const qsizetype d = domains.size();
    QList<qint64>& counts = chart.counts;
    counts.fill(0, d);
    for (qsizetype i = 0; i < d; ++i)
        for (qsizetype j = 0; j < lines.size(); ++j)
            if (LineDomain(lines[j]).toByteArray() == domains[i])
                ++counts[i];

    for (qsizetype pass = 0; pass < d; ++pass)
        for (qsizetype k = 0; k + 1 < d; ++k)
            if (counts[k] < counts[k + 1]) {
                std::swap(counts[k], counts[k + 1]);
                std::swap(domains[k], domains[k + 1]);
            }

    chart.domains.clear();
    for (const QByteArray& domain : domains)
        chart.domains.append(domain);

    if (defaultBars)
        numberOfBars = int(d) - 1;
    chart.numberOfBars = numberOfBars;

    double sum = 0;
    for (int i = 0; i <= numberOfBars - 2; ++i)
        sum += double(counts[i]);
    const double p = sum * 100 / double(lines.size());
    const double rest = 100 - p;
    for (int i = 0; i < numberOfBars; ++i) {
        const quint32 colour = random.draw(16000000);
        if (i < numberOfBars - 1)
            chart.bars.append({double(counts[i] * 100) / double(lines.size()), domains[i], colour});
        else
            chart.bars.append({rest, "others", colour});
    }
    return chart;
}

} // namespace literal
