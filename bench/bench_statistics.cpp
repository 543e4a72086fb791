// The statistics window's Show chart and the chart's drawing.
//
// Show chart: tally and bars on 1,000,000 lines over 50,000 domains, and both the program's
// version and the literal steps on 20,000 lines over 1,000 domains, where the literal
// domain-by-line count is feasible. On the ten-million-line list of largelist.h (about 38,000
// case-sensitive domains, every one a bar after Load), Show chart's whole work (tally, bars,
// the texts measured for the layout) beside `LC_ALL=C sort -u` of the same file in the same
// run, and the chart's drawing at the window's size: a repaint from the drawn chart, a redraw
// as a resize or zoom makes it (at pixel ratios 1 and 1.5), and the full drawing of every bar
// and mark that the culled drawing equals.
#include "app/windowsetup.h"
#include "core/listfile.h"
#include "largelist.h"
#include "ratioreporter.h"
#include "reference/literaldomaincounts.h"
#include "stats/chartcontent.h"
#include "stats/chartpainter.h"
#include "stats/domainstatistics.h"
#include "support/syntheticlists.h"

#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QTemporaryDir>

#include <cstdlib>
#include <map>

namespace {

// The chart's size in the statistics window.
const QSize chartSize(706, 487);

const AddressList& lines(qsizetype count, int domains)
{
    static std::map<std::pair<qsizetype, int>, AddressList> made;
    auto found = made.find({count, domains});
    if (found == made.end()) {
        SyntheticLists synthetic(unsigned(count + domains));
        found =
            made.emplace(std::pair{count, domains}, synthetic.mixed(count, int(count / 2), domains))
                .first;
    }
    return found->second;
}

struct LargeList {
    QTemporaryDir dir;
    QString file = dir.filePath("list.txt");
    AddressList list;

    LargeList()
    {
        QFile out(file);
        const QByteArray bytes = largelist::listBytes(10'000'000, 1);
        if (!out.open(QIODevice::WriteOnly) || out.write(bytes) != bytes.size())
            std::abort();
        out.close();
        list = readListFile(file);
    }
};

LargeList& large()
{
    static LargeList made;
    return made;
}

// Show chart after Load: every domain but the last a bar, and "others".
ChartContent showChart(const AddressList& input)
{
    const DomainTally tally = tallyDomains(input);
    RandomGenerator random;
    return ChartContent(chartBars(tally, input.size(), int(tally.domains.size()) - 1, random),
                        designFont());
}

void BM_fast(benchmark::State& state, qsizetype count, int domains)
{
    const AddressList& input = lines(count, domains);
    qsizetype distinct = 0;
    for (auto _ : state) {
        const DomainTally tally = tallyDomains(input);
        RandomGenerator random;
        distinct = tally.domains.size();
        benchmark::DoNotOptimize(chartBars(tally, input.size(), int(distinct) - 1, random));
    }
    state.counters["domains"] = double(distinct);
}

void BM_literal(benchmark::State& state, qsizetype count, int domains)
{
    const AddressList& input = lines(count, domains);
    for (auto _ : state) {
        RandomGenerator random;
        benchmark::DoNotOptimize(literal::showChart(input, 0, true, random).bars);
    }
}

void BM_showLarge(benchmark::State& state)
{
    const AddressList& input = large().list;
    qsizetype bars = 0;
    for (auto _ : state)
        bars = showChart(input).bars.size();
    state.counters["bars"] = double(bars);
}

void BM_sortLarge(benchmark::State& state)
{
    const QString line = "LC_ALL=C sort -u '" + large().file + "' > /dev/null";
    for (auto _ : state)
        if (std::system(line.toLocal8Bit().constData()) != 0)
            std::abort();
}

// One drawing of the chart of the large list at the window's size and `ratio`.
void BM_draw(benchmark::State& state, double ratio, bool culled)
{
    static const ChartContent content = showChart(large().list);
    QImage image(chartSize * ratio, QImage::Format_RGB32);
    image.setDevicePixelRatio(ratio);
    ChartLook look;
    look.culled = culled;
    for (auto _ : state) {
        QPainter painter(&image);
        paintChart(painter, QRect(QPoint(), chartSize), content, look);
    }
    state.counters["bars"] = double(content.bars.size());
}

// A repaint: the drawn chart put on the window.
void BM_expose(benchmark::State& state)
{
    QImage drawn(chartSize * 1.5, QImage::Format_RGB32);
    drawn.setDevicePixelRatio(1.5);
    drawn.fill(Qt::white);
    QImage window(drawn.size(), QImage::Format_RGB32);
    window.setDevicePixelRatio(1.5);
    for (auto _ : state) {
        QPainter painter(&window);
        painter.drawImage(0, 0, drawn);
    }
}

} // namespace

BENCHMARK_CAPTURE(BM_fast, big, 1'000'000, 50'000)
    ->Name("ShowChart1Mx50k/fast")
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_fast, small, 20'000, 1'000)
    ->Name("ShowChart20kx1k/fast")
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_literal, small, 20'000, 1'000)
    ->Name("ShowChart20kx1k/literal")
    ->Unit(benchmark::kMillisecond)
    ->Iterations(1);
BENCHMARK(BM_showLarge)->Name("ShowChart10M/quillmere")->Unit(benchmark::kMillisecond);
BENCHMARK(BM_sortLarge)->Name("ShowChart10M/sort -u")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_draw, culled, 1.0, true)
    ->Name("Redraw10M/culled")
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_draw, full, 1.0, false)->Name("Redraw10M/full")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_draw, culled, 1.5, true)
    ->Name("Redraw10Mx1.5/culled")
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_draw, full, 1.5, false)
    ->Name("Redraw10Mx1.5/full")
    ->Unit(benchmark::kMillisecond);
BENCHMARK(BM_expose)->Name("Repaint10Mx1.5")->Unit(benchmark::kMillisecond);

int main(int argc, char** argv)
{
    // Painting needs fonts, so a GUI application, which needs no display offscreen.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    RatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();
    return 0;
}
