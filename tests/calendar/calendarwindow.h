// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "calendar/mainwindow.h"
#include "framework/gui/application.h"
#include "prefs/bprefs.h"
#include "support/testenv.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

namespace calendartest {

// The calendar window with every handler noting its name (and a day number's
// index) instead of acting, so a test sees which binding ran.
class RecordingMain : public windows::main {
public:
    std::vector<std::string> calls;

protected:
    // The window's own Open is left out: tests see the window as laid out.
    void Event_Open() override {}

#define RECORD(handler)                                                                                      \
    void handler() override { calls.push_back(#handler); }
    RECORD(Rectangle3_MouseEnter)
    RECORD(Rectangle3_MouseExit)
    RECORD(calcular_Action)
    RECORD(PushButton2_Action)
    RECORD(PushButton3_Action)
    RECORD(UpDownArrows1_Down)
    RECORD(UpDownArrows1_Up)
    RECORD(PushButton4_Action)
    RECORD(UpDownArrows2_Down)
    RECORD(UpDownArrows2_Up)
    RECORD(UpDownArrows3_Down)
    RECORD(UpDownArrows3_Up)
    RECORD(PushButton5_Action)
    RECORD(CheckBox1_Action)
    RECORD(PushButton6_Action)
    RECORD(PushButton7_Action)
    RECORD(Timer1_Action)
#undef RECORD
    // The set-up handlers act as well, so the window looks as designed.
    void rcanvas1_Open() override { Also("rcanvas1_Open", [this] { windows::main::rcanvas1_Open(); }); }
    void rcanvas2_Open() override { Also("rcanvas2_Open", [this] { windows::main::rcanvas2_Open(); }); }
    void mesanterior_Open() override { Also("mesanterior_Open", [this] { windows::main::mesanterior_Open(); }); }
    void mesanterior3_Open() override { Also("mesanterior3_Open", [this] { windows::main::mesanterior3_Open(); }); }
    void mesproximo_Open() override { Also("mesproximo_Open", [this] { windows::main::mesproximo_Open(); }); }
    bool durciclo_KeyDown(const std::string& key) override
    {
        calls.push_back("durciclo_KeyDown " + key);
        return windows::main::durciclo_KeyDown(key);
    }
    bool luteo_KeyDown(const std::string& key) override
    {
        calls.push_back("luteo_KeyDown " + key);
        return windows::main::luteo_KeyDown(key);
    }
    bool fechamens1_DragOver(int, int, fw::DragItem&, int) override
    {
        calls.push_back("fechamens1_DragOver");
        return false;
    }
    void fechamens1_DragExit(fw::DragItem&, int) override { calls.push_back("fechamens1_DragExit"); }
    bool std_MouseDown(int index, int, int) override
    {
        calls.push_back("std_MouseDown " + std::to_string(index));
        return false;
    }
    void mesanterior_MouseDown(int, int) override { calls.push_back("mesanterior_MouseDown"); }
    void mesanterior3_MouseDown(int, int) override { calls.push_back("mesanterior3_MouseDown"); }
    void mesproximo_MouseDown(int, int) override { calls.push_back("mesproximo_MouseDown"); }

private:
    template <class F>
    void Also(const char* name, F base)
    {
        calls.push_back(name);
        base();
    }
};

// An application object, fresh folders and an empty store; the window is
// built as the accessor builds it, and shown.
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
