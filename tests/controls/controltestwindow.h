// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "framework/gui/application.h"
#include "framework/gui/editfield.h"
#include "framework/gui/window.h"
#include "support/testenv.h"

#include <QApplication>
#include <QLineEdit>
#include <QPoint>
#include <QTest>

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace controltest {

// A window whose controls a test creates in code, as a layout would.
class ControlWindow : public fw::Window {
public:
    std::function<void(ControlWindow&)> build;

    template <class T>
    T* Add(const std::string& name, int left, int top, int width, int height)
    {
        T* c = AddControl<T>(name, fw::kNoIndex);
        c->SetProperty("Left", left);
        c->SetProperty("Top", top);
        c->SetProperty("Width", width);
        c->SetProperty("Height", height);
        return c;
    }

protected:
    void CreateControls() override
    {
        if (build)
            build(*this);
    }
};

// A point of the window where a click puts the field's caret at that index;
// nothing when no point does.
inline std::optional<QPoint> PointOfIndex(fw::EditField* field, int index)
{
    auto* edit = qobject_cast<QLineEdit*>(field->Handle());
    if (!edit)
        return std::nullopt;
    const int y = field->Height() / 2;
    for (int x = 0; x < field->Width(); ++x)
        if (edit->cursorPositionAt(QPoint(x, y)) == index)
            return QPoint(field->Left() + x, field->Top() + y);
    return std::nullopt;
}

// An application object, fresh configuration folders and an empty
// preferences store for every test; message boxes are recorded.
class ControlTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        app = std::make_unique<fw::Application>();
        previousHook = fw::SetMsgBoxHook([this](const std::string& text) { messages.push_back(text); });
    }
    void TearDown() override
    {
        windows.clear();
        app.reset();
        fw::SetMsgBoxHook(previousHook);
        EXPECT_TRUE(messages.empty()) << messages.front();
    }

    // Builds the window (its controls' Open events run) and shows it.
    ControlWindow* MakeWindow(std::function<void(ControlWindow&)> build, int width = 300, int height = 120)
    {
        auto window = std::make_unique<ControlWindow>();
        window->SetWidth(width);
        window->SetHeight(height);
        window->build = std::move(build);
        window->Build();
        window->Show();
        EXPECT_TRUE(QTest::qWaitForWindowActive(window->Handle()));
        windows.push_back(std::move(window));
        return windows.back().get();
    }

    testenv::TempFolders folders;
    std::unique_ptr<fw::Application> app;
    fw::TextHook previousHook;
    std::vector<std::string> messages;
    std::vector<std::unique_ptr<ControlWindow>> windows;
};

} // namespace controltest
