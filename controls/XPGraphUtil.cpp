#include "controls/XPGraphUtil.h"

#include "controls/accelerator.h"

#include <QPainter>

#include <algorithm>

namespace {

// numerator / denominator rounded to the nearest integer, halves away from zero;
// the denominator is positive.
int roundedQuotient(int numerator, int denominator)
{
    const int magnitude = numerator < 0 ? -numerator : numerator;
    const int quotient = magnitude / denominator + (2 * (magnitude % denominator) >= denominator);
    return numerator < 0 ? -quotient : quotient;
}

int bandChannel(int first, int difference, int band, int lastBand)
{
    return (first + roundedQuotient(band * difference, lastBand)) & 0xFF;
}

} // namespace

QRect edgeRect(int left, int top, int right, int bottom)
{
    return QRect(left, top, right - left, bottom - top);
}

void GradientFill(QPainter& canvas, const QRect& r, const QColor& startColor,
                  const QColor& endColor, int direction, int bandCount)
{
    if (r.width() <= 0 || r.height() <= 0)
        return;
    const int bands = bandCount & 0xFF;
    if (bands < 2) {
        canvas.fillRect(r, startColor);
        return;
    }
    const bool reversed = direction == TopToBottomReversed || direction == LeftToRightReversed;
    // Any direction other than the three others runs top to bottom.
    const bool vertical = direction != LeftToRight && direction != LeftToRightReversed;
    const QColor first = reversed ? endColor : startColor;
    const QColor last = reversed ? startColor : endColor;
    const int dr = last.red() - first.red();
    const int dg = last.green() - first.green();
    const int db = last.blue() - first.blue();

    const int extent = vertical ? r.height() : r.width();
    const int n = std::max(2, std::min(bands, extent));
    const int step = extent / n;
    const auto strip = [&](int from, int length) {
        return vertical ? QRect(r.left(), r.top() + from, r.width(), length)
                        : QRect(r.left() + from, r.top(), length, r.height());
    };
    if (step > 0) {
        for (int i = 0; i < n; ++i) {
            const QColor colour(bandChannel(first.red(), dr, i, n - 1),
                                bandChannel(first.green(), dg, i, n - 1),
                                bandChannel(first.blue(), db, i, n - 1));
            canvas.fillRect(strip(i * step, step), colour);
        }
    }
    const int rem = extent % n;
    if (rem > 0)
        canvas.fillRect(strip(extent - rem, rem), last);
}

void drawFocusRect(QPainter& canvas, const QRect& r, int dotSize)
{
    if (r.width() <= 0 || r.height() <= 0)
        return;
    canvas.save();
    // Difference with white inverts the colour and keeps the pixel opaque.
    canvas.setCompositionMode(QPainter::CompositionMode_Difference);
    const auto dot = [&](int x, int y) {
        if ((x / dotSize + y / dotSize) % 2 == 0)
            canvas.fillRect(QRect(x, y, dotSize, dotSize), Qt::white);
    };
    const int right = r.right() + 1 - dotSize;
    const int bottom = r.bottom() + 1 - dotSize;
    for (int x = r.left(); x <= right; x += dotSize) {
        dot(x, r.top());
        if (bottom != r.top())
            dot(x, bottom);
    }
    for (int y = r.top() + dotSize; y < bottom; y += dotSize) {
        dot(r.left(), y);
        if (right != r.left())
            dot(right, y);
    }
    canvas.restore();
}

void drawOpenLine(QPainter& canvas, QPoint a, QPoint b, const QColor& colour)
{
    const QPoint last(b.x() - (b.x() > a.x()) + (b.x() < a.x()),
                      b.y() - (b.y() > a.y()) + (b.y() < a.y()));
    if (last == b)
        return;
    canvas.setPen(colour);
    canvas.drawLine(a, last);
}

void drawCaptionText(QPainter& canvas, const QFontMetrics& metrics,
                     const AcceleratedCaption& caption, QPoint at, const QRect& clip,
                     const QColor& colour, const QColor& background)
{
    canvas.save();
    canvas.setClipRect(clip, canvas.hasClipping() ? Qt::IntersectClip : Qt::ReplaceClip);
    if (background.isValid())
        canvas.fillRect(
            QRect(at, QSize(metrics.horizontalAdvance(caption.shown), metrics.height())),
            background);
    canvas.setPen(colour);
    canvas.drawText(QPoint(at.x(), at.y() + metrics.ascent()), caption.shown);
    canvas.restore();
}

QRect underlineRect(const QFontMetrics& metrics, const AcceleratedCaption& caption, QPoint at)
{
    if (!caption.hasAccelerator())
        return {};
    const int from = at.x() + metrics.horizontalAdvance(caption.shown.left(caption.accelerator));
    const int to = at.x() + metrics.horizontalAdvance(caption.shown.left(caption.accelerator + 1));
    return QRect(from, at.y() + metrics.height(), to - from, 1);
}
