// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "calendar/mainwindow.h"
#include "framework/gui/application.h"
#include "prefs/bprefs.h"
#include "support/testenv.h"

#include <QTest>
#include <QWidget>

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

namespace calendartest {

// The calendar window as laid out (its own Open left out), the handlers that
// the tests raise noting their names, a day number's its cell's index.
class RecordingMain : public windows::main {
public:
    std::vector<std::string> calls;

protected:
    void Event_Open() override {}
#define RECORD(R, handler, ...)                                                                              \
    R handler(__VA_ARGS__) override                                                                          \
    {                                                                                                        \
        calls.push_back(#handler);                                                                           \
        return R();                                                                                          \
    }
    RECORD(void, calcular_Action)
    RECORD(void, UpDownArrows1_Down)
    RECORD(void, UpDownArrows1_Up)
    RECORD(void, UpDownArrows2_Down)
    RECORD(void, UpDownArrows2_Up)
    RECORD(void, UpDownArrows3_Down)
    RECORD(void, UpDownArrows3_Up)
    RECORD(bool, durciclo_KeyDown, const std::string&)
    RECORD(bool, luteo_KeyDown, const std::string&)
    RECORD(void, PushButton6_Action)
    RECORD(void, PushButton7_Action)
    RECORD(void, Timer1_Action)
#undef RECORD
    bool std_MouseDown(int index, int, int) override
    {
        calls.push_back("std_MouseDown " + std::to_string(index));
        return false;
    }
};

// An application object, fresh folders and an empty store; the window is
// built as its accessor builds it, and shown.
class CalendarWindowTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        BPrefs::ResetForTesting();
        app = std::make_unique<fw::Application>();
        window = std::make_unique<RecordingMain>();
        window->Build();
        window->Show();
        ASSERT_TRUE(QTest::qWaitForWindowActive(window->Handle()));
    }
    void TearDown() override
    {
        window.reset();
        app.reset();
        BPrefs::ResetForTesting();
    }

    testenv::TempFolders folders;
    std::unique_ptr<fw::Application> app;
    std::unique_ptr<RecordingMain> window;
};

// "name" or "name(index)".
inline std::string RefOf(const fw::Control& control)
{
    if (control.Index() == fw::kNoIndex)
        return control.Name();
    return control.Name() + "(" + std::to_string(control.Index()) + ")";
}

} // namespace calendartest
