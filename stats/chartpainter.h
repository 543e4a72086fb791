#pragma once

#include "stats/chartbar.h"

#include <QColor>
#include <QList>
#include <QRect>

class QPainter;

// Draws the domain chart into `area`: the white back wall with its value axis, one bar per
// entry with its value mark on a short arrow, the bar labels below, and a legend of one
// entry per bar on the right. The one routine behind the screen, the bitmap and the metafile.
void paintChart(QPainter& painter, const QRect& area, const QList<ChartBar>& bars,
                const QColor& background);

// The colour a bar is painted in.
QColor barColour(const ChartBar& bar);
