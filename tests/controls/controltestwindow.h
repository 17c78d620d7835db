// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "controls/roundededitfieldcanvas.h"
#include "controls/roundededitfieldfield.h"
#include "framework/gui/application.h"
#include "framework/gui/editfield.h"
#include "framework/gui/window.h"
#include "support/testenv.h"

#include <QGuiApplication>
#include <QImage>
#include <QLineEdit>
#include <QPixmap>
#include <QPoint>
#include <QScreen>
#include <QTest>
#include <QWidget>

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace controltest {

// A window whose controls a test creates in code, as a layout would. It notes
// the application's exit status when it closes, as the calendar window's
// Close handler reads it.
class ControlWindow : public fw::Window {
public:
    std::function<void(ControlWindow&)> build;
    std::optional<int> statusAtClose;

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
    void Event_Close() override { statusAtClose = fw::App() ? fw::App()->ExitStatus() : -1; }
};

// A number field in its rounded frame, as the calendar window holds them: the
// frame places the field when it opens, the field binds its frame on every key.
inline controls::RoundedEditFieldField* AddNumberField(ControlWindow& w, const std::string& frameName,
                                                       const std::string& fieldName, int left, int top,
                                                       const char* text,
                                                       controls::RoundedEditFieldCanvas** frameOut = nullptr)
{
    auto* frame = w.Add<controls::RoundedEditFieldCanvas>(frameName, left, top, 92, 20);
    auto* field = w.Add<controls::RoundedEditFieldField>(fieldName, left + 24, top, 56, 17);
    field->SetProperty("Text", text);
    field->SetProperty("Border", false);
    field->SetProperty("Alignment", 2);
    field->SetProperty("UseFocusRing", false);
    frame->Open.Bind([frame, field] { frame->SetEditField(field); });
    field->KeyDown.Bind([frame, field](const std::string&) {
        field->SetCanvas(frame);
        return false;
    });
    if (frameOut)
        *frameOut = frame;
    return field;
}

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

// What the window shows on screen over the control now: the pixels that the
// platform holds for the window, not a fresh rendering.
inline QImage OnScreen(fw::Control* control)
{
    QWidget* widget = control->Handle();
    QWidget* top = widget->window();
    const QPoint at = widget->mapTo(top, QPoint(0, 0));
    return QGuiApplication::primaryScreen()
        ->grabWindow(top->winId(), at.x(), at.y(), control->Width(), control->Height())
        .toImage()
        .convertToFormat(QImage::Format_RGB32);
}

// An application object, fresh configuration folders and an empty
// preferences store for every test; message boxes are recorded, and a test
// that expects none needs not say so.
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

    // Builds the window (its controls' Open events run) and shows it, unless
    // building it made the application quit.
    ControlWindow* MakeWindow(std::function<void(ControlWindow&)> build, int width = 300, int height = 120)
    {
        auto window = std::make_unique<ControlWindow>();
        window->SetWidth(width);
        window->SetHeight(height);
        window->build = std::move(build);
        window->Build();
        if (!app->Quitting()) {
            window->Show();
            EXPECT_TRUE(QTest::qWaitForWindowActive(window->Handle()));
        }
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
