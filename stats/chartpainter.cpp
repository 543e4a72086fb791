#include "stats/chartpainter.h"

#include "core/applog.h"

#include <QFontMetrics>
#include <QPainter>
#include <QRegion>

#include <boost/container_hash/hash.hpp>
#include <boost/unordered/unordered_flat_set.hpp>

#include <algorithm>
#include <array>
#include <cmath>
#include <numeric>
#include <vector>

namespace {

// The band along the top edge where the window's buttons lie on the chart.
constexpr int controlBand = 44;
constexpr int outerMargin = 10;
constexpr int arrowLength = 20;
constexpr int legendGap = 10;
constexpr double barWidthShare = 0.7;
const QColor markFill(0xFF, 0xFF, 0xE1);

int axisLabelWidth(const QFont& font)
{
    return QFontMetrics(font).horizontalAdvance(QStringLiteral("100")) + 12;
}

// The legend may take what leaves the wall half of the chart's width.
int legendRoom(const QRect& area, const QFont& font)
{
    return std::max(0, area.width() / 2 - 2 * outerMargin - legendGap - axisLabelWidth(font));
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

// The pixels of a device with `ratio` device pixels to a pixel that `rect` covers.
QRect inDevicePixels(const QRect& rect, qreal ratio)
{
    const auto at = [ratio](int pixel) { return int(std::lround(pixel * ratio)); };
    return QRect(QPoint(at(rect.left()), at(rect.top())),
                 QPoint(at(rect.right() + 1) - 1, at(rect.bottom() + 1) - 1));
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

    // The bars whose slots the window touches.
    std::pair<qsizetype, qsizetype> barRange(qsizetype count) const
    {
        return {std::max<qsizetype>(0, qsizetype(std::floor(m_window.firstSlot))),
                std::min<qsizetype>(count, qsizetype(std::ceil(m_window.lastSlot)))};
    }

private:
    QRect m_wall;
    ChartWindow m_window;
};

void paintValueAxis(QPainter& painter, const QRect& wall, const ChartWindow& window,
                    const QColor& text)
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
        painter.setPen(text);
        painter.drawLine(wall.left() - 4, y, wall.left(), y);
        const QString label = QString::number(std::abs(value) < step * 1e-9 ? 0 : value, 'g', 6);
        const QRect place(0, y - metrics.height() / 2, wall.left() - 6, metrics.height());
        painter.drawText(place, Qt::AlignRight | Qt::AlignVCenter, label);
    }
}

// A bar's body as far as it shows inside the wall, in device pixels.
struct BarBody {
    QRect shown;
    qsizetype bar;
};

// The bars of one pixel column share their edges and the base line, so the bars drawn after
// one in its column cover one span of rows: a bar within that span is not drawn.
std::vector<BarBody> withoutCoveredBars(const std::vector<BarBody>& bodies)
{
    std::vector<BarBody> kept;
    std::optional<std::pair<int, int>> column;
    int top = 0;
    int bottom = 0;
    for (auto body = bodies.rbegin(); body != bodies.rend(); ++body) {
        const QRect& shown = body->shown;
        const std::pair edges{shown.left(), shown.right()};
        if (column == edges && shown.top() >= top && shown.bottom() <= bottom)
            continue;
        if (column != edges)
            column = edges, top = shown.top(), bottom = shown.bottom();
        top = std::min(top, shown.top());
        bottom = std::max(bottom, shown.bottom());
        kept.push_back(*body);
    }
    std::reverse(kept.begin(), kept.end());
    return kept;
}

// The bars, in the device's own pixels: bars narrower than a device pixel meet in one column.
void paintBars(QPainter& painter, const QRect& wall, const ChartWindow& window,
               const QList<ChartBar>& bars, bool culled)
{
    const qreal ratio = painter.device()->devicePixelRatioF();
    painter.save();
    painter.scale(1 / ratio, 1 / ratio);
    const QRect inside = inDevicePixels(wall.adjusted(1, 1, -1, -1), ratio);
    const WallMapping map(inDevicePixels(wall, ratio), window);
    const int barWidth = std::max(1, int(map.slotWidth() * barWidthShare));
    const int baseY = map.yOf(0);
    const auto [first, end] = map.barRange(bars.size());
    std::vector<BarBody> bodies;
    bodies.reserve(size_t(end - first));
    for (qsizetype i = first; i < end; ++i) {
        const int left = int(map.xOf(double(i) + 0.5)) - barWidth / 2;
        const int top = map.yOf(bars[i].value);
        const QRect body(QPoint(left, std::min(top, baseY)),
                         QPoint(left + barWidth, std::max(top, baseY)));
        if (const QRect shown = body.intersected(inside); !shown.isEmpty())
            bodies.push_back({shown, i});
    }
    painter.setPen(QPen(Qt::black, 0));
    for (const BarBody& body : culled ? withoutCoveredBars(bodies) : bodies) {
        if (barWidth >= 3) {
            painter.setBrush(barColour(bars[body.bar]));
            painter.drawRect(body.shown.adjusted(0, 0, -1, -1));
        } else {
            painter.fillRect(body.shown, barColour(bars[body.bar]));
        }
    }
    painter.restore();
}

// A value mark: its box on an arrow that rises from the bar top, both inside the wall.
struct Mark {
    QRect box;
    int arrowX;
    int arrowFrom;
    qsizetype bar;

    bool hasArrow() const { return box.bottom() + 1 < arrowFrom; }
    // The pixels its outline, fill and arrow cover.
    QRect outline() const { return QRect(box.topLeft(), box.size() + QSize(1, 1)); }
    QRect arrow() const { return QRect(arrowX, box.bottom() + 1, 1, arrowFrom - box.bottom()); }
};

// One that would leave the wall is moved inside it, sideways or down, and the arrow spans
// what is left.
Mark placeMark(const QRect& inside, int centreX, int barTop, QSize text, qsizetype bar)
{
    QRect box(0, 0, text.width() + 6, text.height() + 2);
    const int left = std::min(centreX - box.width() / 2, inside.right() - box.width() + 1);
    const int top =
        std::min(barTop - arrowLength - box.height(), inside.bottom() - box.height() + 1);
    box.moveTo(std::max(inside.left(), left), std::max(inside.top(), top));
    return {box, centreX, std::min(barTop, inside.bottom()), bar};
}

// Walking down from the mark on top: a mark drawn exactly where a later one is, or wholly
// under the later ones together, is not drawn.
std::vector<Mark> withoutCoveredMarks(const std::vector<Mark>& marks)
{
    using Place = std::array<int, 6>;
    boost::unordered_flat_set<Place, boost::hash<Place>> seen;
    QRegion covered;
    std::vector<Mark> kept;
    for (auto mark = marks.rbegin(); mark != marks.rend(); ++mark) {
        const QRect& box = mark->box;
        const Place place{box.x(),
                          box.y(),
                          box.width(),
                          box.height(),
                          mark->hasArrow() ? mark->arrowX : 0,
                          mark->hasArrow() ? mark->arrowFrom : 0};
        if (!seen.insert(place).second)
            continue;
        QRegion footprint(mark->outline());
        if (mark->hasArrow())
            footprint += mark->arrow();
        if (footprint.subtracted(covered).isEmpty())
            continue;
        covered += mark->outline();
        kept.push_back(*mark);
    }
    std::reverse(kept.begin(), kept.end());
    return kept;
}

// Every bar keeps its mark; the marks of the largest values are drawn last, so where marks
// overlap theirs stay readable (equal values: the earlier bar on top).
void paintMarks(QPainter& painter, const QRect& wall, const ChartWindow& window,
                const ChartContent& content, bool culled)
{
    const WallMapping map(wall, window);
    const QRect inside = wall.adjusted(1, 1, -1, -1);
    const int textHeight = painter.fontMetrics().height();
    const auto [first, end] = map.barRange(content.bars.size());
    std::vector<qsizetype> order(size_t(end - first));
    std::iota(order.rbegin(), order.rend(), first);
    std::stable_sort(order.begin(), order.end(), [&](qsizetype a, qsizetype b) {
        return content.bars[a].value < content.bars[b].value;
    });
    std::vector<Mark> marks;
    marks.reserve(order.size());
    for (const qsizetype i : order)
        marks.push_back(placeMark(inside, int(map.xOf(double(i) + 0.5)),
                                  map.yOf(content.bars[i].value),
                                  QSize(content.markWidths[i], textHeight), i));
    painter.setBrush(markFill);
    for (const Mark& mark : culled ? withoutCoveredMarks(marks) : marks) {
        painter.setPen(Qt::black);
        if (mark.hasArrow())
            painter.drawLine(mark.arrowX, mark.arrowFrom, mark.arrowX, mark.box.bottom() + 1);
        painter.drawRect(mark.box);
        painter.drawText(mark.box, Qt::AlignCenter, content.marks[mark.bar]);
    }
}

// Labels stay inside the chart and clear of the legend. Only the first bar of a pixel column
// may have one, and one that would overlap the label before it is left out, so the first
// bar's label is always there.
void paintLabels(QPainter& painter, const QRect& wall, const ChartWindow& window,
                 const QList<ChartBar>& bars, const QColor& text, int leftmost)
{
    const QFontMetrics metrics = painter.fontMetrics();
    const WallMapping map(wall, window);
    const auto [first, end] = map.barRange(bars.size());
    painter.setPen(text);
    std::optional<int> labelsEnd;
    std::optional<int> lastCentre;
    for (qsizetype i = first; i < end; ++i) {
        const int centreX = int(map.xOf(double(i) + 0.5));
        const bool sameColumn = centreX == lastCentre;
        lastCentre = centreX;
        // A label starts at its centre or further left: one centred before the last label's
        // end would overlap it, so it is not even measured.
        if (sameColumn || centreX < wall.left() || centreX > wall.right() ||
            (labelsEnd && centreX <= *labelsEnd + 4))
            continue;
        const QString label = shownText(bars[i].label);
        const int labelWidth = metrics.horizontalAdvance(label);
        const int labelLeft =
            std::max(leftmost,
                     std::min(centreX - labelWidth / 2, wall.right() + legendGap / 2 - labelWidth));
        if (labelsEnd && labelLeft <= *labelsEnd + 4)
            continue;
        painter.drawText(QRect(labelLeft, wall.bottom() + 4, labelWidth + 1, metrics.height()),
                         Qt::AlignCenter, label);
        labelsEnd = labelLeft + labelWidth;
    }
}

} // namespace

ChartLayout::ChartLayout(const QRect& area, const ChartContent& content, int legendRow)
    : legend(area, content, area.right() - outerMargin - 1, legendRoom(area, content.font),
             legendRow)
{
    const QFontMetrics metrics(content.font);
    const int legendWidth = legend.width();
    const int left = area.left() + outerMargin + axisLabelWidth(content.font);
    const int right = area.right() - outerMargin - (legendWidth > 0 ? legendWidth + legendGap : 0);
    const int top = area.top() + controlBand;
    const int bottom = area.bottom() - outerMargin - metrics.height() - 6;
    wall = QRect(QPoint(left, top), QPoint(std::max(left + 10, right), std::max(top + 10, bottom)));
}

QColor barColour(const ChartBar& bar)
{
    return QColor(int(bar.colour & 0xFF), int((bar.colour >> 8) & 0xFF),
                  int((bar.colour >> 16) & 0xFF));
}

ChartWindow fullChartWindow(const QRect& area, const ChartContent& content)
{
    ChartWindow window;
    window.lastSlot = double(std::max<qsizetype>(1, content.bars.size()));
    double highest = 0;
    for (const ChartBar& bar : content.bars)
        highest = std::max(highest, bar.value);
    // The axis reaches above the highest bar far enough for its arrow and mark to fit.
    const int height = ChartLayout(area, content).wall.height() - 1;
    const int headroom = arrowLength + QFontMetrics(content.font).height() + 6;
    if (highest > 0 && height > headroom)
        window.high = highest * height / (height - headroom);
    return window;
}

ChartWindow zoomedChartWindow(const QRect& area, const ChartContent& content,
                              const ChartWindow& shown, const QRect& selection)
{
    const QRect wall = ChartLayout(area, content).wall;
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

void paintChart(QPainter& painter, const QRect& area, const ChartContent& content,
                const ChartLook& look)
{
    painter.fillRect(area, look.background);
    painter.setFont(content.font);
    const ChartLayout layout(area, content, look.legendRow);
    const QRect& wall = layout.wall;
    const ChartWindow shown = look.window.value_or(fullChartWindow(area, content));
    painter.setPen(Qt::black);
    painter.setBrush(Qt::white);
    painter.drawRect(wall);

    paintValueAxis(painter, wall, shown, look.text);
    if (!content.bars.isEmpty()) {
        paintBars(painter, wall, shown, content.bars, look.culled);
        paintMarks(painter, wall, shown, content, look.culled);
        paintLabels(painter, wall, shown, content.bars, look.text, area.left() + outerMargin);
    }
    layout.legend.paint(painter);
}
