#include "stats/chartview.h"

#include "stats/chartpainter.h"
#include "stats/metafilepainter.h"

#include <QBuffer>
#include <QImage>
#include <QPainter>

ChartView::ChartView(QWidget* parent)
    : QWidget(parent)
{
    setFocusPolicy(Qt::NoFocus);
}

void ChartView::setBars(QList<ChartBar> bars)
{
    m_bars = std::move(bars);
    update();
}

void ChartView::paintOn(QPainter& painter) const
{
    painter.setFont(font());
    paintChart(painter, QRect(QPoint(0, 0), size()), m_bars, palette().color(QPalette::Window));
}

void ChartView::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    paintOn(painter);
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
