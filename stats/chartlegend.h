#pragma once

#include "stats/chartbar.h"

#include <QFont>
#include <QList>
#include <QRect>

class QPainter;
class QPaintDevice;

// The chart's legend: one entry per bar, its colour box, value and label, in as many
// columns as the height needs. A long legend takes a smaller font, and only when even that
// leaves too little width are the entries cut short; no bar is ever left out.
class ChartLegend {
public:
    // Laid out for the chart `area`, measured in `font` on `device` (the screen when null).
    ChartLegend(const QRect& area, const QList<ChartBar>& bars, const QFont& font,
                const QPaintDevice* device);

    // 0 when there are no bars.
    int width() const;
    void paint(QPainter& painter, int left) const;

private:
    QList<ChartBar> m_bars;
    QFont m_font;
    int m_top = 0;
    int m_rows = 0;
    int m_columns = 0;
    int m_rowHeight = 0;
    int m_textWidth = 0;
};
