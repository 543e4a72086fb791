#include "stats/chartpainter.h"

#include "core/applog.h"
#include "stats/chartlegend.h"
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
constexpr int legendGap = 10;
constexpr double barWidthShare = 0.7;
const QColor markFill(0xFF, 0xFF, 0xE1);

QRect wallRect(const QRect& area, const QList<ChartBar>& bars, const QFont& font,
               const QPaintDevice* device)
{
    const QFontMetrics metrics(font, device);
    const int axisLabels = metrics.horizontalAdvance(QStringLiteral("100")) + 12;
    const int legend = ChartLegend(area, bars, font, device).width();
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

// The value mark on its arrow above the bar top. Every bar keeps its mark: one that would
// leave the wall is moved inside it, sideways or down, and the arrow spans what is left.
void paintMark(QPainter& painter, const QRect& inside, int centreX, int barTop, const QString& text)
{
    const QFontMetrics metrics = painter.fontMetrics();
    QRect mark(0, 0, metrics.horizontalAdvance(text) + 6, metrics.height() + 2);
    const int left = std::min(centreX - mark.width() / 2, inside.right() - mark.width() + 1);
    const int top =
        std::min(barTop - arrowLength - mark.height(), inside.bottom() - mark.height() + 1);
    mark.moveTo(std::max(inside.left(), left), std::max(inside.top(), top));
    painter.setPen(Qt::black);
    const int arrowFrom = std::min(barTop, inside.bottom());
    if (mark.bottom() + 1 < arrowFrom)
        painter.drawLine(centreX, arrowFrom, centreX, mark.bottom() + 1);
    painter.setBrush(markFill);
    painter.drawRect(mark);
    painter.drawText(mark, Qt::AlignCenter, text);
}

void paintBars(QPainter& painter, const QRect& area, const QRect& wall, const ChartWindow& window,
               const QList<ChartBar>& bars)
{
    const QFontMetrics metrics = painter.fontMetrics();
    const WallMapping map(wall, window);
    const QRect inside = wall.adjusted(1, 1, -1, -1);
    const int barWidth = std::max(1, int(map.slotWidth() * barWidthShare));
    const qsizetype first = std::max<qsizetype>(0, qsizetype(std::floor(window.firstSlot)));
    const qsizetype end = std::min<qsizetype>(bars.size(), qsizetype(std::ceil(window.lastSlot)));
    const int baseY = map.yOf(0);
    std::optional<int> labelsEnd;
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
        paintMark(painter, inside, centreX, top, formatPercent(bar.value));

        // Labels stay inside the chart; one that would overlap the label before it is left
        // out, so the first bar's label is always there.
        const QString label = shownText(bar.label);
        const int labelWidth = metrics.horizontalAdvance(label);
        const int labelLeft =
            std::max(area.left() + outerMargin,
                     std::min(centreX - labelWidth / 2, area.right() - outerMargin - labelWidth));
        if (centreX >= wall.left() && centreX <= wall.right() &&
            (!labelsEnd || labelLeft > *labelsEnd + 4)) {
            painter.setPen(Qt::black);
            painter.drawText(QRect(labelLeft, wall.bottom() + 4, labelWidth + 1, metrics.height()),
                             Qt::AlignCenter, label);
            labelsEnd = labelLeft + labelWidth;
        }
    }
}

ChartWindow fullWindow(const QRect& area, const QList<ChartBar>& bars, const QFont& font,
                       const QPaintDevice* device)
{
    ChartWindow window;
    window.lastSlot = double(std::max<qsizetype>(1, bars.size()));
    double highest = 0;
    for (const ChartBar& bar : bars)
        highest = std::max(highest, bar.value);
    // The axis reaches above the highest bar far enough for its arrow and mark to fit.
    const int height = wallRect(area, bars, font, device).height() - 1;
    const int headroom = arrowLength + QFontMetrics(font, device).height() + 6;
    if (highest > 0 && height > headroom)
        window.high = highest * height / (height - headroom);
    return window;
}

} // namespace

QColor barColour(const ChartBar& bar)
{
    return QColor(int(bar.colour & 0xFF), int((bar.colour >> 8) & 0xFF),
                  int((bar.colour >> 16) & 0xFF));
}

ChartWindow fullChartWindow(const QRect& area, const QList<ChartBar>& bars, const QFont& font)
{
    return fullWindow(area, bars, font, nullptr);
}

ChartWindow zoomedChartWindow(const QRect& area, const QList<ChartBar>& bars, const QFont& font,
                              const ChartWindow& shown, const QRect& selection)
{
    const QRect wall = wallRect(area, bars, font, nullptr);
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
    const QRect wall = wallRect(area, bars, painter.font(), painter.device());
    const ChartWindow shown =
        window.value_or(fullWindow(area, bars, painter.font(), painter.device()));
    painter.setPen(Qt::black);
    painter.setBrush(Qt::white);
    painter.drawRect(wall);

    paintValueAxis(painter, wall, shown);
    if (!bars.isEmpty())
        paintBars(painter, area, wall, shown, bars);
    ChartLegend(area, bars, painter.font(), painter.device())
        .paint(painter, wall.right() + legendGap);
}
