#include "stats/chartview.h"

#include "stats/metafilepainter.h"

#include <QBuffer>
#include <QMouseEvent>
#include <QPainter>

namespace {

constexpr int zoomMilliseconds = 250;
constexpr int wheelRows = 3;

} // namespace

ChartView::ChartView(QWidget* parent)
    : QWidget(parent)
{
    setFocusPolicy(Qt::NoFocus);
    // Every pixel comes from the drawn chart.
    setAttribute(Qt::WA_OpaquePaintEvent);
    m_zoom.setDuration(zoomMilliseconds);
    m_zoom.setStartValue(0.0);
    m_zoom.setEndValue(1.0);
    m_zoom.setEasingCurve(QEasingCurve::OutCubic);
    connect(&m_zoom, &QVariantAnimation::valueChanged, this, [this](const QVariant& progress) {
        const ChartWindow end = m_target.value_or(fullChartWindow(rect(), m_content));
        m_window = blendedChartWindow(m_start, end, progress.toDouble());
        redraw();
    });
    connect(&m_zoom, &QVariantAnimation::finished, this, [this] {
        m_window = m_target;
        redraw();
    });
}

void ChartView::setBars(QList<ChartBar> bars)
{
    m_zoom.stop();
    m_content = ChartContent(std::move(bars), font());
    m_window.reset();
    m_target.reset();
    m_legendRow = 0;
    redraw();
}

ChartLegend ChartView::legend() const
{
    return ChartLayout(rect(), m_content, m_legendRow).legend;
}

void ChartView::scrollLegendTo(int row)
{
    const int shown = ChartLayout(rect(), m_content, row).legend.firstRow();
    if (shown == legend().firstRow())
        return;
    m_legendRow = shown;
    redraw();
}

ChartLook ChartView::look(bool culled) const
{
    return {palette().color(QPalette::Window), palette().color(QPalette::WindowText), m_window,
            m_legendRow, culled};
}

void ChartView::redraw()
{
    m_drawn = QImage();
    update();
}

ChartWindow ChartView::currentWindow() const
{
    return m_window.value_or(fullChartWindow(rect(), m_content));
}

void ChartView::moveTo(const std::optional<ChartWindow>& target)
{
    m_zoom.stop();
    m_start = currentWindow();
    m_target = target;
    m_zoom.start();
}

void ChartView::paintEvent(QPaintEvent*)
{
    const qreal ratio = devicePixelRatioF();
    if (m_drawn.isNull() || m_drawn.size() != size() * ratio ||
        m_drawn.devicePixelRatio() != ratio) {
        m_drawn = QImage(size() * ratio, QImage::Format_RGB32);
        m_drawn.setDevicePixelRatio(ratio);
        QPainter painter(&m_drawn);
        paintChart(painter, rect(), m_content, look(true));
    }
    QPainter painter(this);
    painter.drawImage(0, 0, m_drawn);
    if (m_dragFrom) {
        painter.setPen(QPen(Qt::black, 1, Qt::DotLine));
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(QRect(*m_dragFrom, m_dragTo).normalized());
    }
}

void ChartView::resizeEvent(QResizeEvent*)
{
    redraw();
}

void ChartView::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::FontChange)
        m_content = ChartContent(m_content.bars, font());
    if (event->type() == QEvent::FontChange || event->type() == QEvent::PaletteChange)
        redraw();
    QWidget::changeEvent(event);
}

void ChartView::mousePressEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton)
        return QWidget::mousePressEvent(event);
    const QPoint at = event->position().toPoint();
    if (const std::optional<int> row = legend().rowAfterClick(at))
        return scrollLegendTo(*row);
    m_dragFrom = at;
    m_dragTo = at;
}

void ChartView::mouseMoveEvent(QMouseEvent* event)
{
    if (!m_dragFrom)
        return QWidget::mouseMoveEvent(event);
    m_dragTo = event->position().toPoint();
    update();
}

void ChartView::mouseReleaseEvent(QMouseEvent* event)
{
    if (!m_dragFrom || event->button() != Qt::LeftButton)
        return QWidget::mouseReleaseEvent(event);
    const QPoint from = *m_dragFrom;
    const QPoint to = event->position().toPoint();
    m_dragFrom.reset();
    update();
    // A plain click (a few pixels of drag) changes nothing.
    if ((to - from).manhattanLength() < 4)
        return;
    if (to.x() > from.x() && to.y() > from.y()) {
        const ChartWindow zoomed =
            zoomedChartWindow(rect(), m_content, currentWindow(), QRect(from, to));
        if (zoomed != currentWindow())
            moveTo(zoomed);
    } else if (m_window) {
        moveTo(std::nullopt);
    }
}

void ChartView::wheelEvent(QWheelEvent* event)
{
    const ChartLegend shown = legend();
    if (!shown.scrolls() || !shown.contains(event->position().toPoint()))
        return QWidget::wheelEvent(event);
    // Touchpads turn in small parts of a notch: they add up to whole steps.
    m_wheelTurn += event->angleDelta().y();
    const int steps = m_wheelTurn / 120;
    m_wheelTurn %= 120;
    if (steps != 0)
        scrollLegendTo(shown.firstRow() - steps * wheelRows);
}

QByteArray ChartView::bitmapBytes() const
{
    QImage image(size(), QImage::Format_RGB32);
    {
        QPainter painter(&image);
        paintChart(painter, rect(), m_content, look(true));
    }
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    return image.save(&buffer, "BMP") ? bytes : QByteArray();
}

QByteArray ChartView::metafileBytes() const
{
    return paintToMetafile(
        size(), [this](QPainter& painter) { paintChart(painter, rect(), m_content, look(false)); });
}
