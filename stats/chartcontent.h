#pragma once

#include "stats/chartbar.h"

#include <QFont>
#include <QList>
#include <QStringList>

#include <optional>

// The bars of a chart with their value marks measured once when the bars are shown, so that a
// resize, a zoom or a scroll of the legend only places them. Legend entries are made and
// measured only when a legend needs them: a long list's legend shows a few at a time.
class ChartContent {
public:
    ChartContent() = default;
    // Measured in `font` on the screen.
    ChartContent(QList<ChartBar> bars, const QFont& font);

    QList<ChartBar> bars;
    QFont font;
    // Each bar's value as its mark shows it, and the mark text's width.
    QStringList marks;
    QList<int> markWidths;
    // The legend's fonts, largest first: the chart's own, then the smallest readable size
    // (7 points) where that is smaller.
    QList<QFont> legendFonts;

    // A bar's legend entry: its value and its label.
    QString entry(qsizetype bar) const;
    // The widest entry in legend font `size`.
    int widestEntry(qsizetype size) const;

private:
    mutable QList<std::optional<int>> m_widestEntry;
};
