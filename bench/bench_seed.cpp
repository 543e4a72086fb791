// Seeding an address into a list of 1,000,000 addresses (about 26 MB) and writing the
// result, against seeding done step by step (the random mode inserting one copy after
// the other into the growing list).
#include "core/listfile.h"
#include "ratioreporter.h"
#include "reference/literalseed.h"
#include "support/syntheticlists.h"
#include "tools/seeding.h"

#include <QTemporaryDir>

#include <map>

namespace {

const AddressList& list(qsizetype count)
{
    static std::map<qsizetype, AddressList> lists;
    auto found = lists.find(count);
    if (found == lists.end())
        found = lists.emplace(count, SyntheticLists(7).addresses(count, 5'000)).first;
    return found->second;
}

const QByteArray email = "me@my.own.test";

// The plain loop: one append after the other.
AddressList plainSeedRegularly(const AddressList& lines, qint32 interval)
{
    AddressList out;
    for (qsizetype i = 0; i < lines.size(); ++i) {
        if (i % interval == 0)
            out.append(email);
        out.append(lines[i]);
    }
    return out;
}

template <typename Seed> void seedAndWrite(benchmark::State& state, qsizetype count, Seed seed)
{
    const QTemporaryDir dir;
    const QString target = dir.filePath("seeded.txt");
    const AddressList& lines = list(count);
    qint64 bytes = 0;
    for (auto _ : state) {
        const AddressList seeded = seed(lines);
        writeListFile(target, seeded);
        bytes += listFileBytes(seeded).size();
    }
    state.SetBytesProcessed(bytes);
    state.counters["lines"] = double(count);
}

void BM_Regular_fast(benchmark::State& state)
{
    seedAndWrite(state, 1'000'000,
                 [](const AddressList& lines) { return seedRegularly(lines, email, 100).lines; });
}

void BM_Regular_literal(benchmark::State& state)
{
    seedAndWrite(state, 1'000'000,
                 [](const AddressList& lines) { return plainSeedRegularly(lines, 100); });
}

template <qsizetype count, qint32 interval> void BM_Random_fast(benchmark::State& state)
{
    RandomGenerator random;
    seedAndWrite(state, count, [&](const AddressList& lines) {
        return seedRandomly(lines, email, interval, random).lines;
    });
}

template <qsizetype count, qint32 interval> void BM_Random_literal(benchmark::State& state)
{
    RandomGenerator random;
    seedAndWrite(state, count, [&](const AddressList& lines) {
        return reference::seedRandomly(lines, email, interval, random);
    });
}

} // namespace

BENCHMARK(BM_Regular_fast)->Name("SeedRegular1M_every100/fast")->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Regular_literal)
    ->Name("SeedRegular1M_every100/literal")
    ->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Random_fast<1'000'000, 100>)
    ->Name("SeedRandom1M_every100/fast")
    ->Unit(benchmark::kMillisecond);
// Each one-by-one insertion moves the tail of a million-line list: seconds per run.
BENCHMARK(BM_Random_literal<1'000'000, 100>)
    ->Name("SeedRandom1M_every100/literal")
    ->Unit(benchmark::kMillisecond)
    ->Iterations(2);
BENCHMARK(BM_Random_fast<1'000'000, 10'000>)
    ->Name("SeedRandom1M_every10000/fast")
    ->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Random_literal<1'000'000, 10'000>)
    ->Name("SeedRandom1M_every10000/literal")
    ->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Random_fast<100'000, 100>)
    ->Name("SeedRandom100k_every100/fast")
    ->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Random_literal<100'000, 100>)
    ->Name("SeedRandom100k_every100/literal")
    ->Unit(benchmark::kMillisecond);

QUILLMERE_BENCHMARK_MAIN();
