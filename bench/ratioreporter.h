#pragma once

#include <benchmark/benchmark.h>

#include <cstdio>
#include <map>
#include <string>

// Console output plus, at the end, the speed-up of every "<case>/fast" benchmark over its
// "<case>/literal" twin from the same run.
class RatioReporter : public benchmark::ConsoleReporter {
public:
    void ReportRuns(const std::vector<Run>& runs) override
    {
        ConsoleReporter::ReportRuns(runs);
        for (const Run& run : runs)
            if (run.run_type == Run::RT_Iteration)
                m_seconds[run.benchmark_name()] = run.GetAdjustedRealTime();
    }

    void Finalize() override
    {
        ConsoleReporter::Finalize();
        for (const auto& [name, literalTime] : m_seconds) {
            const auto slash = name.find("/literal");
            if (slash == std::string::npos)
                continue;
            const std::string fastName = name.substr(0, slash) + "/fast";
            if (const auto fast = m_seconds.find(fastName); fast != m_seconds.end())
                std::printf("ratio %s: literal %.3g / fast %.3g = %.1fx\n",
                            name.substr(0, slash).c_str(), literalTime, fast->second,
                            literalTime / fast->second);
        }
    }

private:
    std::map<std::string, double> m_seconds;
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
