#pragma once

#include <benchmark/benchmark.h>

#include <cstdio>
#include <string>
#include <utility>
#include <vector>

// Console output plus, at the end, how every variant of a case compares with the first
// variant of that case in the same run: "<case>/<variant>[/<args>]" names, the program's own
// version registered first ("fast", "quillmere"), then its literal version or the coreutils
// command beside it. The ratio is the other's time over the program's.
class RatioReporter : public benchmark::ConsoleReporter {
public:
    void ReportRuns(const std::vector<Run>& runs) override
    {
        ConsoleReporter::ReportRuns(runs);
        for (const Run& run : runs)
            if (run.run_type == Run::RT_Iteration)
                m_times.push_back({run.benchmark_name(), run.GetAdjustedRealTime()});
    }

    void Finalize() override
    {
        ConsoleReporter::Finalize();
        for (const auto& [name, time] : m_times) {
            const auto& [caseName, variant] = split(name);
            for (const auto& [ownName, ownTime] : m_times) {
                const auto& [ownCase, ownVariant] = split(ownName);
                if (ownCase != caseName)
                    continue;
                if (ownName != name)
                    std::printf("ratio %s: %s %.3g / %s %.3g = %.2fx\n", caseName.c_str(),
                                variant.c_str(), time, ownVariant.c_str(), ownTime, time / ownTime);
                break;
            }
        }
    }

private:
    // The case (the name without its second part) and the variant (that part).
    static std::pair<std::string, std::string> split(const std::string& name)
    {
        const auto first = name.find('/');
        if (first == std::string::npos)
            return {name, {}};
        const auto second = name.find('/', first + 1);
        const std::string variant = name.substr(first + 1, second - first - 1);
        const std::string rest = second == std::string::npos ? "" : name.substr(second);
        return {name.substr(0, first) + rest, variant};
    }

    std::vector<std::pair<std::string, double>> m_times;
};

#define QUILLMERE_BENCHMARK_MAIN()                                                                 \
    int main(int argc, char** argv)                                                                \
    {                                                                                              \
        benchmark::Initialize(&argc, argv);                                                        \
        RatioReporter reporter;                                                                    \
        benchmark::RunSpecifiedBenchmarks(&reporter);                                              \
        benchmark::Shutdown();                                                                     \
        return 0;                                                                                  \
    }
