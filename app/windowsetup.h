#pragma once

#include <QFont>

class QWidget;

// The layouts' font: the named family is asked for and Qt's fallback chooses on Linux.
QFont designFont(int pointSize = 8, bool bold = false);

// Sizes a window by its outer size as laid out, allowing for a usual frame and title bar.
void setOuterSize(QWidget& window, int width, int height);

// Places a window in the middle of the primary screen.
void centreOnScreen(QWidget& window);
