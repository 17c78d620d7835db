// SPDX-License-Identifier: GPL-3.0-or-later
#include "framework/gui/timer.h"
#include "support/guifixture.h"
#include "support/gui.h"

#include <gtest/gtest.h>

namespace {

using GuiTest = testenv::GuiFixture;
using testenv::TestWindow;
using TimerTest = GuiTest;

TEST_F(TimerTest, ModeDecidesHowOftenActionComes)
{
    struct Row { const char* name; std::int32_t mode; int minFires, maxFires; std::int32_t modeAfter; };
    // Period 20 ms, run for 150 ms.
    const Row rows[] = {
        {"off", fw::Timer::kModeOff, 0, 0, fw::Timer::kModeOff},
        {"single", fw::Timer::kModeSingle, 1, 1, fw::Timer::kModeOff},
        {"multiple", fw::Timer::kModeMultiple, 3, 8, fw::Timer::kModeMultiple},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        fw::Timer timer;
        int fires = 0;
        timer.Action.Bind([&] { ++fires; });
        timer.SetProperty("Mode", 0);
        timer.SetProperty("Period", 20);
        timer.SetMode(row.mode);
        testenv::runFor(150);
        EXPECT_GE(fires, row.minFires);
        EXPECT_LE(fires, row.maxFires);
        EXPECT_EQ(timer.Mode(), row.modeAfter);
    }
}

TEST_F(TimerTest, ASingleTimerMayArmItselfAgain)
{
    fw::Timer timer;
    timer.SetPeriod(10);
    int fires = 0;
    timer.Action.Bind([&] {
        if (++fires < 3)
            timer.SetMode(fw::Timer::kModeSingle);
    });
    timer.SetMode(fw::Timer::kModeSingle);
    testenv::runFor(150);
    EXPECT_EQ(fires, 3);
}

TEST_F(TimerTest, AWindowsTimerStopsWhenTheWindowCloses)
{
    fw::Timer* timer = nullptr;
    TestWindow* w = MakeWindow([&](TestWindow& win) { timer = win.AddControl<fw::Timer>("Timer1", fw::kNoIndex); });
    int fires = 0;
    timer->Action.Bind([&] { ++fires; });
    timer->SetPeriod(10);
    testenv::runFor(60);
    EXPECT_GT(fires, 0);
    w->Close();
    fires = 0;
    testenv::runFor(60);
    EXPECT_EQ(fires, 0);
}

} // namespace
