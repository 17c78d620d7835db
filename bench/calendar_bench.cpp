// SPDX-License-Identifier: GPL-3.0-or-later
// Building the calendar window from its layout (291 controls, their blocks,
// bindings and Open events), offscreen, against a bare window built by the
// same framework and a bare Qt widget.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QWidget>

#include <cstdlib>
#include <memory>

#include "benchhome.h"
#include "calendar/mainwindow.h"
#include "framework/gui/application.h"

namespace {

class BareWindow : public fw::Window {};

template <class W>
void BuildAndDrop(benchmark::State& state)
{
    for (auto _ : state) {
        auto window = std::make_unique<W>();
        window->Build();
        benchmark::DoNotOptimize(window->ControlCount());
        state.PauseTiming();
        window.reset();
        QCoreApplication::processEvents();
        state.ResumeTiming();
    }
}

void BM_BuildCalendarWindow(benchmark::State& state)
{
    BuildAndDrop<windows::main>(state);
}
BENCHMARK(BM_BuildCalendarWindow)->Unit(benchmark::kMillisecond);

void BM_BuildBareWindow(benchmark::State& state)
{
    BuildAndDrop<BareWindow>(state);
}
BENCHMARK(BM_BuildBareWindow)->Unit(benchmark::kMillisecond);

void BM_BareQtWidget(benchmark::State& state)
{
    for (auto _ : state) {
        auto widget = std::make_unique<QWidget>();
        widget->resize(702, 335);
        benchmark::DoNotOptimize(widget.get());
    }
}
BENCHMARK(BM_BareQtWidget)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv)
{
    BenchHome home;
    ::setenv("QT_QPA_PLATFORM", "offscreen", 1);
    int qtArgc = 1;
    QApplication qt(qtArgc, argv);
    fw::Application app;
    return RunBenchmarks(argc, argv);
}
