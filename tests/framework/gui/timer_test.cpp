// SPDX-License-Identifier: GPL-3.0-or-later
#include "framework/gui/timer.h"
#include "support/guifixture.h"
#include "support/gui.h"

#include <gtest/gtest.h>

namespace {

using TimerTest = testenv::GuiFixture;

TEST_F(TimerTest, ModeDecidesHowOftenActionComes)
{
    // Period 20 ms, run for 150 ms; a single timer may arm itself again.
    struct Row { std::int32_t mode; int rearm, minFires, maxFires; std::int32_t modeAfter; };
    const Row rows[] = {
        {fw::Timer::kModeOff, 0, 0, 0, fw::Timer::kModeOff},
        {fw::Timer::kModeSingle, 0, 1, 1, fw::Timer::kModeOff},
        {fw::Timer::kModeSingle, 2, 3, 3, fw::Timer::kModeOff},
        {fw::Timer::kModeMultiple, 0, 3, 8, fw::Timer::kModeMultiple},
    };
    for (const Row& row : rows) {
        fw::Timer timer;
        int fires = 0;
        timer.Action.Bind([&] {
            if (++fires <= row.rearm)
                timer.SetMode(fw::Timer::kModeSingle);
        });
        timer.SetProperty("Mode", 0);
        timer.SetProperty("Period", 20);
        timer.SetMode(row.mode);
        testenv::runFor(150);
        EXPECT_GE(fires, row.minFires) << row.mode;
        EXPECT_LE(fires, row.maxFires) << row.mode;
        EXPECT_EQ(timer.Mode(), row.modeAfter);
    }
}

TEST_F(TimerTest, AWindowsTimerStopsWhenTheWindowCloses)
{
    fw::Timer* timer = nullptr;
    testenv::TestWindow* w =
        MakeWindow([&](testenv::TestWindow& win) { timer = win.AddControl<fw::Timer>("t", fw::kNoIndex); });
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
