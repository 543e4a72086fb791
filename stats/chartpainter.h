#pragma once

#include "stats/chartbar.h"

#include <QColor>
#include <QList>
#include <QRect>

#include <optional>

class QFont;
class QPainter;

// The part of the chart on show: the bar slots from firstSlot to lastSlot (bar i fills the
// slot from i to i + 1) and the values from low to high.
struct ChartWindow {
    double firstSlot = 0;
    double lastSlot = 1;
    double low = 0;
    double high = 100;

    bool operator==(const ChartWindow&) const = default;
};

// The whole chart: every bar, and values from 0 to high enough for the tallest bar's mark.
// Measured in `font` on the screen.
ChartWindow fullChartWindow(const QRect& area, const QList<ChartBar>& bars, const QFont& font);

// The part of `shown` that the pixel rectangle `selection` covers, within the back wall.
ChartWindow zoomedChartWindow(const QRect& area, const QList<ChartBar>& bars, const QFont& font,
                              const ChartWindow& shown, const QRect& selection);

// A window part of the way (0 to 1) from `from` to `to`, for an animated zoom.
ChartWindow blendedChartWindow(const ChartWindow& from, const ChartWindow& to, double progress);

// Draws the domain chart into `area`: the white back wall with its value axis, one bar per
// entry with its value mark on a short arrow, the bar labels below, and a legend of one
// entry per bar on the right; only what lies in `window` (the whole chart by default) is
// drawn on the wall. The one routine behind the screen, the bitmap and the metafile.
void paintChart(QPainter& painter, const QRect& area, const QList<ChartBar>& bars,
                const QColor& background, const std::optional<ChartWindow>& window = {});

// The colour a bar is painted in.
QColor barColour(const ChartBar& bar);
