// Lists of ten million lines beside the coreutils commands on the same files, in one run.
//
// The list is that of largelist.h, made the same every run: 10,000,000 lines with CR LF
// (about 290 MB), 45 % with a name before the address, 600,000 distinct addresses over
// 20,000 domains, 5 % upper-cased, 5 % blank. A second list of the same kind is the other
// operand of the combinations. Every program figure includes reading and writing its files, as the
// coreutils commands do; the sorts are timed in memory, at 10,000,000 and at 1,000,000
// lines, to compare their cost per line; saves are timed from the list in memory, over a copy
// of it (synced before the rename) and to a new name, beside cp. Wall and CPU times are both given
// (a command's CPU time is that of its processes), since other work may share the machine. The
// summary at the end prints the ratios and the peak memory of holding a list and its de-duplicated
// copy.
#include "app/combination.h"
#include "core/abcQSort.h"
#include "core/listfile.h"
#include "largelist.h"
#include "processstatus.h"
#include "tools/cleaning.h"
#include "tools/sorting.h"
#include "tools/splitting.h"

#include <benchmark/benchmark.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <sys/resource.h>

#include <cstdio>
#include <cstdlib>
#include <map>
#include <string>

namespace {

constexpr qsizetype bigCount = 10'000'000;
constexpr qsizetype smallCount = 1'000'000;

struct Files {
    QTemporaryDir dir;
    QString list = dir.filePath("list.txt");
    QString other = dir.filePath("other.txt");
    QString small = dir.filePath("small.txt");
    qint64 listSize = 0;

    Files()
    {
        writeBytes(list, largelist::listBytes(bigCount, 1));
        writeBytes(other, largelist::listBytes(bigCount, 2));
        writeBytes(small, largelist::listBytes(smallCount, 3));
        listSize = QFile(list).size();
        QDir(dir.path()).mkdir("split");
        QDir(dir.path()).mkdir("coreutils-split");
        // The files an earlier split left, which "existing files" splits write over.
        if (std::system(("split -l 100000 '" + list + "' '" + out("coreutils-split/part_") + "'")
                            .toLocal8Bit()
                            .constData()) != 0)
            std::abort();
    }

    static void writeBytes(const QString& name, const QByteArray& bytes)
    {
        QFile file(name);
        if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
            std::abort();
    }

    QString out(const char* name) const { return dir.filePath(name); }
};

Files& files()
{
    static Files made;
    return made;
}

QString quoted(const QString& path)
{
    return "'" + path + "'";
}

double seconds(const timeval& t)
{
    return double(t.tv_sec) + double(t.tv_usec) / 1e6;
}

double cpuSeconds(int who)
{
    rusage usage{};
    getrusage(who, &usage);
    return seconds(usage.ru_utime) + seconds(usage.ru_stime);
}

// Runs one command per iteration; its processes' CPU time becomes the "cpu_s" counter.
void command(benchmark::State& state, const QString& line)
{
    const double before = cpuSeconds(RUSAGE_CHILDREN);
    for (auto _ : state)
        if (std::system(("LC_ALL=C " + line).toLocal8Bit().constData()) != 0)
            std::abort();
    state.counters["cpu_s"] = benchmark::Counter(cpuSeconds(RUSAGE_CHILDREN) - before,
                                                 benchmark::Counter::kAvgIterations);
}

// The program's own work per iteration, with its CPU time as the same counter.
template <typename Work> void own(benchmark::State& state, Work work)
{
    const double before = cpuSeconds(RUSAGE_SELF);
    for (auto _ : state)
        work();
    state.counters["cpu_s"] =
        benchmark::Counter(cpuSeconds(RUSAGE_SELF) - before, benchmark::Counter::kAvgIterations);
}

// Freeing the list read is left out of the time (and of the CPU time): it is no reading.
void BM_Read(benchmark::State& state)
{
    double cpu = 0;
    for (auto _ : state) {
        const double before = cpuSeconds(RUSAGE_SELF);
        AddressList list = readListFile(files().list);
        cpu += cpuSeconds(RUSAGE_SELF) - before;
        state.PauseTiming();
        list.clear();
        state.ResumeTiming();
    }
    state.counters["cpu_s"] = benchmark::Counter(cpu, benchmark::Counter::kAvgIterations);
    state.SetBytesProcessed(state.iterations() * files().listSize);
}

void BM_Dedupe(benchmark::State& state)
{
    own(state, [] {
        writeListFile(
            files().out("unique.txt"),
            removeDuplicateAddresses(readListFile(files().list), {}, Matches::Counted).kept);
    });
}

void BM_Combine(benchmark::State& state, Combination operation)
{
    own(state, [operation] {
        writeListFile(
            files().out("combined.txt"),
            combineLists(operation, readListFile(files().list), readListFile(files().other)));
    });
}

// A fresh name in the benchmarks' folder, for saves and splits that must not find an old file.
QString freshName(const char* stem)
{
    static int made = 0;
    return files().out(stem) + QString::number(++made);
}

// Opening the list and splitting it, into new files or over those of an earlier split; freeing
// the list is left out, as in BM_Read: in the program the list stays open after a split.
void BM_Split(benchmark::State& state, bool overExisting)
{
    const QString existing = files().out("split/part.txt");
    if (overExisting)
        writeSplitFiles(readListFile(files().list), 100'000, existing, {});
    double cpu = 0;
    for (auto _ : state) {
        state.PauseTiming();
        const QString folder = freshName("split-");
        QDir().mkdir(folder);
        state.ResumeTiming();
        const double before = cpuSeconds(RUSAGE_SELF);
        AddressList list = readListFile(files().list);
        writeSplitFiles(list, 100'000, overExisting ? existing : folder + "/part.txt", {});
        cpu += cpuSeconds(RUSAGE_SELF) - before;
        state.PauseTiming();
        list.clear();
        state.ResumeTiming();
    }
    state.counters["cpu_s"] = benchmark::Counter(cpu, benchmark::Counter::kAvgIterations);
}

const AddressList& loaded(qsizetype count);

// Saving the list held in memory over a copy of itself (synced before the rename), or to a
// new name (no sync: nothing old can be lost).
void BM_Save(benchmark::State& state, bool overExisting)
{
    const AddressList& list = loaded(bigCount);
    const QString existing = files().out("saved.txt");
    QFile::copy(files().list, existing);
    own(state, [&] { writeListFile(overExisting ? existing : freshName("saved-"), list); });
}

const AddressList& loaded(qsizetype count)
{
    static const AddressList big = readListFile(files().list);
    static const AddressList small = readListFile(files().small);
    return count == bigCount ? big : small;
}

// The sort window's three modes on a list already in memory.
enum class Mode { WholeLine, Address, Domain };

void BM_Sort(benchmark::State& state, Mode mode, qsizetype count)
{
    const AddressList& input = loaded(count);
    own(state, [&] {
        if (mode == Mode::WholeLine) {
            AddressList list = input;
            QuickSortList(list);
            benchmark::DoNotOptimize(list.begin());
        } else {
            const AddressList sorted =
                sortByKey(input, mode == Mode::Domain ? SortKey::Domain : SortKey::Address);
            benchmark::DoNotOptimize(sorted.begin());
        }
    });
    state.counters["lines"] = double(count);
}

constexpr const char* memoryOption = "--memory-of";

// What the memory is measured while holding: the list and one result made from it.
enum class Held { Deduplicated, SortedByDomain };

// Run in a process of its own, so that no memory freed by earlier benchmarks is reused:
// prints how far the resident size rose while holding the list and the result.
int printMemoryOf(const char* fileName, Held held)
{
    const qint64 beforeKiB = statusKiB("VmRSS:");
    const AddressList list = readListFile(QString::fromLocal8Bit(fileName));
    const AddressList result = held == Held::Deduplicated
                                   ? removeDuplicateAddresses(list, {}, Matches::Counted).kept
                                   : sortByKey(list, SortKey::Domain);
    std::printf("%lld %lld\n", statusKiB("VmHWM:") - beforeKiB, qlonglong(result.size()));
    return 0;
}

void BM_Memory(benchmark::State& state, Held held)
{
    const QString self = QFile::symLinkTarget("/proc/self/exe");
    const QString line = quoted(self) + " " + memoryOption + " " + quoted(files().list) + " " +
                         QString::number(int(held));
    qint64 peakKiB = 0;
    for (auto _ : state) {
        FILE* child = popen(line.toLocal8Bit().constData(), "r");
        long long kib = 0;
        long long lines = 0;
        if (child == nullptr || std::fscanf(child, "%lld %lld", &kib, &lines) != 2 ||
            pclose(child) != 0)
            std::abort();
        peakKiB = std::max(peakKiB, qint64(kib));
    }
    state.counters["peak_MiB"] = double(peakKiB) / 1024;
    state.counters["file_MiB"] = double(files().listSize) / (1 << 20);
}

// Console output, then the ratios the targets name, from medians where runs repeat.
class Summary : public benchmark::ConsoleReporter {
public:
    void ReportRuns(const std::vector<Run>& runs) override
    {
        ConsoleReporter::ReportRuns(runs);
        for (const Run& run : runs) {
            if (run.run_type == Run::RT_Aggregate && run.aggregate_name != "median")
                continue;
            Figures& figures = m_figures[run.run_name.function_name];
            figures.wall = run.GetAdjustedRealTime() / 1e3;
            for (const auto& [name, counter] : run.counters)
                figures.counters[name] = counter.value;
        }
    }

    void Finalize() override
    {
        ConsoleReporter::Finalize();
        std::printf("\nSummary (wall seconds, CPU seconds in brackets; %d cores)\n",
                    int(benchmark::CPUInfo::Get().num_cpus));
        const double mb = double(files().listSize) / 1e6;
        if (has("Read10M/quillmere") && has("Read10M/cat"))
            std::printf("read %.0f MB: %.0f MB/s (target >= 1000); cat %.0f MB/s\n", mb,
                        mb / wall("Read10M/quillmere"), mb / wall("Read10M/cat"));
        compare("duplicate removal", "Dedupe10M/quillmere", "Dedupe10M/sort -u", "<= 0.33");
        compare("duplicate removal", "Dedupe10M/quillmere", "Dedupe10M/mawk", "");
        for (const char* name : {"Union", "Difference", "Intersection"})
            compare(name, std::string(name) + "10Mx10M/quillmere", "Dedupe10M/sort -u", "< 1");
        compare("save over an existing copy", "Save10M/quillmere over existing",
                "Save10M/cp over existing", "");
        compare("save over an existing copy", "Save10M/quillmere over existing",
                "Save10M/cp and sync over existing", "");
        compare("save to a new name", "Save10M/quillmere new name", "Save10M/cp new name", "");
        compare("split into new files", "Split10M_by100000/quillmere new files",
                "Split10M_by100000/split -l new files", "<= 2");
        compare("split into existing files", "Split10M_by100000/quillmere existing files",
                "Split10M_by100000/split -l existing files", "");
        for (const char* mode : {"WholeLine", "Address", "Domain"}) {
            const std::string big = std::string("Sort") + mode + "10M/quillmere";
            const std::string small = std::string("Sort") + mode + "1M/quillmere";
            if (has(big) && has(small))
                std::printf("sort %s: %.0f ns a line at 10M, %.0f ns at 1M\n", mode,
                            wall(big) * 1e9 / counter(big, "lines"),
                            wall(small) * 1e9 / counter(small, "lines"));
        }
        compare("domain sort", "SortDomain10M/quillmere", "SortDomain10M/sort -f -t@ -k2", "<= 1");
        for (const auto& [name, held] :
             {std::pair{"Memory10M/quillmere", "de-duplicated copy"},
              std::pair{"MemoryDomainSort10M/quillmere", "copy sorted by domain"}}) {
            if (!has(name))
                continue;
            const double peak = counter(name, "peak_MiB");
            const double file = counter(name, "file_MiB");
            std::printf("peak memory, list and its %s: %.0f MiB = %.2fx the %.0f MiB file "
                        "(target <= 2)\n",
                        held, peak, peak / file, file);
        }
    }

private:
    struct Figures {
        double wall = 0;
        std::map<std::string, double> counters;
    };

    bool has(const std::string& name) const { return m_figures.count(name) != 0; }
    double wall(const std::string& name) const { return m_figures.at(name).wall; }
    double counter(const std::string& name, const std::string& counter) const
    {
        const auto& counters = m_figures.at(name).counters;
        const auto found = counters.find(counter);
        return found == counters.end() ? 0 : found->second;
    }

    void compare(const std::string& what, const std::string& ours, const std::string& peer,
                 const std::string& target)
    {
        if (!has(ours) || !has(peer))
            return;
        const std::string aim = target.empty() ? "" : " (target " + target + ")";
        std::printf("%s: %.2f s (%.2f) against %s %.2f s (%.2f): ratio %.2f, CPU %.2f%s\n",
                    what.c_str(), wall(ours), counter(ours, "cpu_s"),
                    peer.substr(peer.find('/') + 1).c_str(), wall(peer), counter(peer, "cpu_s"),
                    wall(ours) / wall(peer), counter(ours, "cpu_s") / counter(peer, "cpu_s"),
                    aim.c_str());
    }

    std::map<std::string, Figures> m_figures;
};

void registerAll()
{
    const auto unit = [](benchmark::internal::Benchmark* b) {
        b->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(1);
    };
    const Files& in = files();
    const auto shell = [&](const char* name, const QString& line) {
        unit(benchmark::RegisterBenchmark(name, [line](benchmark::State& s) { command(s, line); }));
    };
    unit(benchmark::RegisterBenchmark("Read10M/quillmere", BM_Read));
    shell("Read10M/cat", "cat " + quoted(in.list) + " > /dev/null");
    shell("Read10M/wc -l", "wc -l " + quoted(in.list) + " > /dev/null");
    unit(benchmark::RegisterBenchmark("Dedupe10M/quillmere", BM_Dedupe));
    shell("Dedupe10M/sort -u", "sort -u " + quoted(in.list) + " > " + quoted(in.out("sort-u.txt")));
    shell("Dedupe10M/mawk",
          "mawk '!s[$NF]++' " + quoted(in.list) + " > " + quoted(in.out("mawk.txt")));
    unit(benchmark::RegisterBenchmark("Union10Mx10M/quillmere", BM_Combine, Combination::Union));
    unit(benchmark::RegisterBenchmark("Difference10Mx10M/quillmere", BM_Combine,
                                      Combination::Difference));
    unit(benchmark::RegisterBenchmark("Intersection10Mx10M/quillmere", BM_Combine,
                                      Combination::Intersection));
    unit(benchmark::RegisterBenchmark("Save10M/quillmere over existing", BM_Save, true));
    shell("Save10M/cp over existing", "cp " + quoted(in.list) + " " + quoted(in.out("cp.txt")));
    shell("Save10M/cp and sync over existing", "cp " + quoted(in.list) + " " +
                                                   quoted(in.out("cp.txt")) + " && sync " +
                                                   quoted(in.out("cp.txt")));
    unit(benchmark::RegisterBenchmark("Save10M/quillmere new name", BM_Save, false));
    shell("Save10M/cp new name",
          "cp " + quoted(in.list) + " \"$(mktemp -u " + quoted(in.out("cp-XXXXXX")) + ")\"");
    unit(benchmark::RegisterBenchmark("Split10M_by100000/quillmere new files", BM_Split, false));
    shell("Split10M_by100000/split -l new files",
          "d=$(mktemp -d " + quoted(in.out("coreutils-split-XXXXXX")) + ") && split -l 100000 " +
              quoted(in.list) + " \"$d/part_\"");
    unit(
        benchmark::RegisterBenchmark("Split10M_by100000/quillmere existing files", BM_Split, true));
    shell("Split10M_by100000/split -l existing files",
          "split -l 100000 " + quoted(in.list) + " " + quoted(in.out("coreutils-split/part_")));
    for (const auto& [name, mode] :
         {std::pair{"WholeLine", Mode::WholeLine}, std::pair{"Address", Mode::Address},
          std::pair{"Domain", Mode::Domain}})
        for (const qsizetype count : {smallCount, bigCount}) {
            const std::string label =
                std::string("Sort") + name + (count == bigCount ? "10M" : "1M") + "/quillmere";
            unit(benchmark::RegisterBenchmark(label.c_str(), BM_Sort, mode, count));
        }
    shell("SortWholeLine10M/sort -f",
          "sort -f " + quoted(in.list) + " > " + quoted(in.out("sort-f.txt")));
    shell("SortDomain10M/sort -f -t@ -k2",
          "sort -f -t@ -k2 " + quoted(in.list) + " > " + quoted(in.out("sort-domain.txt")));
    unit(benchmark::RegisterBenchmark("Memory10M/quillmere", BM_Memory, Held::Deduplicated));
    unit(benchmark::RegisterBenchmark("MemoryDomainSort10M/quillmere", BM_Memory,
                                      Held::SortedByDomain));
}

} // namespace

int main(int argc, char** argv)
{
    if (argc == 4 && std::string(argv[1]) == memoryOption)
        return printMemoryOf(argv[2], Held(std::atoi(argv[3])));
    benchmark::Initialize(&argc, argv);
    registerAll();
    Summary summary;
    benchmark::RunSpecifiedBenchmarks(&summary);
    benchmark::Shutdown();
    return 0;
}
