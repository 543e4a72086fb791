// The program's list operations beside the nearest coreutils commands, on the same
// 1,000,000-line files in the same run. They do not compute the same thing: `sort -u`
// sorts and compares whole lines, `comm` needs sorted input, while the program compares
// addresses and keeps the list order. The figures show what the program's speed is near.
#include "app/combination.h"
#include "core/listfile.h"
#include "ratioreporter.h"
#include "support/syntheticlists.h"
#include "tools/cleaning.h"
#include "tools/splitting.h"

#include <benchmark/benchmark.h>

#include <QDir>
#include <QTemporaryDir>

#include <cstdlib>

namespace {

struct Inputs {
    QTemporaryDir dir;
    QString list = dir.filePath("list.txt");
    QString other = dir.filePath("other.txt");
    QString sortedList = dir.filePath("list.sorted");
    QString sortedOther = dir.filePath("other.sorted");

    Inputs()
    {
        SyntheticLists synthetic(5);
        writeListFile(list, synthetic.mixed(1'000'000, 600'000, 20'000));
        writeListFile(other, synthetic.mixed(1'000'000, 600'000, 20'000));
        shell("LC_ALL=C sort " + list + " > " + sortedList);
        shell("LC_ALL=C sort " + other + " > " + sortedOther);
    }

    static void shell(const QString& command)
    {
        if (std::system(command.toLocal8Bit().constData()) != 0)
            std::abort();
    }
};

Inputs& inputs()
{
    static Inputs made;
    return made;
}

void BM_RemoveDuplicates(benchmark::State& state)
{
    Inputs& in = inputs();
    for (auto _ : state) {
        const AddressList kept =
            removeDuplicateAddresses(readListFile(in.list), {}, Matches::Counted).kept;
        writeListFile(in.dir.filePath("unique.txt"), kept);
    }
}

void BM_SortUnique(benchmark::State& state)
{
    Inputs& in = inputs();
    for (auto _ : state)
        Inputs::shell("LC_ALL=C sort -u " + in.list + " > " + in.dir.filePath("sort-u.txt"));
}

void BM_Difference(benchmark::State& state)
{
    Inputs& in = inputs();
    for (auto _ : state) {
        const AddressList result =
            combineLists(Combination::Difference, readListFile(in.list), readListFile(in.other));
        writeListFile(in.dir.filePath("difference.txt"), result);
    }
}

void BM_Comm(benchmark::State& state)
{
    Inputs& in = inputs();
    for (auto _ : state)
        Inputs::shell("LC_ALL=C comm -23 " + in.sortedList + " " + in.sortedOther + " > " +
                      in.dir.filePath("comm.txt"));
}

void BM_Split(benchmark::State& state)
{
    Inputs& in = inputs();
    QDir(in.dir.path()).mkdir("split");
    for (auto _ : state)
        writeSplitFiles(readListFile(in.list), 10'000, in.dir.filePath("split/part.txt"),
                        [](const QString&) {});
}

void BM_CoreutilsSplit(benchmark::State& state)
{
    Inputs& in = inputs();
    QDir(in.dir.path()).mkdir("coreutils-split");
    for (auto _ : state)
        Inputs::shell("split -l 10000 -d -a 3 " + in.list + " " +
                      in.dir.filePath("coreutils-split/part_"));
}

} // namespace

BENCHMARK(BM_RemoveDuplicates)->Name("Dedupe1M/quillmere")->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SortUnique)->Name("Dedupe1M/sort -u")->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Difference)->Name("Difference1Mx1M/quillmere")->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Comm)->Name("Difference1Mx1M/comm -23 (sorted input)")->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Split)->Name("Split1M_by10000/quillmere")->Unit(benchmark::kMillisecond);
BENCHMARK(BM_CoreutilsSplit)->Name("Split1M_by10000/split -l")->Unit(benchmark::kMillisecond);

QUILLMERE_BENCHMARK_MAIN();
