// The domain filter: its load (distinct domains, sort, listing into an empty view) and its
// extraction, hash-set versions against the literal scans at sizes where those finish, and
// the whole load command of the window on 1,000,000 lines over 50,000 domains.
#include "app/filedialogs.h"
#include "app/filtrar_mails.h"
#include "controls/xpButton.h"
#include "core/abcQSort.h"
#include "core/distinctdomains.h"
#include "core/listfile.h"
#include "ratioreporter.h"
#include "reference/literaldomainfilter.h"
#include "support/syntheticlists.h"
#include "tools/domainfilter.h"
#include "tools/filter_domains.h"

#include <QApplication>
#include <QTemporaryDir>

#include <map>

namespace {

const AddressList& input(qsizetype count, int domains)
{
    static std::map<std::pair<qsizetype, int>, AddressList> made;
    auto found = made.find({count, domains});
    if (found == made.end())
        found = made.emplace(std::pair{count, domains},
                             SyntheticLists(unsigned(count)).addresses(count, domains))
                    .first;
    return found->second;
}

// Every `count / chosen`-th distinct domain, in sorted order, as a user would pick them.
AddressList chosenDomains(const AddressList& lines, int chosen)
{
    AddressList domains = distinctDomains(lines);
    QuickSortList(domains);
    AddressList picked;
    const qsizetype step = std::max<qsizetype>(1, domains.size() / chosen);
    for (qsizetype i = 0; i < domains.size() && picked.size() < chosen; i += step)
        picked.append(domains[i]);
    return picked;
}

void BM_loadFast(benchmark::State& state, qsizetype count, int domains)
{
    const AddressList& lines = input(count, domains);
    for (auto _ : state) {
        AddressList found = distinctDomains(lines, [](int p) { benchmark::DoNotOptimize(p); });
        QuickSortList(found);
        benchmark::DoNotOptimize(domainsToList({}, found));
    }
    state.counters["domains"] = double(distinctDomains(lines).size());
}

void BM_loadLiteral(benchmark::State& state, qsizetype count, int domains)
{
    const AddressList& lines = input(count, domains);
    for (auto _ : state) {
        AddressList found = literal::distinctDomains(lines);
        QuickSortList(found);
        benchmark::DoNotOptimize(literal::listedAfterLoad({}, found));
    }
}

void BM_extractFast(benchmark::State& state, qsizetype count, int domains, int chosen)
{
    const AddressList& lines = input(count, domains);
    const AddressList picked = chosenDomains(lines, chosen);
    for (auto _ : state)
        benchmark::DoNotOptimize(linesOfDomains(lines, picked));
    state.counters["chosen"] = double(picked.size());
}

void BM_extractLiteral(benchmark::State& state, qsizetype count, int domains, int chosen)
{
    const AddressList& lines = input(count, domains);
    const AddressList picked = chosenDomains(lines, chosen);
    for (auto _ : state)
        benchmark::DoNotOptimize(literal::linesOfDomains(lines, picked));
}

// The load button of a fresh window, file reading and list view included.
void BM_windowLoad(benchmark::State& state, qsizetype count, int domains)
{
    QTemporaryDir folder;
    const QString path = folder.filePath("list.txt");
    writeListFile(path, input(count, domains));
    setFileDialogRunner([&path](QFileDialog&) { return std::optional<QString>(path); });
    for (auto _ : state) {
        state.PauseTiming();
        {
            TForm1 form1;
            Textract window(form1);
            auto* load = window.findChild<TxpButton*>("xpButton2");
            state.ResumeTiming();
            load->click();
            state.PauseTiming();
        }
        state.ResumeTiming();
    }
    setFileDialogRunner({});
}

} // namespace

BENCHMARK_CAPTURE(BM_loadFast, small, 20'000, 2'000)
    ->Name("Load20kLinesx2kDomains/fast")
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_loadLiteral, small, 20'000, 2'000)
    ->Name("Load20kLinesx2kDomains/literal")
    ->Unit(benchmark::kMillisecond)
    ->Iterations(1);
BENCHMARK_CAPTURE(BM_loadFast, medium, 100'000, 10'000)
    ->Name("Load100kLinesx10kDomains/fast")
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_loadLiteral, medium, 100'000, 10'000)
    ->Name("Load100kLinesx10kDomains/literal")
    ->Unit(benchmark::kMillisecond)
    ->Iterations(1);
BENCHMARK_CAPTURE(BM_loadFast, large, 1'000'000, 50'000)
    ->Name("Load1MLinesx50kDomains/fast")
    ->Unit(benchmark::kMillisecond);

BENCHMARK_CAPTURE(BM_extractFast, small, 100'000, 10'000, 100)
    ->Name("Extract100Domainsfrom100kLines/fast")
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_extractLiteral, small, 100'000, 10'000, 100)
    ->Name("Extract100Domainsfrom100kLines/literal")
    ->Unit(benchmark::kMillisecond)
    ->Iterations(1);
BENCHMARK_CAPTURE(BM_extractFast, medium, 100'000, 10'000, 1'000)
    ->Name("Extract1000Domainsfrom100kLines/fast")
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_extractLiteral, medium, 100'000, 10'000, 1'000)
    ->Name("Extract1000Domainsfrom100kLines/literal")
    ->Unit(benchmark::kMillisecond)
    ->Iterations(1);
BENCHMARK_CAPTURE(BM_extractFast, large, 1'000'000, 50'000, 1'000)
    ->Name("Extract1000Domainsfrom1MLines/fast")
    ->Unit(benchmark::kMillisecond);

BENCHMARK_CAPTURE(BM_windowLoad, large, 1'000'000, 50'000)
    ->Name("WindowLoad1MLinesx50kDomains/fast")
    ->Unit(benchmark::kMillisecond)
    ->Iterations(3);

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    RatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();
    return 0;
}
