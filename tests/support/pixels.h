#pragma once

#include <QColor>
#include <QImage>

#include <algorithm>

// The tallest unbroken run of pixels of exactly `colour` in any column.
inline int tallestRun(const QImage& image, QColor colour)
{
    int tallest = 0;
    for (int x = 0; x < image.width(); ++x) {
        int run = 0;
        for (int y = 0; y < image.height(); ++y) {
            run = image.pixelColor(x, y) == colour ? run + 1 : 0;
            tallest = std::max(tallest, run);
        }
    }
    return tallest;
}
