// The "is this address new" question of the duplicate removal and the combinations, asked
// of every line of a list: the program's AddressSet (lookups fetched sixteen lines ahead)
// beside Boost's flat hash set, the open-addressing set the program had before and the
// node-based standard set. Every variant extracts each line's address. Input: the lists of
// bench_largelists (600,000 addresses over 20,000 domains, names, upper-cased and blank
// lines) of 1,000,000 and 10,000,000 lines.
#include "core/addressset.h"
#include "core/lineprimitives.h"
#include "core/listfile.h"
#include "formerbyteset.h"
#include "largelist.h"
#include "ratioreporter.h"

#include <benchmark/benchmark.h>

#include <boost/unordered/unordered_flat_set.hpp>

#include <map>
#include <string_view>
#include <unordered_set>

namespace {

const AddressList& lines(qsizetype count)
{
    static std::map<qsizetype, AddressList> made;
    AddressList& list = made[count];
    if (list.isEmpty())
        list = parseListBytes(largelist::listBytes(count, 1));
    return list;
}

std::string_view addressOf(QByteArrayView line)
{
    const QByteArrayView address = ExtractAddress(line);
    return {address.data(), size_t(address.size())};
}

template <typename Set> void BM_insert(benchmark::State& state)
{
    const AddressList& input = lines(state.range(0));
    for (auto _ : state) {
        Set set;
        qsizetype added = 0;
        for (const QByteArrayView line : input)
            added += set.insert(addressOf(line)).second;
        benchmark::DoNotOptimize(added);
    }
}

void BM_addressSet(benchmark::State& state)
{
    const AddressList& input = lines(state.range(0));
    for (auto _ : state) {
        AddressSet set;
        qsizetype added = 0;
        set.insertAddresses(input, [&added](qsizetype, bool isNew) { added += isNew; });
        benchmark::DoNotOptimize(added);
    }
}

void BM_formerByteSet(benchmark::State& state)
{
    const AddressList& input = lines(state.range(0));
    for (auto _ : state) {
        ByteSet set;
        qsizetype added = 0;
        for (const QByteArrayView line : input)
            added += set.insert(ExtractAddress(line));
        benchmark::DoNotOptimize(added);
    }
}

using BoostFlat = boost::unordered_flat_set<std::string_view>;
using StdNodes = std::unordered_set<std::string_view>;

void sizes(benchmark::internal::Benchmark* b)
{
    b->Arg(1'000'000)->Arg(10'000'000)->Unit(benchmark::kMillisecond);
}

} // namespace

BENCHMARK(BM_addressSet)->Name("Insert/AddressSet")->Apply(sizes);
BENCHMARK(BM_insert<BoostFlat>)->Name("Insert/boost flat set")->Apply(sizes);
BENCHMARK(BM_formerByteSet)->Name("Insert/former ByteSet")->Apply(sizes);
BENCHMARK(BM_insert<StdNodes>)->Name("Insert/std::unordered_set")->Apply(sizes);

QUILLMERE_BENCHMARK_MAIN();
