#include "stats/metafilepainter.h"

#include "stats/emfrecorder.h"

#include <QFontInfo>
#include <QPaintDevice>
#include <QPaintEngine>
#include <QPainter>
#include <QPainterPath>

#include <array>
#include <cmath>

namespace {

constexpr int pixelsPerInch = 96;

// Hands QPainter's drawing calls to the recorder, in device pixels.
class MetafilePaintEngine : public QPaintEngine {
public:
    explicit MetafilePaintEngine(EmfRecorder& recorder)
        : QPaintEngine(AllFeatures)
        , m_recorder(recorder)
    {
    }

    bool begin(QPaintDevice*) override { return true; }
    bool end() override { return true; }
    Type type() const override { return User; }

    void updateState(const QPaintEngineState& state) override
    {
        if (state.state() & DirtyPen) {
            m_pen = state.pen();
            applyPen();
        }
        if (state.state() & DirtyBrush) {
            m_brush = state.brush();
            applyBrush();
        }
        if (state.state() & DirtyTransform)
            m_transform = state.transform();
    }

    void drawRects(const QRectF* rects, int count) override
    {
        for (int i = 0; i < count; ++i) {
            const QRectF rect = m_transform.mapRect(rects[i]);
            // An outlined rectangle covers its right and bottom edge, a filled one stops short.
            const QPointF inset = m_pen.style() == Qt::NoPen ? QPointF(1, 1) : QPointF(0, 0);
            m_recorder.rectangle(rounded(rect.topLeft()), rounded(rect.bottomRight() - inset));
        }
    }

    void drawRects(const QRect* rects, int count) override
    {
        for (int i = 0; i < count; ++i)
            drawRects(std::array{QRectF(rects[i])}.data(), 1);
    }

    void drawLines(const QLineF* lines, int count) override
    {
        for (int i = 0; i < count; ++i)
            m_recorder.polyline(
                {rounded(m_transform.map(lines[i].p1())), rounded(m_transform.map(lines[i].p2()))});
    }

    void drawLines(const QLine* lines, int count) override
    {
        for (int i = 0; i < count; ++i)
            drawLines(std::array{QLineF(lines[i])}.data(), 1);
    }

    void drawPolygon(const QPointF* points, int count, PolygonDrawMode mode) override
    {
        QList<QPoint> corners;
        corners.reserve(count);
        for (int i = 0; i < count; ++i)
            corners.append(rounded(m_transform.map(points[i])));
        if (mode == PolylineMode)
            m_recorder.polyline(corners);
        else
            m_recorder.polygon(corners);
    }

    void drawPath(const QPainterPath& path) override
    {
        for (const QPolygonF& polygon : path.toFillPolygons(m_transform))
            drawPolygonInDevice(polygon);
    }

    void drawTextItem(const QPointF& origin, const QTextItem& item) override
    {
        const QFont font = item.font();
        const int pixelHeight = font.pixelSize() > 0
                                    ? font.pixelSize()
                                    : int(std::lround(font.pointSizeF() * pixelsPerInch / 72));
        m_recorder.setFont(QFontInfo(font).family(), pixelHeight, font.bold(), font.italic());
        m_recorder.text(rounded(m_transform.map(origin)), item.text(), m_pen.color());
    }

    // The chart draws no images; a metafile of it holds none.
    void drawPixmap(const QRectF&, const QPixmap&, const QRectF&) override {}

private:
    static QPoint rounded(const QPointF& point)
    {
        return {int(std::lround(point.x())), int(std::lround(point.y()))};
    }

    void drawPolygonInDevice(const QPolygonF& polygon)
    {
        QList<QPoint> corners;
        corners.reserve(polygon.size());
        for (const QPointF& point : polygon)
            corners.append(rounded(point));
        m_recorder.polygon(corners);
    }

    void applyPen()
    {
        if (m_pen.style() == Qt::NoPen)
            m_recorder.setNoPen();
        else
            m_recorder.setPen(m_pen.color(), m_pen.width() <= 1 ? 0 : m_pen.width(),
                              m_pen.style() != Qt::SolidLine);
    }

    void applyBrush()
    {
        if (m_brush.style() == Qt::NoBrush)
            m_recorder.setNoBrush();
        else
            m_recorder.setBrush(m_brush.color());
    }

    EmfRecorder& m_recorder;
    QPen m_pen;
    QBrush m_brush;
    QTransform m_transform;
};

class MetafileDevice : public QPaintDevice {
public:
    MetafileDevice(QSize size, EmfRecorder& recorder)
        : m_size(size)
        , m_engine(recorder)
    {
    }

    QPaintEngine* paintEngine() const override { return &m_engine; }

protected:
    int metric(PaintDeviceMetric metric) const override
    {
        switch (metric) {
        case PdmWidth:
            return m_size.width();
        case PdmHeight:
            return m_size.height();
        case PdmWidthMM:
            return m_size.width() * 254 / (pixelsPerInch * 10);
        case PdmHeightMM:
            return m_size.height() * 254 / (pixelsPerInch * 10);
        case PdmNumColors:
            return 1 << 24;
        case PdmDepth:
            return 24;
        case PdmDpiX:
        case PdmDpiY:
        case PdmPhysicalDpiX:
        case PdmPhysicalDpiY:
            return pixelsPerInch;
        case PdmDevicePixelRatio:
            return 1;
        case PdmDevicePixelRatioScaled:
            return int(devicePixelRatioFScale());
        default:
            return 0;
        }
    }

private:
    QSize m_size;
    mutable MetafilePaintEngine m_engine;
};

} // namespace

QByteArray paintToMetafile(QSize size, const std::function<void(QPainter&)>& paint)
{
    EmfRecorder recorder(size);
    {
        MetafileDevice device(size, recorder);
        QPainter painter(&device);
        if (!painter.isActive())
            return {};
        paint(painter);
    }
    return recorder.finish();
}
