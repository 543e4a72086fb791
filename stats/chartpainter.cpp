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

// Maps slots and values of a window onto the pixels of the back wall.
class WallMapping {
public:
    WallMapping(const QRect& wall, const ChartWindow& window)
        : m_wall(wall)
        , m_window(window)
    {
    }

    double slotWidth() const
    {
        return double(m_wall.width()) / (m_window.lastSlot - m_window.firstSlot);
    }
    double xOf(double slot) const
    {
        return m_wall.left() + (slot - m_window.firstSlot) * slotWidth();
    }
    // Pixel rows beyond the wall are kept one row outside it, so far-off values stay drawable.
    int yOf(double value) const
    {
        const double share = (value - m_window.low) / (m_window.high - m_window.low);
        const double y = m_wall.bottom() - share * (m_wall.height() - 1);
        return int(
            std::lround(std::clamp(y, double(m_wall.top() - 1), double(m_wall.bottom() + 1))));
    }
    double valueOf(int y) const
    {
        const double share = double(m_wall.bottom() - y) / std::max(1, m_wall.height() - 1);
        return m_window.low + share * (m_window.high - m_window.low);
    }
    double slotOf(int x) const { return m_window.firstSlot + (x - m_wall.left()) / slotWidth(); }

private:
    QRect m_wall;
    ChartWindow m_window;
};

void paintValueAxis(QPainter& painter, const QRect& wall, const ChartWindow& window)
{
    const QFontMetrics metrics = painter.fontMetrics();
    const WallMapping map(wall, window);
    const double step = niceStep(window.high - window.low, 8);
    if (!(step > 0) || !std::isfinite(step))
        return;
    for (double value = std::ceil(window.low / step) * step; value <= window.high + step * 1e-9;
         value += step) {
        const int y = map.yOf(value);
        if (y > wall.top() && y < wall.bottom()) {
            painter.setPen(QPen(Qt::gray, 1, Qt::DotLine));
            painter.drawLine(wall.left() + 1, y, wall.right() - 1, y);
        }
        painter.setPen(Qt::black);
        painter.drawLine(wall.left() - 4, y, wall.left(), y);
        const QString text = QString::number(std::abs(value) < step * 1e-9 ? 0 : value, 'g', 6);
        const QRect label(0, y - metrics.height() / 2, wall.left() - 6, metrics.height());
        painter.drawText(label, Qt::AlignRight | Qt::AlignVCenter, text);
    }
}

QRect markRect(const QFontMetrics& metrics, int centreX, int barTop, const QString& text)
{
    const int width = metrics.horizontalAdvance(text) + 6;
    const int height = metrics.height() + 2;
    return QRect(centreX - width / 2, barTop - arrowLength - height, width, height);
}

void paintBars(QPainter& painter, const QRect& wall, const ChartWindow& window,
               const QList<ChartBar>& bars)
{
    const QFontMetrics metrics = painter.fontMetrics();
    const WallMapping map(wall, window);
    const QRect inside = wall.adjusted(1, 1, -1, -1);
    const int barWidth = std::max(1, int(map.slotWidth() * barWidthShare));
    const qsizetype first = std::max<qsizetype>(0, qsizetype(std::floor(window.firstSlot)));
    const qsizetype end = std::min<qsizetype>(bars.size(), qsizetype(std::ceil(window.lastSlot)));
    const int baseY = map.yOf(0);
    int labelsEnd = wall.left() - 1;
    for (qsizetype i = first; i < end; ++i) {
        const ChartBar& bar = bars[i];
        const int centreX = int(map.xOf(double(i) + 0.5));
        const int top = map.yOf(bar.value);
        const QRect body = QRect(QPoint(centreX - barWidth / 2, std::min(top, baseY)),
                                 QPoint(centreX - barWidth / 2 + barWidth, std::max(top, baseY)));
        // A bar too low to see still has its mark and label.
        const QRect shown = body.intersected(inside);
        if (!shown.isEmpty() && barWidth >= 3) {
            painter.setPen(Qt::black);
            painter.setBrush(barColour(bar));
            painter.drawRect(shown.adjusted(0, 0, -1, -1));
        } else if (!shown.isEmpty()) {
            painter.fillRect(shown, barColour(bar));
        }

        // A mark or a label that does not fit on the wall is left out.
        const QString value = formatPercent(bar.value);
        const QRect mark = markRect(metrics, centreX, top, value);
        if (inside.contains(mark) && top <= wall.bottom()) {
            painter.setPen(Qt::black);
            painter.drawLine(centreX, top, centreX, top - arrowLength);
            painter.setBrush(markFill);
            painter.drawRect(mark);
            painter.drawText(mark, Qt::AlignCenter, value);
        }
        const QString label = shownText(bar.label);
        const int labelWidth = metrics.horizontalAdvance(label);
        const int labelLeft = centreX - labelWidth / 2;
        if (centreX >= wall.left() && centreX <= wall.right() && labelLeft > labelsEnd + 4) {
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

ChartWindow fullChartWindow(const QRect& area, const QList<ChartBar>& bars,
                            const QFontMetrics& metrics)
{
    ChartWindow window;
    window.lastSlot = double(std::max<qsizetype>(1, bars.size()));
    double highest = 0;
    for (const ChartBar& bar : bars)
        highest = std::max(highest, bar.value);
    // The axis reaches above the highest bar far enough for its arrow and mark to fit.
    const int height = wallRect(area, bars, metrics).height() - 1;
    const int headroom = arrowLength + metrics.height() + 6;
    if (highest > 0 && height > headroom)
        window.high = highest * height / (height - headroom);
    return window;
}

ChartWindow zoomedChartWindow(const QRect& area, const QList<ChartBar>& bars,
                              const QFontMetrics& metrics, const ChartWindow& shown,
                              const QRect& selection)
{
    const QRect wall = wallRect(area, bars, metrics);
    const QRect part = selection.normalized().intersected(wall);
    if (part.width() < 2 || part.height() < 2)
        return shown;
    const WallMapping map(wall, shown);
    return {map.slotOf(part.left()), map.slotOf(part.right() + 1), map.valueOf(part.bottom()),
            map.valueOf(part.top())};
}

ChartWindow blendedChartWindow(const ChartWindow& from, const ChartWindow& to, double progress)
{
    const auto blend = [progress](double a, double b) { return a + (b - a) * progress; };
    return {blend(from.firstSlot, to.firstSlot), blend(from.lastSlot, to.lastSlot),
            blend(from.low, to.low), blend(from.high, to.high)};
}

void paintChart(QPainter& painter, const QRect& area, const QList<ChartBar>& bars,
                const QColor& background, const std::optional<ChartWindow>& window)
{
    painter.fillRect(area, background);
    const QFontMetrics metrics = painter.fontMetrics();
    const QRect wall = wallRect(area, bars, metrics);
    const ChartWindow shown = window.value_or(fullChartWindow(area, bars, metrics));
    painter.setPen(Qt::black);
    painter.setBrush(Qt::white);
    painter.drawRect(wall);

    paintValueAxis(painter, wall, shown);
    if (!bars.isEmpty())
        paintBars(painter, wall, shown, bars);
    paintLegend(painter, area, wall, bars);
}
