#pragma once

#include "stats/chartcontent.h"

#include <QFont>
#include <QRect>

#include <optional>

class QPainter;

// The chart's legend: one entry per bar, its colour box, value and label. It takes as many
// columns as the height needs, in a smaller font if that makes them fit, never below the
// smallest readable size. When even that leaves too little room, the entries stand in one
// column that scrolls, with arrows and a bar showing the part on show, so every entry stays
// reachable; what is not on show is not drawn.
class ChartLegend {
public:
    // Laid out for the chart `area` with its right edge `right`, at most `widthLimit` pixels
    // wide, showing the entries from row `firstRow` on (kept within the rows there are).
    ChartLegend(const QRect& area, const ChartContent& content, int right, int widthLimit,
                int firstRow);

    // 0 when there are no bars.
    int width() const;
    const QFont& font() const { return m_font; }
    int columns() const { return m_columns; }
    int shownRows() const { return m_shownRows; }
    bool scrolls() const { return m_rows > m_shownRows; }
    int firstRow() const { return m_firstRow; }
    // The first row that shows the last entry in the last row.
    int lastFirstRow() const { return m_rows - m_shownRows; }
    // The entry's text as drawn, cut short only where it is wider than the legend allows;
    // empty while the entry is scrolled out of sight.
    QString shownEntry(qsizetype bar) const;

    // The first row to show after a click at `point`: an arrow moves one row, the bar between
    // them a page towards the click. None when the point is not on the arrows or the bar.
    std::optional<int> rowAfterClick(QPoint point) const;
    bool contains(QPoint point) const { return frame().contains(point); }
    // The scroll arrows, while the legend scrolls.
    QRect upArrow() const;
    QRect downArrow() const;

    void paint(QPainter& painter) const;

private:
    QRect frame() const;
    QRect thumb() const;
    bool isShown(qsizetype bar) const;
    QRect entryRect(qsizetype bar) const;

    const ChartContent* m_content;
    QFont m_font;
    int m_left = 0;
    int m_top = 0;
    int m_rows = 0;
    int m_shownRows = 0;
    int m_firstRow = 0;
    int m_columns = 0;
    int m_rowHeight = 0;
    int m_textWidth = 0;
};
