// The statistics window's Show chart: tally and bars on 1,000,000 lines over 50,000 domains,
// and both the program's version and the literal steps on 20,000 lines over 1,000 domains,
// where the literal domain-by-line count is feasible. Also the chart's painting at its
// on-screen size with every domain as a bar, as a scale of 99 gives.
#include "ratioreporter.h"
#include "reference/literaldomaincounts.h"
#include "stats/chartpainter.h"
#include "stats/domainstatistics.h"
#include "support/syntheticlists.h"

#include <QGuiApplication>
#include <QImage>
#include <QPainter>

#include <map>

namespace {

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

void BM_paint(benchmark::State& state, qsizetype count, int domains)
{
    const AddressList& input = lines(count, domains);
    const DomainTally tally = tallyDomains(input);
    RandomGenerator random;
    const QList<ChartBar> bars =
        chartBars(tally, input.size(), barsForScale(tally.domains.size(), 99), random);
    QImage image(706, 487, QImage::Format_RGB32);
    for (auto _ : state) {
        QPainter painter(&image);
        paintChart(painter, image.rect(), bars, Qt::lightGray);
    }
    state.counters["bars"] = double(bars.size());
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
BENCHMARK_CAPTURE(BM_paint, big, 1'000'000, 50'000)
    ->Name("PaintChart1Mx50k")
    ->Unit(benchmark::kMillisecond);

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
