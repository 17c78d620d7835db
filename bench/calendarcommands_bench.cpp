// SPDX-License-Identifier: GPL-3.0-or-later
// The calendar window's two busiest commands, offscreen: Calculate (cycle
// table, painting of the 42 cells and the window's repaint) and one month
// page (grid fill, painting and repaint).
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QWidget>

#include <cstdlib>

#include "bench/benchhome.h"
#include "calendar/mainwindow.h"
#include "controls/cabclass.h"
#include "controls/datefield.h"
#include "framework/gui/pushbutton.h"

namespace {

windows::main* calendarWindow()
{
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

} // namespace

int main(int argc, char** argv)
{
    BenchHome home;
    ::setenv("QT_QPA_PLATFORM", "offscreen", 1);
    int qtArgc = 1;
    QApplication qt(qtArgc, argv);
    const int result = RunBenchmarks(argc, argv);
    fw::DestroyAllWindows();
    return result;
}
