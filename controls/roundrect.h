#pragma once

#include <QColor>
#include <QSize>

class QPainter;
class QRect;

// The classic round rectangle: a 1-pixel outline just inside r, each corner cut along a
// quarter of an ellipse of the given size, and the inside filled when fill is valid.
// Every corner gets the same cut, mirrored, so the outline is one closed line.
void drawRoundRect(QPainter& canvas, const QRect& r, QSize ellipse, const QColor& outline,
                   const QColor& fill = QColor());
