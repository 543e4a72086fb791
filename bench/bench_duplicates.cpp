// Duplicate removal: the hash-indexed pass on 1,000,000 lines of which half repeat an
// earlier address, and both versions on 20,000 lines, where the literal scan is feasible.
#include "ratioreporter.h"
#include "reference/literalduplicates.h"
#include "support/syntheticlists.h"
#include "tools/cleaning.h"

#include <algorithm>
#include <numeric>
#include <random>
#include <vector>

namespace {

// Every address twice: once in a first half, once more somewhere in a shuffled second half.
AddressList halfRepeated(qsizetype count)
{
    AddressList list = SyntheticLists(3).addresses(count / 2, 2000);
    std::vector<qsizetype> order(size_t(list.size()));
    std::iota(order.begin(), order.end(), qsizetype(0));
    std::shuffle(order.begin(), order.end(), std::mt19937(4));
    for (const qsizetype i : order)
        list.append(list, i);
    return list;
}

void BM_fast(benchmark::State& state, qsizetype count)
{
    const AddressList input = halfRepeated(count);
    int lastPercent = 0;
    qsizetype dropped = 0;
    for (auto _ : state) {
        const DuplicateRemoval result =
            removeDuplicateAddresses(input, [&lastPercent](int p) { lastPercent = p; });
        dropped = result.keptMatches.size();
    }
    benchmark::DoNotOptimize(lastPercent);
    state.counters["dropped"] = double(dropped);
}

void BM_literal(benchmark::State& state, qsizetype count)
{
    const AddressList input = halfRepeated(count);
    qsizetype dropped = 0;
    for (auto _ : state)
        dropped = literal::removeDuplicateAddresses(input).keptMatches.size();
    state.counters["dropped"] = double(dropped);
}

} // namespace

BENCHMARK_CAPTURE(BM_fast, million, 1'000'000)
    ->Name("HalfRepeated1M/fast")
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_fast, twentyThousand, 20'000)
    ->Name("HalfRepeated20k/fast")
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_literal, twentyThousand, 20'000)
    ->Name("HalfRepeated20k/literal")
    ->Unit(benchmark::kMillisecond)
    ->Iterations(2);

QUILLMERE_BENCHMARK_MAIN();
