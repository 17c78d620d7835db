// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "framework/gui/application.h"
#include "framework/gui/window.h"

#include <QTest>

#include <gtest/gtest.h>

#include <functional>
#include <initializer_list>
#include <memory>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace guitest {

// Adds a control at its place in the window, inside the named logical parent,
// the way a stored block places it.
template <class T>
T* Add(fw::Window& w, std::string name, int left, int top, int width, int height, std::string_view parent = {},
       std::int32_t index = fw::kNoIndex)
{
    T* c = w.AddControl<T>(std::move(name), index);
    c->SetProperty("Left", left);
    c->SetProperty("Top", top);
    c->SetProperty("Width", width);
    c->SetProperty("Height", height);
    c->SetProperty("InitialParent", std::string(parent));
    return c;
}

// Sets properties by name, as a stored block does.
inline void Set(fw::Control* c, std::initializer_list<std::pair<const char*, fw::PropertyValue>> values)
{
    for (const auto& [name, value] : values)
        c->SetProperty(name, value);
}

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
