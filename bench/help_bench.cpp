// SPDX-License-Identifier: GPL-3.0-or-later
// The largest built-in help page rendered into the help window's field and
// painted (the page of most source bytes and the one of most characters).
// Offscreen.
#include <benchmark/benchmark.h>

#include <QCoreApplication>
#include <QEvent>

#include <cstdlib>
#include <memory>
#include <string>

#include "framework/gui/application.h"
#include "framework/gui/platform.h"
#include "framework/gui/window.h"
#include "help/ayuda.h"
#include "help/controls/htmlfield.h"
#include "resources/textos.h"

namespace {

std::string PageOf(const benchmark::State& state)
{
    return state.range(0) == 0 ? Textos::kayuda00() : Textos::kayuda05();
}

void BM_RenderIntoHelpWindow(benchmark::State& state)
{
    windows::ayuda* help = win::ayuda();
    if (!help) {
        state.SkipWithError("no help window");
        return;
    }
    const std::string page = PageOf(state);
    // Shown and painted once, so that the loop measures a page change.
    for (int i = 0; i < 10; ++i)
        QCoreApplication::processEvents();
    for (auto _ : state) {
        help->HTMLField1->Render(page);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::UpdateRequest);
    }
}
BENCHMARK(BM_RenderIntoHelpWindow)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv)
{
    ::setenv("QT_QPA_PLATFORM", "offscreen", 0);
    fw::Platform platform(argc, argv);
    auto app = std::make_unique<fw::Application>();
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    fw::DestroyAllWindows();
    return 0;
}
