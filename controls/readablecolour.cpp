#include "controls/readablecolour.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr double minimumContrast = 4.5;

double linearChannel(int channel)
{
    const double c = channel / 255.0;
    return c <= 0.03928 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
}

double luminance(const QColor& colour)
{
    const QColor rgb = colour.toRgb();
    return 0.2126 * linearChannel(rgb.red()) + 0.7152 * linearChannel(rgb.green()) +
           0.0722 * linearChannel(rgb.blue());
}

double worstContrast(const QColor& text, std::initializer_list<QColor> backgrounds)
{
    double worst = 21.0;
    for (const QColor& background : backgrounds)
        worst = std::min(worst, contrastRatio(text, background));
    return worst;
}

} // namespace

double contrastRatio(const QColor& a, const QColor& b)
{
    const double la = luminance(a);
    const double lb = luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

QColor readableOn(const QColor& wanted, std::initializer_list<QColor> backgrounds)
{
    if (worstContrast(wanted, backgrounds) >= minimumContrast)
        return wanted;
    const QColor black(0, 0, 0);
    const QColor white(255, 255, 255);
    return worstContrast(black, backgrounds) >= worstContrast(white, backgrounds) ? black : white;
}
