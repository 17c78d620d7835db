// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <map>
#include <string>
#include <vector>
#include <unistd.h>

// A throw-away HOME and configuration folder for the life of a benchmark
// program, so that no run touches the user's files.
class BenchHome {
public:
    BenchHome() : m_home(std::filesystem::temp_directory_path() / ("cyc-bench-" + std::to_string(::getpid())))
    {
        std::filesystem::create_directories(m_home / ".config");
        ::setenv("HOME", m_home.c_str(), 1);
        ::setenv("XDG_CONFIG_HOME", (m_home / ".config").c_str(), 1);
    }
    ~BenchHome() { std::filesystem::remove_all(m_home); }
    BenchHome(const BenchHome&) = delete;
    BenchHome& operator=(const BenchHome&) = delete;

private:
    std::filesystem::path m_home;
};

// A figure printed after the run: one benchmark's median time per iteration
// over another's, against its ceiling.
struct Ratio {
    std::string of;
    std::string to;
    double atMost;
};

// The console's report, keeping each benchmark's time per iteration: of
// every repetition, or the median of those when only aggregates come.
class RatioReporter : public benchmark::ConsoleReporter {
public:
    void ReportRuns(const std::vector<Run>& runs) override
    {
        ConsoleReporter::ReportRuns(runs);
        for (const Run& run : runs) {
            if (run.error_occurred)
                continue;
            const double seconds = run.GetAdjustedRealTime() / benchmark::GetTimeUnitMultiplier(run.time_unit);
            if (run.run_type == Run::RT_Iteration)
                m_times[run.run_name.str()].push_back(seconds);
            else if (run.aggregate_name == "median")
                m_medians[run.run_name.str()] = seconds;
        }
    }

    // Says each ratio whose two benchmarks ran.
    void PrintRatios(const std::vector<Ratio>& ratios)
    {
        for (const Ratio& r : ratios) {
            const double of = Median(r.of);
            const double to = Median(r.to);
            if (of > 0 && to > 0)
                std::printf("ratio of medians, %s / %s: %.2f (at most %g)\n", r.of.c_str(), r.to.c_str(), of / to,
                            r.atMost);
        }
    }

private:
    // 0 for a benchmark that did not run.
    double Median(const std::string& name) const
    {
        if (const auto it = m_medians.find(name); it != m_medians.end())
            return it->second;
        const auto it = m_times.find(name);
        if (it == m_times.end() || it->second.empty())
            return 0;
        std::vector<double> v = it->second;
        std::sort(v.begin(), v.end());
        const std::size_t n = v.size();
        return n % 2 ? v[n / 2] : (v[n / 2 - 1] + v[n / 2]) / 2;
    }

    std::map<std::string, std::vector<double>> m_times;
    std::map<std::string, double> m_medians;
};

// Runs the benchmarks named on the command line, then prints the ratios;
// 1 on an unknown argument.
inline int RunBenchmarks(int& argc, char** argv, const std::vector<Ratio>& ratios = {})
{
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    RatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    reporter.PrintRatios(ratios);
    benchmark::Shutdown();
    return 0;
}
