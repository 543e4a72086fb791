// The two-list combination: the hash-set version on two lists of 1,000,000 lines, and
// both versions on 10,000 x 10,000 lines, where the literal all-pairs version is feasible.
#include "app/combination.h"
#include "ratioreporter.h"
#include "reference/literalcombination.h"
#include "support/syntheticlists.h"

namespace {

struct ListPair {
    AddressList list1;
    AddressList list2;
};

const ListPair& lists(qsizetype count)
{
    static std::map<qsizetype, ListPair> made;
    auto found = made.find(count);
    if (found == made.end()) {
        SyntheticLists synthetic(count);
        const int distinct = int(count * 3 / 2);
        found = made.emplace(count, ListPair{synthetic.mixed(count, distinct, 2000),
                                             synthetic.mixed(count, distinct, 2000)})
                    .first;
    }
    return found->second;
}

void BM_fast(benchmark::State& state, Combination operation, qsizetype count)
{
    const ListPair& pair = lists(count);
    int lastPercent = 0;
    for (auto _ : state)
        benchmark::DoNotOptimize(combineLists(operation, pair.list1, pair.list2,
                                              [&lastPercent](int p) { lastPercent = p; }));
    benchmark::DoNotOptimize(lastPercent);
}

void BM_literal(benchmark::State& state, Combination operation, qsizetype count)
{
    const ListPair& pair = lists(count);
    for (auto _ : state)
        benchmark::DoNotOptimize(LiteralCombination(operation, pair.list1, pair.list2).result);
}

// The bare operation, to show what the progress reporting adds.
void BM_withoutProgress(benchmark::State& state, Combination operation, qsizetype count)
{
    const ListPair& pair = lists(count);
    for (auto _ : state)
        benchmark::DoNotOptimize(combineLists(operation, pair.list1, pair.list2));
}

} // namespace

BENCHMARK_CAPTURE(BM_fast, union, Combination::Union, 1'000'000)
    ->Name("Union1Mx1M/fast")
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_fast, difference, Combination::Difference, 1'000'000)
    ->Name("Difference1Mx1M/fast")
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_fast, intersection, Combination::Intersection, 1'000'000)
    ->Name("Intersection1Mx1M/fast")
    ->Unit(benchmark::kMillisecond);

BENCHMARK_CAPTURE(BM_withoutProgress, difference, Combination::Difference, 1'000'000)
    ->Name("Difference1Mx1M/withoutprogress")
    ->Unit(benchmark::kMillisecond);

BENCHMARK_CAPTURE(BM_fast, union10k, Combination::Union, 10'000)
    ->Name("Union10kx10k/fast")
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_literal, union10k, Combination::Union, 10'000)
    ->Name("Union10kx10k/literal")
    ->Unit(benchmark::kMillisecond)
    ->Iterations(1);
BENCHMARK_CAPTURE(BM_fast, difference10k, Combination::Difference, 10'000)
    ->Name("Difference10kx10k/fast")
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_literal, difference10k, Combination::Difference, 10'000)
    ->Name("Difference10kx10k/literal")
    ->Unit(benchmark::kMillisecond)
    ->Iterations(1);
BENCHMARK_CAPTURE(BM_fast, intersection10k, Combination::Intersection, 10'000)
    ->Name("Intersection10kx10k/fast")
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_literal, intersection10k, Combination::Intersection, 10'000)
    ->Name("Intersection10kx10k/literal")
    ->Unit(benchmark::kMillisecond)
    ->Iterations(1);

QUILLMERE_BENCHMARK_MAIN();
