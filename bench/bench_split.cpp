// Splitting a list of 1,000,000 addresses (about 26 MB) into 100 files of 10,000 lines,
// against the split done step by step, one read position at a time.
#include "core/listfile.h"
#include "ratioreporter.h"
#include "reference/literalsplit.h"
#include "support/syntheticlists.h"
#include "tools/splitting.h"

#include <QTemporaryDir>

namespace {

constexpr qsizetype lineCount = 1'000'000;
constexpr qint32 perFile = 10'000;

const AddressList& bigList()
{
    static const AddressList list = SyntheticLists(5).addresses(lineCount, 5'000);
    return list;
}

void setThroughput(benchmark::State& state)
{
    state.SetBytesProcessed(state.iterations() * listFileBytes(bigList()).size());
    state.counters["files"] = double(splitFileCount(lineCount, perFile));
}

void BM_Split_fast(benchmark::State& state)
{
    const QTemporaryDir dir;
    const QString prefix = dir.filePath("part.txt");
    bigList();
    for (auto _ : state)
        writeSplitFiles(bigList(), perFile, prefix, {});
    setThroughput(state);
}

void BM_Split_literal(benchmark::State& state)
{
    const QTemporaryDir dir;
    const QString prefix = dir.filePath("part.txt");
    bigList();
    for (auto _ : state)
        reference::writeSplitFiles(bigList(), perFile, prefix, splitFileName);
    setThroughput(state);
}

} // namespace

BENCHMARK(BM_Split_fast)->Name("Split1M_by10000/fast")->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Split_literal)->Name("Split1M_by10000/literal")->Unit(benchmark::kMillisecond);

QUILLMERE_BENCHMARK_MAIN();
