#include "stats/chartlegend.h"

#include "stats/chartpainter.h"

#include <QFontMetrics>
#include <QPainter>

#include <algorithm>

namespace {

constexpr int boxWidth = 15;
constexpr int boxToText = 4;
constexpr int horizontalMargin = 11;
constexpr int topPercent = 9;
constexpr int bottomMargin = 10;
constexpr int padding = 2;
constexpr int columnGap = 8;
constexpr int scrollWidth = 13;

} // namespace

ChartLegend::ChartLegend(const QRect& area, const ChartContent& content, int right, int widthLimit,
                         int firstRow)
    : m_content(&content)
    , m_font(content.font)
    , m_top(area.top() + area.height() * topPercent / 100)
{
    const auto count = int(content.bars.size());
    if (count == 0)
        return;
    const int height = area.bottom() - bottomMargin - m_top - 2 * padding;
    const int room = widthLimit - 2 * horizontalMargin;
    for (qsizetype size = 0; size < content.legendFonts.size(); ++size) {
        m_font = content.legendFonts[size];
        m_rowHeight = QFontMetrics(m_font).height() + 2;
        const int rowsThatFit = std::max(1, height / m_rowHeight);
        m_columns = (count + rowsThatFit - 1) / rowsThatFit;
        // Entries too many for the columns that could ever fit are not measured.
        const int mostColumns =
            std::max(1, (room + columnGap) / (boxWidth + boxToText + 1 + columnGap));
        if (m_columns > mostColumns)
            continue;
        const int entryWidth = content.widestEntry(size);
        const int column = boxWidth + boxToText + entryWidth;
        if (m_columns <= std::max(1, (room + columnGap) / (column + columnGap))) {
            m_rows = m_shownRows = (count + m_columns - 1) / m_columns;
            m_textWidth = std::max(1, std::min(entryWidth, room - boxWidth - boxToText));
            break;
        }
    }
    if (m_rows == 0) {
        // Too many entries even in the smallest readable font: one column of the legend's
        // whole width that scrolls.
        m_columns = 1;
        m_rows = count;
        m_shownRows = std::max(1, height / m_rowHeight);
        m_textWidth = std::max(1, room - boxWidth - boxToText - scrollWidth);
    }
    m_firstRow = std::clamp(firstRow, 0, lastFirstRow());
    m_left = right - width() + 1;
}

int ChartLegend::width() const
{
    if (m_content->bars.isEmpty())
        return 0;
    return 2 * horizontalMargin + m_columns * (boxWidth + boxToText + m_textWidth) +
           (m_columns - 1) * columnGap + (scrolls() ? scrollWidth : 0);
}

QRect ChartLegend::frame() const
{
    return QRect(m_left, m_top, width(), m_shownRows * m_rowHeight + 2 * padding);
}

QRect ChartLegend::upArrow() const
{
    const QRect all = frame();
    return QRect(all.right() - scrollWidth + 1, all.top() + 1, scrollWidth - 1, scrollWidth);
}

QRect ChartLegend::downArrow() const
{
    return upArrow().translated(0, frame().height() - scrollWidth - 1);
}

QRect ChartLegend::thumb() const
{
    const int trackTop = upArrow().bottom() + 1;
    const int track = downArrow().top() - trackTop;
    const int length = std::max(4, track * m_shownRows / m_rows);
    const int last = std::max(1, lastFirstRow());
    const int top = trackTop + (track - length) * m_firstRow / last;
    return QRect(upArrow().left(), top, upArrow().width(), length);
}

bool ChartLegend::isShown(qsizetype bar) const
{
    const qsizetype row = bar % m_rows;
    return row >= m_firstRow && row < m_firstRow + m_shownRows;
}

QRect ChartLegend::entryRect(qsizetype bar) const
{
    const int column = int(bar / m_rows);
    const int x =
        m_left + horizontalMargin + column * (boxWidth + boxToText + m_textWidth + columnGap);
    const int y = m_top + padding + (int(bar % m_rows) - m_firstRow) * m_rowHeight;
    return QRect(x, y, boxWidth + boxToText + m_textWidth, m_rowHeight);
}

QString ChartLegend::shownEntry(qsizetype bar) const
{
    if (!isShown(bar))
        return {};
    return QFontMetrics(m_font).elidedText(m_content->entry(bar), Qt::ElideRight, m_textWidth);
}

std::optional<int> ChartLegend::rowAfterClick(QPoint point) const
{
    if (!scrolls() || !QRect(upArrow().topLeft(), downArrow().bottomRight()).contains(point))
        return std::nullopt;
    if (upArrow().contains(point))
        return std::max(0, m_firstRow - 1);
    if (downArrow().contains(point))
        return std::min(lastFirstRow(), m_firstRow + 1);
    if (point.y() < thumb().top())
        return std::max(0, m_firstRow - m_shownRows);
    if (point.y() > thumb().bottom())
        return std::min(lastFirstRow(), m_firstRow + m_shownRows);
    return m_firstRow;
}

void ChartLegend::paint(QPainter& painter) const
{
    if (m_content->bars.isEmpty())
        return;
    painter.save();
    painter.setFont(m_font);
    painter.setPen(Qt::black);
    painter.setBrush(Qt::white);
    painter.drawRect(frame());
    const int first = m_firstRow;
    const int last = std::min(m_rows, m_firstRow + m_shownRows);
    for (int column = 0; column < m_columns; ++column)
        for (int row = first; row < last; ++row) {
            const qsizetype bar = qsizetype(column) * m_rows + row;
            if (bar >= m_content->bars.size())
                break;
            const QRect entry = entryRect(bar);
            const QRect box(entry.left(), entry.top() + 2, boxWidth, m_rowHeight - 5);
            painter.setBrush(barColour(m_content->bars[bar]));
            painter.drawRect(box);
            painter.drawText(QRect(box.right() + 5, entry.top(), m_textWidth + 2, m_rowHeight),
                             Qt::AlignLeft | Qt::AlignVCenter, shownEntry(bar));
        }
    if (scrolls()) {
        const QColor track(0xE6, 0xE6, 0xE6), arrow(0x40, 0x40, 0x40);
        const QRect strip(upArrow().topLeft(), downArrow().bottomRight());
        painter.fillRect(strip, track);
        painter.fillRect(thumb(), QColor(0xA0, 0xA0, 0xA0));
        painter.setPen(Qt::NoPen);
        painter.setBrush(arrow);
        for (const auto& [button, up] : {std::pair{upArrow(), true}, {downArrow(), false}}) {
            painter.fillRect(button, QColor(0xD0, 0xD0, 0xD0));
            const QPoint centre = button.center();
            const int tip = up ? -3 : 3;
            painter.drawPolygon(QPolygon{{centre.x() - 4, centre.y() - tip / 2},
                                         {centre.x() + 4, centre.y() - tip / 2},
                                         {centre.x(), centre.y() + tip}});
        }
    }
    painter.restore();
}
