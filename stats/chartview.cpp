#include "stats/chartview.h"

#include "stats/metafilepainter.h"

#include <QBuffer>
#include <QImage>
#include <QMouseEvent>
#include <QPainter>

namespace {

constexpr int zoomMilliseconds = 250;

} // namespace

ChartView::ChartView(QWidget* parent)
    : QWidget(parent)
{
    setFocusPolicy(Qt::NoFocus);
    m_zoom.setDuration(zoomMilliseconds);
    m_zoom.setStartValue(0.0);
    m_zoom.setEndValue(1.0);
    m_zoom.setEasingCurve(QEasingCurve::OutCubic);
    connect(&m_zoom, &QVariantAnimation::valueChanged, this, [this](const QVariant& progress) {
        const ChartWindow end = m_target.value_or(fullChartWindow(rect(), m_bars, font()));
        m_window = blendedChartWindow(m_start, end, progress.toDouble());
        update();
    });
    connect(&m_zoom, &QVariantAnimation::finished, this, [this] {
        m_window = m_target;
        update();
    });
}

void ChartView::setBars(QList<ChartBar> bars)
{
    m_zoom.stop();
    m_bars = std::move(bars);
    m_window.reset();
    m_target.reset();
    update();
}

ChartWindow ChartView::currentWindow() const
{
    return m_window.value_or(fullChartWindow(rect(), m_bars, font()));
}

void ChartView::moveTo(const std::optional<ChartWindow>& target)
{
    m_zoom.stop();
    m_start = currentWindow();
    m_target = target;
    m_zoom.start();
}

void ChartView::paintOn(QPainter& painter) const
{
    painter.setFont(font());
    paintChart(painter, rect(), m_bars, palette().color(QPalette::Window), m_window);
}

void ChartView::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    paintOn(painter);
    if (m_dragFrom) {
        painter.setPen(QPen(Qt::black, 1, Qt::DotLine));
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(QRect(*m_dragFrom, m_dragTo).normalized());
    }
}

void ChartView::mousePressEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton)
        return QWidget::mousePressEvent(event);
    m_dragFrom = event->position().toPoint();
    m_dragTo = *m_dragFrom;
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
            zoomedChartWindow(rect(), m_bars, font(), currentWindow(), QRect(from, to));
        if (zoomed != currentWindow())
            moveTo(zoomed);
    } else if (m_window) {
        moveTo(std::nullopt);
    }
}

QByteArray ChartView::bitmapBytes() const
{
    QImage image(size(), QImage::Format_RGB32);
    {
        QPainter painter(&image);
        paintOn(painter);
    }
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    return image.save(&buffer, "BMP") ? bytes : QByteArray();
}

QByteArray ChartView::metafileBytes() const
{
    return paintToMetafile(size(), [this](QPainter& painter) { paintOn(painter); });
}
