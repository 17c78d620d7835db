// SPDX-License-Identifier: GPL-3.0-or-later
#include "framework/gui/timer.h"
#include "support/guifixture.h"
#include "support/gui.h"

#include <gtest/gtest.h>

namespace {

using TimerTest = testenv::GuiFixture;

// Lets events run until a second timer, started now with the same period,
// has fired `ticks` times. A busy machine holds back both alike, so a count
// against these ticks does not depend on how busy the machine is.
void runForTicks(std::int32_t period, int ticks)
{
    fw::Timer clock;
    int seen = 0;
    clock.Action.InstallInstanceEventHandler([&] { ++seen; });
    clock.SetPeriod(period);
    clock.SetMode(fw::Timer::kModeMultiple);
    for (int round = 0; seen < ticks; ++round) {
        ASSERT_LT(round, 100 * ticks) << "the reference timer stopped firing";
        testenv::runFor(period);
    }
}

TEST_F(TimerTest, ModeDecidesHowOftenActionComes)
{
    // Period 20 ms, for ten periods; a single timer may arm itself again. A
    // repeating timer fires about once a period, never more often.
    constexpr int kTicks = 10;
    struct Row { const char* name; std::int32_t mode; int rearm, minFires, maxFires; std::int32_t modeAfter; };
    const Row rows[] = {
        {"off", fw::Timer::kModeOff, 0, 0, 0, fw::Timer::kModeOff},
        {"single", fw::Timer::kModeSingle, 0, 1, 1, fw::Timer::kModeOff},
        {"single armed twice again", fw::Timer::kModeSingle, 2, 3, 3, fw::Timer::kModeOff},
        {"multiple", fw::Timer::kModeMultiple, 0, kTicks / 2, kTicks + 2, fw::Timer::kModeMultiple},
    };
    for (const Row& row : rows) {
        fw::Timer timer;
        int fires = 0;
        timer.Action.InstallInstanceEventHandler([&] {
            if (++fires <= row.rearm)
                timer.SetMode(fw::Timer::kModeSingle);
        });
        timer.SetProperty("Mode", 0);
        timer.SetProperty("Period", 20);
        timer.SetMode(row.mode);
        runForTicks(20, kTicks);
        EXPECT_GE(fires, row.minFires) << row.name;
        EXPECT_LE(fires, row.maxFires) << row.name;
        EXPECT_EQ(timer.Mode(), row.modeAfter) << row.name;
    }
}

TEST_F(TimerTest, AWindowsTimerStopsWhenTheWindowCloses)
{
    fw::Timer* timer = nullptr;
    testenv::TestWindow* w =
        MakeWindow([&](testenv::TestWindow& win) { timer = win.AddControl<fw::Timer>("t", fw::kNoIndex); });
    int fires = 0;
    timer->Action.InstallInstanceEventHandler([&] { ++fires; });
    timer->SetPeriod(10);
    runForTicks(10, 3);
    EXPECT_GT(fires, 0);
    w->Close();
    fires = 0;
    runForTicks(10, 6);
    EXPECT_EQ(fires, 0);
}

} // namespace
