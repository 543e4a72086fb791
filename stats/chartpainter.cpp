#include "stats/chartpainter.h"

#include "core/applog.h"
#include "stats/percentformat.h"

#include <QFontMetrics>
#include <QPainter>

#include <algorithm>
#include <cmath>

namespace {

// The band along the top edge where the window's buttons lie on the chart.
constexpr int controlBand = 44;
constexpr int outerMargin = 10;
constexpr int arrowLength = 20;
constexpr int legendBoxWidth = 15;
constexpr int legendHorizontalMargin = 11;
constexpr int legendTopPercent = 9;
constexpr int legendGap = 10;
constexpr double barWidthShare = 0.7;
const QColor markFill(0xFF, 0xFF, 0xE1);

QString legendText(const ChartBar& bar)
{
    return formatPercent(bar.value) + "  " + shownText(bar.label);
}

int legendRowHeight(const QFontMetrics& metrics)
{
    return metrics.height() + 2;
}
int legendTop(const QRect& area)
{
    return area.top() + area.height() * legendTopPercent / 100;
}

// The legend shows the first bars, as many as fit above the bottom edge.
qsizetype legendRows(const QRect& area, const QList<ChartBar>& bars, const QFontMetrics& metrics)
{
    const int space = area.bottom() - outerMargin - legendTop(area) - 4;
    return std::min<qsizetype>(bars.size(), std::max(0, space / legendRowHeight(metrics)));
}

int legendWidth(const QRect& area, const QList<ChartBar>& bars, const QFontMetrics& metrics)
{
    const qsizetype rows = legendRows(area, bars, metrics);
    int widest = 0;
    for (qsizetype i = 0; i < rows; ++i)
        widest = std::max(widest, metrics.horizontalAdvance(legendText(bars[i])));
    return rows == 0 ? 0 : legendBoxWidth + 4 + widest + 2 * legendHorizontalMargin;
}

QRect wallRect(const QRect& area, const QList<ChartBar>& bars, const QFontMetrics& metrics)
{
    const int axisLabels = metrics.horizontalAdvance(QStringLiteral("100")) + 12;
    const int legend = legendWidth(area, bars, metrics);
    const int left = area.left() + outerMargin + axisLabels;
    const int right = area.right() - outerMargin - (legend > 0 ? legend + legendGap : 0);
    const int top = area.top() + controlBand;
    const int bottom = area.bottom() - outerMargin - metrics.height() - 6;
    return QRect(QPoint(left, top), QPoint(std::max(left + 10, right), std::max(top + 10, bottom)));
}

// A step of 1, 2 or 5 times a power of ten that divides `range` into about `parts` parts.
double niceStep(double range, int parts)
{
    const double rough = range / parts;
    const double power = std::pow(10.0, std::floor(std::log10(rough)));
    for (const double factor : {1.0, 2.0, 5.0})
        if (rough <= factor * power)
            return factor * power;
    return 10 * power;
}

struct ValueAxis {
    double top = 100;
    int bottomY = 0;
    int height = 1;

    int yOf(double value) const
    {
        return bottomY - int(std::lround(std::clamp(value, 0.0, top) / top * height));
    }
};

// The axis reaches above the highest bar far enough for its arrow and mark to fit.
ValueAxis valueAxis(const QRect& wall, const QList<ChartBar>& bars, const QFontMetrics& metrics)
{
    double highest = 0;
    for (const ChartBar& bar : bars)
        highest = std::max(highest, bar.value);
    ValueAxis axis;
    axis.bottomY = wall.bottom();
    axis.height = std::max(1, wall.height() - 1);
    const int headroom = arrowLength + metrics.height() + 6;
    if (highest > 0 && axis.height > headroom)
        axis.top = highest * axis.height / (axis.height - headroom);
    return axis;
}

void paintValueAxis(QPainter& painter, const QRect& wall, const ValueAxis& axis)
{
    const QFontMetrics metrics = painter.fontMetrics();
    const double step = niceStep(axis.top, 8);
    for (int i = 0; i * step <= axis.top; ++i) {
        const double value = i * step;
        const int y = axis.yOf(value);
        if (i > 0) {
            painter.setPen(QPen(Qt::gray, 1, Qt::DotLine));
            painter.drawLine(wall.left() + 1, y, wall.right() - 1, y);
        }
        painter.setPen(Qt::black);
        painter.drawLine(wall.left() - 4, y, wall.left(), y);
        const QString text = QString::number(value, 'g', 6);
        const QRect label(0, y - metrics.height() / 2, wall.left() - 6, metrics.height());
        painter.drawText(label, Qt::AlignRight | Qt::AlignVCenter, text);
    }
}

void paintMark(QPainter& painter, int centreX, int barTop, const QString& text)
{
    const QFontMetrics metrics = painter.fontMetrics();
    painter.setPen(Qt::black);
    painter.drawLine(centreX, barTop, centreX, barTop - arrowLength);
    const int width = metrics.horizontalAdvance(text) + 6;
    const int height = metrics.height() + 2;
    const QRect box(centreX - width / 2, barTop - arrowLength - height, width, height);
    painter.setBrush(markFill);
    painter.drawRect(box);
    painter.drawText(box, Qt::AlignCenter, text);
}

void paintBars(QPainter& painter, const QRect& wall, const ValueAxis& axis,
               const QList<ChartBar>& bars)
{
    const QFontMetrics metrics = painter.fontMetrics();
    const double slot = double(wall.width()) / double(bars.size());
    const int barWidth = std::max(1, int(slot * barWidthShare));
    int labelsEnd = wall.left() - 1;
    for (qsizetype i = 0; i < bars.size(); ++i) {
        const ChartBar& bar = bars[i];
        const int centreX = wall.left() + int(slot * (double(i) + 0.5));
        const int top = axis.yOf(bar.value);
        const QRect body(centreX - barWidth / 2, top, barWidth, axis.bottomY - top);
        if (barWidth >= 3) {
            painter.setPen(Qt::black);
            painter.setBrush(barColour(bar));
            painter.drawRect(body);
        } else {
            painter.fillRect(body, barColour(bar));
        }
        paintMark(painter, centreX, top, formatPercent(bar.value));

        // A label that would overlap the one before it is left out.
        const QString label = shownText(bar.label);
        const int labelWidth = metrics.horizontalAdvance(label);
        const int labelLeft = centreX - labelWidth / 2;
        if (labelLeft > labelsEnd + 4) {
            painter.setPen(Qt::black);
            painter.drawText(QRect(labelLeft, wall.bottom() + 4, labelWidth + 1, metrics.height()),
                             Qt::AlignCenter, label);
            labelsEnd = labelLeft + labelWidth;
        }
    }
}

void paintLegend(QPainter& painter, const QRect& area, const QRect& wall,
                 const QList<ChartBar>& bars)
{
    const QFontMetrics metrics = painter.fontMetrics();
    const int rowHeight = legendRowHeight(metrics);
    const qsizetype rows = legendRows(area, bars, metrics);
    if (rows == 0)
        return;
    const QRect frame(wall.right() + legendGap, legendTop(area), legendWidth(area, bars, metrics),
                      int(rows) * rowHeight + 4);
    painter.setPen(Qt::black);
    painter.setBrush(Qt::white);
    painter.drawRect(frame);
    for (qsizetype i = 0; i < rows; ++i) {
        const int y = frame.top() + 2 + int(i) * rowHeight;
        const QRect box(frame.left() + legendHorizontalMargin, y + 2, legendBoxWidth,
                        rowHeight - 5);
        painter.setPen(Qt::black);
        painter.setBrush(barColour(bars[i]));
        painter.drawRect(box);
        painter.drawText(QRect(box.right() + 5, y, frame.right() - box.right() - 5, rowHeight),
                         Qt::AlignLeft | Qt::AlignVCenter, legendText(bars[i]));
    }
}

} // namespace

QColor barColour(const ChartBar& bar)
{
    return QColor(int(bar.colour & 0xFF), int((bar.colour >> 8) & 0xFF),
                  int((bar.colour >> 16) & 0xFF));
}

void paintChart(QPainter& painter, const QRect& area, const QList<ChartBar>& bars,
                const QColor& background)
{
    painter.fillRect(area, background);
    const QRect wall = wallRect(area, bars, painter.fontMetrics());
    painter.setPen(Qt::black);
    painter.setBrush(Qt::white);
    painter.drawRect(wall);

    const ValueAxis axis = valueAxis(wall, bars, painter.fontMetrics());
    paintValueAxis(painter, wall, axis);
    if (!bars.isEmpty())
        paintBars(painter, wall, axis, bars);
    paintLegend(painter, area, wall, bars);
}
