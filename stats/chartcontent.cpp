#include "stats/chartcontent.h"

#include "core/applog.h"
#include "stats/percentformat.h"

#include <QFontInfo>
#include <QFontMetricsF>
#include <QGuiApplication>
#include <QScreen>

#include <QScreen>
#include <boost/unordered/unordered_flat_map.hpp>

#include <algorithm>
#include <cmath>
#include <optional>

namespace {

constexpr double smallestReadablePoints = 7;

// The font at the smallest readable size, or none when `font` is not larger than that. The
// size is whole pixels, rounded up, as fonts are drawn at whole pixel heights.
std::optional<QFont> smallestReadable(const QFont& font)
{
    const QScreen* screen = QGuiApplication::primaryScreen();
    const double dotsPerInch = screen ? screen->logicalDotsPerInchY() : 96;
    const int pixels = int(std::ceil(smallestReadablePoints * dotsPerInch / 72 - 1e-9));
    if (QFontInfo(font).pixelSize() <= pixels)
        return std::nullopt;
    QFont smaller = font;
    smaller.setPixelSize(pixels);
    return smaller;
}

int widthOf(const QFontMetricsF& metrics, const QString& text)
{
    return int(std::ceil(metrics.horizontalAdvance(text)));
}

} // namespace

ChartContent::ChartContent(QList<ChartBar> shownBars, const QFont& chartFont)
    : bars(std::move(shownBars))
    , font(chartFont)
{
    // Long lists repeat a few values many times: each is formatted and measured once.
    const QFontMetricsF metrics(font);
    boost::unordered_flat_map<double, qsizetype> firstWith;
    marks.reserve(bars.size());
    markWidths.reserve(bars.size());
    for (const ChartBar& bar : bars) {
        const auto [known, added] = firstWith.try_emplace(bar.value, marks.size());
        if (added) {
            marks.append(formatPercent(bar.value));
            markWidths.append(widthOf(metrics, marks.last()));
        } else {
            marks.append(marks[known->second]);
            markWidths.append(markWidths[known->second]);
        }
    }
    legendFonts.append(font);
    if (const std::optional<QFont> smaller = smallestReadable(font))
        legendFonts.append(*smaller);
    m_widestEntry.resize(legendFonts.size());
}

QString ChartContent::entry(qsizetype bar) const
{
    return marks[bar] + "  " + shownText(bars[bar].label);
}

int ChartContent::widestEntry(qsizetype size) const
{
    std::optional<int>& widest = m_widestEntry[size];
    if (!widest) {
        const QFontMetricsF metrics(legendFonts[size]);
        widest = 0;
        for (qsizetype bar = 0; bar < bars.size(); ++bar)
            widest = std::max(*widest, widthOf(metrics, entry(bar)));
    }
    return *widest;
}
