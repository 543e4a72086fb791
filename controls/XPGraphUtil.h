#pragma once

#include <QColor>
#include <QPoint>
#include <QRect>

class QFontMetrics;
class QPainter;
struct AcceleratedCaption;

// The rectangle with left/top included and right/bottom excluded, as the drawing code
// of the styled controls writes them.
QRect edgeRect(int left, int top, int right, int bottom);

// Direction of a banded gradient: which axis it runs along and which colour comes first.
enum GradientDirection {
    TopToBottom = 0,
    TopToBottomReversed = 1,
    LeftToRight = 2,
    LeftToRightReversed = 3,
};

// Fills r with bandCount solid bands shading from one colour to the other. Only the low
// 8 bits of bandCount count; fewer than 2 bands fill r with the start colour. Pixels left
// over after the equal bands take the gradient's last colour.
void GradientFill(QPainter& canvas, const QRect& r, const QColor& startColor,
                  const QColor& endColor, int direction, int bandCount);

// The dotted focus rectangle: every other dot of r's outline is inverted, so drawing it
// twice restores what was there. A dot is dotSize pixels square.
void drawFocusRect(QPainter& canvas, const QRect& r, int dotSize = 1);

// A straight line from a towards b that leaves out the end point b.
void drawOpenLine(QPainter& canvas, QPoint a, QPoint b, const QColor& colour);

// The shown caption with its top-left corner at `at`, clipped to clip (within any clip the
// canvas has already); on an opaque background when one is given.
void drawCaptionText(QPainter& canvas, const QFontMetrics& metrics,
                     const AcceleratedCaption& caption, QPoint at, const QRect& clip,
                     const QColor& colour, const QColor& background = QColor());

// The line under the accelerator character of a caption drawn with its top-left corner
// at `at`, one pixel high at at.y + text height; empty when the caption has no accelerator.
QRect underlineRect(const QFontMetrics& metrics, const AcceleratedCaption& caption, QPoint at);
