#pragma once

#include <QImage>
#include <QRect>
#include <QSize>
#include <QTransform>

#include <vector>

class QPainter;

// A styled control's look is laid out pixel by pixel at its layout size. At a fractional
// scale (1.25, 1.5, 1.75) those pixels fall on parts of device pixels, where Qt's rounding
// drops or doubles single lines of a frame. This maps every layout pixel onto whole device
// pixels instead, measured from the nearest edge so that the two sides of a frame come out
// alike. At a whole scale it is plain multiplication.
class DevicePixels {
public:
    // For a control of layoutSize painted with canvas as it stands (its transform unchanged).
    DevicePixels(const QPainter& canvas, QSize layoutSize);

    // The canvas transform that addresses the control's device pixels, (0, 0) its first one.
    const QTransform& toDevice() const { return m_toDevice; }

    // The device pixels that the layout pixels of r cover.
    QRect map(const QRect& r) const;
    QPoint map(QPoint layoutPoint) const;

    // The picture of the control at its layout size, each pixel widened to its device pixels.
    QImage scaled(const QImage& layoutPicture) const;

    // The side of one dot of a dotted focus rectangle: whole device pixels, as near the
    // scale as they go without exceeding it.
    int dotSize() const { return m_dotSize; }

private:
    // Edge i is where layout pixel i begins on the device; the last is the device extent.
    std::vector<int> m_columnEdges;
    std::vector<int> m_rowEdges;
    QTransform m_toDevice;
    int m_dotSize = 1;
};
