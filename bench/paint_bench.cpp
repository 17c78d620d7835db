// SPDX-License-Identifier: GPL-3.0-or-later
// Refreshing the 42 day cells of a 702 x 335 window over its backdrop, each
// drawing a masked 24 x 24 picture and a number: through the framework, and
// through plain Qt widgets doing the same drawing, in the same run.
#include <benchmark/benchmark.h>

#include "framework/gui/application.h"
#include "framework/gui/canvas.h"
#include "framework/gui/graphics.h"
#include "framework/gui/window.h"
#include "benchhome.h"
#include "plaincells.h"

#include <array>

namespace {

using namespace plaincells;

class BenchWindow : public fw::Window {
public:
    std::array<int, kCells> numbers{};
    std::array<fw::Canvas*, kCells> canvases{};

protected:
    void CreateControls() override
    {
        for (int i = 0; i < kCells; ++i) {
            fw::Canvas* c = AddControl<fw::Canvas>("cell", i);
            c->SetProperty("Left", CellAt(i).x);
            c->SetProperty("Top", CellAt(i).y);
            c->SetProperty("Width", 32);
            c->SetProperty("Height", 32);
            c->Paint.InstallInstanceEventHandler([this, i](fw::Graphics& g) {
                ++g_cellPaints;
                g.DrawPicture(heart().get(), 4, 4);
                g.SetForeColor(fw::RGB(40, 40, 40 + numbers[std::size_t(i)]));
                g.FillRect(2, 2, 12, 10);
            });
            canvases[std::size_t(i)] = c;
        }
    }
};

void BM_FrameworkCells(benchmark::State& state)
{
    fw::Application app;
    BenchWindow window;
    window.SetWidth(kWidth);
    window.SetHeight(kHeight);
    window.SetBackdrop(backg1());
    window.Build();
    window.Show();
    RefreshAllCells(state, [&](int i, int number) {
        window.numbers[std::size_t(i)] = number;
        window.canvases[std::size_t(i)]->Refresh();
    });
    window.Close();
}
BENCHMARK(BM_FrameworkCells)->Unit(benchmark::kMicrosecond);

BENCHMARK(BM_PlainQtCells)->Unit(benchmark::kMicrosecond);

} // namespace

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    int qtArgc = 1;
    QApplication qt(qtArgc, argv);
    return RunBenchmarks(argc, argv, {{"BM_FrameworkCells", "BM_PlainQtCells", 2.0}});
}
