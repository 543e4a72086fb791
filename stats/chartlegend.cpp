#include "stats/chartlegend.h"

#include "core/applog.h"
#include "stats/chartpainter.h"
#include "stats/percentformat.h"

#include <QFontMetrics>
#include <QPainter>

#include <algorithm>
#include <array>
#include <cmath>

namespace {

constexpr int boxWidth = 15;
constexpr int boxToText = 4;
constexpr int horizontalMargin = 11;
constexpr int topPercent = 9;
constexpr int bottomMargin = 10;
constexpr int padding = 2;
constexpr int columnGap = 8;
// The legend may take this share of the chart's width; the wall keeps the rest.
constexpr double widthShare = 0.5;
// The chart's font first, then smaller ones down to three quarters of its size.
constexpr std::array sizeFactors{1.0, 0.875, 0.75};

QString entryText(const ChartBar& bar)
{
    return formatPercent(bar.value) + "  " + shownText(bar.label);
}

QFont scaled(QFont font, double factor)
{
    if (font.pointSizeF() > 0)
        font.setPointSizeF(font.pointSizeF() * factor);
    else
        font.setPixelSize(std::max(1, int(font.pixelSize() * factor)));
    return font;
}

} // namespace

ChartLegend::ChartLegend(const QRect& area, const QList<ChartBar>& bars, const QFont& font,
                         const QPaintDevice* device)
    : m_bars(bars)
    , m_font(font)
    , m_top(area.top() + area.height() * topPercent / 100)
{
    if (bars.isEmpty())
        return;
    const int height = area.bottom() - bottomMargin - m_top - 2 * padding;
    const int widest = int(area.width() * widthShare) - 2 * horizontalMargin;
    const auto count = int(bars.size());
    for (const double factor : sizeFactors) {
        m_font = scaled(font, factor);
        const QFontMetricsF metrics(m_font, device);
        m_rowHeight = QFontMetrics(m_font, device).height() + 2;
        const int rowsThatFit = std::max(1, height / m_rowHeight);
        m_columns = (count + rowsThatFit - 1) / rowsThatFit;
        m_rows = (count + m_columns - 1) / m_columns;
        int longest = 0;
        for (const ChartBar& bar : bars)
            longest = std::max(longest, int(std::ceil(metrics.horizontalAdvance(entryText(bar)))));
        const int room = (widest - (m_columns - 1) * columnGap) / m_columns - boxWidth - boxToText;
        m_textWidth = std::clamp(longest, 1, std::max(1, room));
        if (longest <= room)
            break;
    }
}

int ChartLegend::width() const
{
    if (m_bars.isEmpty())
        return 0;
    return 2 * horizontalMargin + m_columns * (boxWidth + boxToText + m_textWidth) +
           (m_columns - 1) * columnGap;
}

void ChartLegend::paint(QPainter& painter, int left) const
{
    if (m_bars.isEmpty())
        return;
    painter.save();
    painter.setFont(m_font);
    const QFontMetrics metrics(m_font, painter.device());
    painter.setPen(Qt::black);
    painter.setBrush(Qt::white);
    painter.drawRect(QRect(left, m_top, width(), m_rows * m_rowHeight + 2 * padding));
    for (qsizetype i = 0; i < m_bars.size(); ++i) {
        const int column = int(i) / m_rows;
        const int x =
            left + horizontalMargin + column * (boxWidth + boxToText + m_textWidth + columnGap);
        const int y = m_top + padding + int(i) % m_rows * m_rowHeight;
        const QRect box(x, y + 2, boxWidth, m_rowHeight - 5);
        painter.setBrush(barColour(m_bars[i]));
        painter.drawRect(box);
        const QString text = metrics.elidedText(entryText(m_bars[i]), Qt::ElideRight, m_textWidth);
        painter.drawText(QRect(box.right() + 5, y, m_textWidth + 2, m_rowHeight),
                         Qt::AlignLeft | Qt::AlignVCenter, text);
    }
    painter.restore();
}
