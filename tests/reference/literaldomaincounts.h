#pragma once

// Show chart's steps with no shortcut: a linear search for every domain, every domain compared
// with every line, a bubble sort by count. Valid for at least one line and at most D + 1 bars.

#include "core/addresslist.h"
#include "core/lineprimitives.h"
#include "core/randomgenerator.h"
#include "reference/literalquicksort.h"
#include "stats/chartbar.h"

namespace literal {

struct DomainChart {
    QByteArrayList domains;
    QList<qint64> counts;
    QList<ChartBar> bars;
};

inline DomainChart showChart(const AddressList& lines, int numberOfBars, bool defaultBars,
                             RandomGenerator& random)
{
    DomainChart chart;
    QByteArrayList& domains = chart.domains;
    for (const QByteArrayView line : lines) {
        const QByteArray domain = LineDomain(line).toByteArray();
        bool present = false;
        for (qsizetype k = 0; k < domains.size(); ++k)
            if (domains[k] == domain)
                present = true;
        if (!domain.isEmpty() && !present)
            domains.append(domain);
    }
    quickSortRange(domains, 0, domains.size() - 1);
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
    if (defaultBars)
        numberOfBars = int(d) - 1;
    double sum = 0;
    for (int i = 0; i <= numberOfBars - 2; ++i)
        sum += double(counts[i]);
    const double rest = 100 - sum * 100 / double(lines.size());
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
