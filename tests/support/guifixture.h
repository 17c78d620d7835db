// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "framework/gui/application.h"
#include "framework/gui/application_seam.h"
#include "framework/gui/window.h"
#include "support/testenv.h"

#include <QImage>

#include <gtest/gtest.h>

#include <functional>
#include <initializer_list>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace testenv {

// Sets properties by name, as a stored block does.
inline void Set(fw::Control* c, std::initializer_list<std::pair<const char*, fw::PropertyValue>> values)
{
    for (const auto& [name, value] : values)
        c->SetProperty(name, value);
}

// Adds a control at its place in the window, inside the named logical parent,
// the way a stored block places it.
template <class T>
T* Add(fw::Window& w, std::string name, int left, int top, int width, int height, std::string_view parent = {},
       std::int32_t index = fw::kNoIndex)
{
    T* c = w.AddControl<T>(std::move(name), index);
    Set(c, {{"Left", left}, {"Top", top}, {"Width", width}, {"Height", height},
            {"InitialParent", std::string(parent)}});
    return c;
}

// A window whose controls a test builds in code, as a layout would. It logs
// its own Open and Close, and notes the application's exit status when it
// closes, as the calendar window's Close handler reads it.
class TestWindow : public fw::Window {
public:
    std::function<void(TestWindow&)> build;
    std::vector<std::string>* log = nullptr;
    std::optional<int> statusAtClose;

    template <class T>
    T* Add(const std::string& name, int left, int top, int width, int height)
    {
        return testenv::Add<T>(*this, name, left, top, width, height);
    }
    void Note(const std::string& entry)
    {
        if (log)
            log->push_back(entry);
    }

protected:
    void CreateControls() override
    {
        if (build)
            build(*this);
    }
    void Event_Open() override { Note("window.Open"); }
    void Event_Close() override;
};

// What the window shows on screen over the control now: the pixels that the
// platform holds for the window, not a fresh rendering.
QImage OnScreen(fw::Control* control);
// A drawn control as it draws itself alone, on transparent pixels.
QImage DrawnAlone(fw::Control* control);

// Every GUI test's ground: fresh folders, an application object, message
// boxes recorded instead of shown; its windows go with it at the end.
class GuiFixture : public ::testing::Test {
protected:
    virtual std::unique_ptr<fw::Application> CreateApplication() { return std::make_unique<fw::Application>(); }
    void SetUp() override;
    void TearDown() override;

    // A window of the given content size, built with the controls that
    // build() makes and shown, unless building it made the application quit.
    TestWindow* MakeWindow(std::function<void(TestWindow&)> build, int width = 300, int height = 200);

    TempFolders folders;
    std::unique_ptr<fw::Application> app;
    std::vector<std::string> messages;
    std::vector<std::string> log;
    std::vector<std::unique_ptr<TestWindow>> windows;

private:
    fw::TextHook m_previousHook;
};

} // namespace testenv
