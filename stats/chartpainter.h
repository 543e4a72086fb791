#pragma once

#include "stats/chartcontent.h"
#include "stats/chartlegend.h"

#include <QColor>
#include <QRect>

#include <optional>

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

// How the chart is drawn, besides its content.
struct ChartLook {
    // Around the back wall, and the axes' and bar labels' text there.
    QColor background = Qt::lightGray;
    QColor text = Qt::black;
    // The part on show; the whole chart by default.
    std::optional<ChartWindow> window;
    // The first legend row on show.
    int legendRow = 0;
    // Leave out the bars and marks that later ones cover wholly: the same picture, faster.
    bool culled = true;
};

// Where the parts of the chart stand in `area`: the back wall keeps at least half the width,
// the legend lies to its right.
struct ChartLayout {
    ChartLayout(const QRect& area, const ChartContent& content, int legendRow = 0);

    QRect wall;
    ChartLegend legend;
};

// The whole chart: every bar, and values from 0 to high enough for the tallest bar's mark.
ChartWindow fullChartWindow(const QRect& area, const ChartContent& content);

// The part of `shown` that the pixel rectangle `selection` covers, within the back wall.
ChartWindow zoomedChartWindow(const QRect& area, const ChartContent& content,
                              const ChartWindow& shown, const QRect& selection);

// A window part of the way (0 to 1) from `from` to `to`, for an animated zoom.
ChartWindow blendedChartWindow(const ChartWindow& from, const ChartWindow& to, double progress);

// Draws the domain chart into `area`: the white back wall with its value axis, one bar per
// entry (drawn in the device's own pixels), the value marks on short arrows above them (the
// largest values last, so on top), the bar labels below, and the legend on the right; only
// what lies in the look's window is drawn on the wall. The one routine behind the screen, the
// bitmap and the metafile.
void paintChart(QPainter& painter, const QRect& area, const ChartContent& content,
                const ChartLook& look);

// The colour a bar is painted in.
QColor barColour(const ChartBar& bar);
