// SPDX-License-Identifier: GPL-3.0-or-later
// Building the calendar window from its layout (291 controls, their blocks,
// bindings and Open events), offscreen, against a bare window built by the
// same framework and a bare Qt widget; then its two busiest commands,
// Calculate and one month page, each with and without the repaint, against
// plain Qt repainting the same 42 day cells in the same run; the month
// arrows' Open alone.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QWidget>

#include <cstdlib>
#include <memory>

#include "benchhome.h"
#include "plaincells.h"
#include "calendar/mainwindow.h"
#include "controls/cabclass.h"
#include "controls/datefield.h"
#include "framework/gui/application.h"
#include "framework/gui/pushbutton.h"
#include "prefs/bprefs.h"

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

// The calendar's three month arrows alone: their Open (files written,
// pictures prepared), with the first paint of the window or without.
class ArrowsWindow : public fw::Window {
protected:
    void CreateControls() override
    {
        using controls::cabkinds::Flag;
        const Flag flags[] = {Flag::BackButton, Flag::StopButton, Flag::ForwardButton};
        for (int i = 0; i < 3; ++i) {
            controls::CABClass* b = AddControl<controls::CABClass>("arrow" + std::to_string(i), fw::kNoIndex);
            b->SetLeft(10 + 22 * i);
            b->SetTop(10);
            b->SetWidth(20);
            b->SetHeight(20);
            b->Open.InstallInstanceEventHandler([b, flag = flags[i]] { b->SetFlag(flag, true); });
        }
    }
};

void BM_OpenArrows(benchmark::State& state)
{
    for (auto _ : state) {
        auto window = std::make_unique<ArrowsWindow>();
        window->Build();
        if (state.range(0)) {
            window->Show();
            QCoreApplication::processEvents();
        }
        state.PauseTiming();
        window.reset();
        QCoreApplication::processEvents();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_OpenArrows)->ArgName("shown")->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);

// The calendar window as it is used: past the disclaimer, which a first
// start shows over the grid.
windows::main* calendarWindow()
{
    if (!BPrefs::HasKey("disclaimer"))
        BPrefs::SetValue("disclaimer", false);
    windows::main* w = win::main();
    if (!w->Visible()) {
        w->Show();
        w->fechamens1->SetDate(fw::Date(2007, 3, 5, 10, 30, 0));
        QApplication::processEvents();
    }
    return w;
}

// What the event loop does after a handler: paints the regions it changed.
void repaintNow()
{
    QCoreApplication::sendPostedEvents(nullptr, QEvent::UpdateRequest);
}

// With repaint 0 the calendar's own share alone.
void BM_Calculate(benchmark::State& state)
{
    windows::main* w = calendarWindow();
    // Two entered dates in turn, so that every Calculate changes the cells.
    const fw::Date dates[] = {fw::Date(2007, 3, 5, 10, 30, 0), fw::Date(2007, 3, 12, 10, 30, 0)};
    int i = 0;
    for (auto _ : state) {
        w->fechamens1->SetDate(dates[i ^= 1]);
        w->calcular->Push();
        if (state.range(0))
            repaintNow();
    }
}
BENCHMARK(BM_Calculate)->ArgName("repaint")->Arg(1)->Arg(0)->Unit(benchmark::kMicrosecond);

// Forth and back by one month, as the month buttons do.
void BM_PageMonth(benchmark::State& state)
{
    windows::main* w = calendarWindow();
    w->calcular->Push();
    bool forth = true;
    for (auto _ : state) {
        (forth ? w->mesproximo : w->mesanterior)->MouseDown.Raise(0, 0);
        if (state.range(0))
            repaintNow();
        forth = !forth;
    }
}
BENCHMARK(BM_PageMonth)->ArgName("repaint")->Arg(1)->Arg(0)->Unit(benchmark::kMicrosecond);

BENCHMARK(plaincells::BM_PlainQtCells)->Name("BM_PlainQtCells")->Unit(benchmark::kMicrosecond);

} // namespace

int main(int argc, char** argv)
{
    BenchHome home;
    ::setenv("QT_QPA_PLATFORM", "offscreen", 1);
    int qtArgc = 1;
    QApplication qt(qtArgc, argv);
    fw::Application app;
    return RunBenchmarks(argc, argv, {{"BM_Calculate/repaint:1", "BM_PlainQtCells", 2.0},
                                      {"BM_PageMonth/repaint:1", "BM_PlainQtCells", 2.0}});
}
