#include "controls/roundrect.h"

#include <QPainter>

#include <algorithm>
#include <cmath>
#include <vector>

namespace {

// How far in from the side the outline lies on each row of a corner, counted from the
// edge row, for an ellipse `across` pixels wide and `along` pixels high. The ellipse runs
// through the centres of its outermost pixels (a 3 x 3 one is a plus, a 5 x 5 one cuts
// the corner pixel); an arc point halfway between two pixels takes the outer one, so a
// 2 x 2 corner stays square.
std::vector<int> cornerInsets(int across, int along)
{
    const double a = (across - 1) / 2.0;
    const double b = (along - 1) / 2.0;
    std::vector<int> insets;
    for (int row = 0; row <= (along - 1) / 2; ++row) {
        const double v = b > 0 ? (b - row) / b : 0.0;
        insets.push_back(int(std::ceil(a - a * std::sqrt(1.0 - v * v) - 0.5)));
    }
    return insets;
}

int insetAt(const std::vector<int>& insets, int i)
{
    return i < int(insets.size()) ? insets[std::size_t(i)] : 0;
}

} // namespace

void drawRoundRect(QPainter& canvas, const QRect& r, QSize ellipse, const QColor& outline,
                   const QColor& fill)
{
    if (r.isEmpty())
        return;
    const int width = std::clamp(ellipse.width(), 1, r.width());
    const int height = std::clamp(ellipse.height(), 1, r.height());
    const std::vector<int> rowInsets = cornerInsets(width, height);
    const std::vector<int> columnInsets = cornerInsets(height, width);
    // Each pixel is measured from its nearest side and nearest edge, which mirrors one
    // corner onto all four. Outside pixels get an invalid colour and are left alone.
    const auto colourAt = [&](int x, int y) {
        const int dx = std::min(x - r.left(), r.right() - x);
        const int dy = std::min(y - r.top(), r.bottom() - y);
        const int rowInset = insetAt(rowInsets, dy);
        const int columnInset = insetAt(columnInsets, dx);
        if (dx == rowInset || dy == columnInset)
            return outline;
        return dx > rowInset && dy > columnInset ? fill : QColor();
    };
    for (int y = r.top(); y <= r.bottom(); ++y) {
        int runStart = r.left();
        for (int x = r.left(); x <= r.right(); ++x) {
            const QColor colour = colourAt(x, y);
            if (x < r.right() && colourAt(x + 1, y) == colour)
                continue;
            if (colour.isValid())
                canvas.fillRect(QRect(runStart, y, x - runStart + 1, 1), colour);
            runStart = x + 1;
        }
    }
}
