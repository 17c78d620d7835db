// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <benchmark/benchmark.h>

#include <cstdlib>
#include <filesystem>
#include <string>
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

// Runs the benchmarks named on the command line; 1 on an unknown argument.
inline int RunBenchmarks(int& argc, char** argv)
{
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
