// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "framework/gui/application.h"
#include "framework/gui/window.h"

#include <QTest>

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace guitest {

// A window whose controls a test builds in code; it logs its own events.
class TestWindow : public fw::Window {
public:
    std::function<void(TestWindow&)> build;
    std::vector<std::string>* log = nullptr;

protected:
    void CreateControls() override
    {
        if (build)
            build(*this);
    }
    void Event_Open() override { Note("window.Open"); }
    void Event_Close() override { Note("window.Close"); }

public:
    void Note(const std::string& entry)
    {
        if (log)
            log->push_back(entry);
    }
};

// Gives every test an application object and records message boxes instead
// of showing them; the windows go with the application at the end.
class GuiTest : public ::testing::Test {
protected:
    virtual std::unique_ptr<fw::Application> CreateApplication() { return std::make_unique<fw::Application>(); }

    void SetUp() override
    {
        app = CreateApplication();
        previousHook = fw::SetMsgBoxHook([this](const std::string& text) { messages.push_back(text); });
    }
    void TearDown() override
    {
        windows.clear();
        app.reset();
        fw::SetMsgBoxHook(previousHook);
    }

    // A window of the given content size, built with the controls that
    // build() makes, and shown.
    TestWindow* MakeWindow(std::function<void(TestWindow&)> build, int width = 300, int height = 200)
    {
        auto window = std::make_unique<TestWindow>();
        window->SetWidth(width);
        window->SetHeight(height);
        window->build = std::move(build);
        window->log = &log;
        window->Build();
        window->Show();
        EXPECT_TRUE(QTest::qWaitForWindowActive(window->Handle()));
        windows.push_back(std::move(window));
        return windows.back().get();
    }

    std::unique_ptr<fw::Application> app;
    fw::TextHook previousHook;
    std::vector<std::string> messages;
    std::vector<std::string> log;
    std::vector<std::unique_ptr<TestWindow>> windows;
};

} // namespace guitest
