#include "controls/devicepixels.h"

#include <QPainter>

#include <algorithm>
#include <cmath>

namespace {

// Qt fills the device pixels whose centres lie inside a shape: an edge at x covers from the
// pixel that x rounds to.
int deviceEdge(double x)
{
    return int(std::floor(x + 0.5));
}

// The device edges of `count` layout pixels starting at `origin` on the device, each pixel
// `scale` wide. The near half is measured from the first edge, the far half from the last,
// which mirrors the rounding; the middle pixel absorbs what is left over.
std::vector<int> edgesAlong(double origin, int count, double scale)
{
    const int first = deviceEdge(origin);
    const int extent = deviceEdge(origin + count * scale) - first;
    std::vector<int> edges(std::size_t(count) + 1);
    for (int i = 0; i <= count; ++i)
        edges[std::size_t(i)] =
            2 * i <= count ? deviceEdge(i * scale) : extent - deviceEdge((count - i) * scale);
    for (std::size_t i = 0; i < edges.size(); ++i)
        edges[i] = std::max(std::clamp(edges[i], 0, std::max(extent, 0)), i > 0 ? edges[i - 1] : 0);
    return edges;
}

// The layout pixel that covers each device pixel along one axis.
std::vector<int> sourceOf(const std::vector<int>& edges)
{
    std::vector<int> source(std::size_t(edges.back()));
    for (std::size_t i = 0; i + 1 < edges.size(); ++i)
        std::fill(source.begin() + edges[i], source.begin() + edges[i + 1], int(i));
    return source;
}

} // namespace

DevicePixels::DevicePixels(const QPainter& canvas, QSize layoutSize)
{
    // The transform from layout to device is a scale and a shift, as Qt's high-DPI drawing
    // sets it up, also while a control is drawn into a picture of its own.
    const QTransform& layoutToDevice = canvas.deviceTransform();
    const double scale = layoutToDevice.m11();
    const QPointF origin(layoutToDevice.dx(), layoutToDevice.dy());
    m_columnEdges = edgesAlong(origin.x(), layoutSize.width(), scale);
    m_rowEdges = edgesAlong(origin.y(), layoutSize.height(), scale);
    m_dotSize = std::max(1, int(std::floor(scale + 1e-9)));
    const QPointF firstPixel(deviceEdge(origin.x()), deviceEdge(origin.y()));
    m_toDevice = QTransform::fromTranslate(firstPixel.x(), firstPixel.y()) *
                 layoutToDevice.inverted() * canvas.worldTransform();
}

QPoint DevicePixels::map(QPoint layoutPoint) const
{
    const auto edge = [](const std::vector<int>& edges, int i) {
        return edges[std::size_t(std::clamp(i, 0, int(edges.size()) - 1))];
    };
    return {edge(m_columnEdges, layoutPoint.x()), edge(m_rowEdges, layoutPoint.y())};
}

QRect DevicePixels::map(const QRect& r) const
{
    if (r.isEmpty())
        return {};
    return QRect(map(r.topLeft()), map(r.bottomRight() + QPoint(1, 1)) - QPoint(1, 1));
}

QImage DevicePixels::scaled(const QImage& layoutPicture) const
{
    const std::vector<int> columns = sourceOf(m_columnEdges);
    const std::vector<int> rows = sourceOf(m_rowEdges);
    const QImage source = layoutPicture.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    QImage device(int(columns.size()), int(rows.size()), QImage::Format_ARGB32_Premultiplied);
    for (int y = 0; y < device.height(); ++y) {
        const auto* from =
            reinterpret_cast<const QRgb*>(source.constScanLine(rows[std::size_t(y)]));
        auto* to = reinterpret_cast<QRgb*>(device.scanLine(y));
        for (int x = 0; x < device.width(); ++x)
            to[x] = from[columns[std::size_t(x)]];
    }
    return device;
}
