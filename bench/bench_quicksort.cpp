// The quicksort against its literal version. The literal one nests once per equal entry,
// so it is measured where its stack holds (10,000 equal lines); the program's sort is also
// measured on the sizes it must handle quickly: 100,000 equal lines, 1,000,000 addresses.
#include "core/abcQSort.h"
#include "ratioreporter.h"
#include "reference/literalquicksort.h"
#include "support/syntheticlists.h"

namespace {

AddressList identical(qsizetype count)
{
    AddressList list;
    list.reserve(count);
    for (qsizetype i = 0; i < count; ++i)
        list.append("ann.lee@example.test");
    return list;
}

AddressList oneAddressMixedCase(qsizetype count)
{
    SyntheticLists lists(5);
    AddressList list;
    list.reserve(count);
    for (qsizetype i = 0; i < count; ++i)
        list.append(lists.varyCase("ann.lee@example.test"));
    return list;
}

AddressList randomAddresses(qsizetype count)
{
    return SyntheticLists(7).addresses(count, 5000);
}

AddressList duplicateRich(qsizetype count)
{
    return SyntheticLists(8).mixed(count, int(count / 4), 200);
}

// Each run sorts a fresh copy; the copy (shared bytes, one pointer per entry) is timed too.
void BM_sort(benchmark::State& state, AddressList (*make)(qsizetype), void (*sort)(AddressList&),
             qsizetype count)
{
    const AddressList input = make(count);
    for (auto _ : state) {
        AddressList list = input;
        sort(list);
        benchmark::DoNotOptimize(list.begin());
    }
    state.counters["lines"] = double(input.size());
}

} // namespace

BENCHMARK_CAPTURE(BM_sort, Identical10kfast, identical, QuickSortList, 10'000)
    ->Name("Identical10k/fast")
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_sort, Identical10kliteral, identical, literal::quickSortList, 10'000)
    ->Name("Identical10k/literal")
    ->Unit(benchmark::kMillisecond)
    ->Iterations(3);
BENCHMARK_CAPTURE(BM_sort, OneAddressMixedCase10kfast, oneAddressMixedCase, QuickSortList, 10'000)
    ->Name("OneAddressMixedCase10k/fast")
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_sort, OneAddressMixedCase10kliteral, oneAddressMixedCase,
                  literal::quickSortList, 10'000)
    ->Name("OneAddressMixedCase10k/literal")
    ->Unit(benchmark::kMillisecond)
    ->Iterations(3);
BENCHMARK_CAPTURE(BM_sort, Random100kfast, randomAddresses, QuickSortList, 100'000)
    ->Name("Random100k/fast")
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_sort, Random100kliteral, randomAddresses, literal::quickSortList, 100'000)
    ->Name("Random100k/literal")
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_sort, DuplicateRich100kfast, duplicateRich, QuickSortList, 100'000)
    ->Name("DuplicateRich100k/fast")
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_sort, DuplicateRich100kliteral, duplicateRich, literal::quickSortList, 100'000)
    ->Name("DuplicateRich100k/literal")
    ->Unit(benchmark::kMillisecond);

BENCHMARK_CAPTURE(BM_sort, Identical100kfast, identical, QuickSortList, 100'000)
    ->Name("Identical100k/fast")
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_sort, OneAddressMixedCase100kfast, oneAddressMixedCase, QuickSortList, 100'000)
    ->Name("OneAddressMixedCase100k/fast")
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_sort, Random1Mfast, randomAddresses, QuickSortList, 1'000'000)
    ->Name("Random1M/fast")
    ->Unit(benchmark::kMillisecond)
    ->Iterations(3);

// Names, duplicates and one line in ten empty or blank: long runs of the smallest entry.
BENCHMARK_CAPTURE(BM_sort, DuplicateRich1Mfast, duplicateRich, QuickSortList, 1'000'000)
    ->Name("DuplicateRich1M/fast")
    ->Unit(benchmark::kMillisecond)
    ->Iterations(3);

QUILLMERE_BENCHMARK_MAIN();
