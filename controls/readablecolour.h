#pragma once

#include <QColor>

#include <initializer_list>

// The contrast between two colours as accessibility guidelines measure it, from 1 (the same
// luminance) to 21 (black on white).
double contrastRatio(const QColor& a, const QColor& b);

// The text colour to draw on fixed backgrounds: `wanted` (the scheme's) where it reads on
// every one of them at 4.5:1 or better, otherwise black or white, whichever reads better on
// the worst of them. A dark scheme's near-white text on a light face thus becomes black.
QColor readableOn(const QColor& wanted, std::initializer_list<QColor> backgrounds);
