// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "calendar/mainwindow.h"
#include "framework/gui/application.h"
#include "support/testenv.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

namespace calendartest {

// The calendar window as laid out (its own Open left out), each handler
// noting its name, and a day number's handler the cell's index. The set-up
// handlers also act, so the window looks as designed.
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
#define RECORD_AND_RUN(handler)                                                                              \
    void handler() override                                                                                  \
    {                                                                                                        \
        calls.push_back(#handler);                                                                           \
        windows::main::handler();                                                                            \
    }
    RECORD(void, Rectangle3_MouseEnter)
    RECORD(void, Rectangle3_MouseExit)
    RECORD(void, calcular_Action)
    RECORD(void, PushButton2_Action)
    RECORD(void, PushButton3_Action)
    RECORD(bool, fechamens1_DragOver, int, int, fw::DragItem&, int)
    RECORD(void, fechamens1_DragExit, fw::DragItem&, int)
    RECORD(void, UpDownArrows1_Down)
    RECORD(void, UpDownArrows1_Up)
    RECORD(void, PushButton4_Action)
    RECORD(void, UpDownArrows2_Down)
    RECORD(void, UpDownArrows2_Up)
    RECORD(void, UpDownArrows3_Down)
    RECORD(void, UpDownArrows3_Up)
    RECORD_AND_RUN(rcanvas1_Open)
    RECORD(bool, durciclo_KeyDown, const std::string&)
    RECORD_AND_RUN(rcanvas2_Open)
    RECORD(bool, luteo_KeyDown, const std::string&)
    RECORD(void, PushButton5_Action)
    RECORD(void, CheckBox1_Action)
    RECORD_AND_RUN(mesanterior_Open)
    RECORD(void, mesanterior_MouseDown, int, int)
    RECORD_AND_RUN(mesanterior3_Open)
    RECORD(void, mesanterior3_MouseDown, int, int)
    RECORD_AND_RUN(mesproximo_Open)
    RECORD(void, mesproximo_MouseDown, int, int)
    RECORD(void, PushButton6_Action)
    RECORD(void, PushButton7_Action)
    RECORD(void, Timer1_Action)
#undef RECORD
#undef RECORD_AND_RUN
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
    void SetUp() override;
    void TearDown() override;

    testenv::TempFolders folders;
    std::unique_ptr<fw::Application> app;
    std::unique_ptr<RecordingMain> window;
};

// "name" or "name(index)".
std::string RefOf(const fw::Control& control);

} // namespace calendartest
