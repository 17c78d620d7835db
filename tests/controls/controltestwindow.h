// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "support/guifixture.h"

#include <gtest/gtest.h>

#include <functional>

namespace controltest {

using ControlWindow = testenv::TestWindow;
using testenv::OnScreen;

// Controls' tests expect no message box unless they say so.
class ControlTest : public testenv::GuiFixture {
protected:
    void TearDown() override
    {
        GuiFixture::TearDown();
        EXPECT_TRUE(messages.empty()) << messages.front();
    }
    ControlWindow* MakeWindow(std::function<void(ControlWindow&)> build, int width = 300, int height = 120)
    {
        return GuiFixture::MakeWindow(std::move(build), width, height);
    }
};

} // namespace controltest
