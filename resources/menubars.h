// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "framework/gui/menubar.h"

namespace menubars {

// File (Close, Quit, Page Setup, Check for Updates), Edit and Help: the bar
// of the application, the calendar window and the splash.
class MenuBar1 : public fw::MenuBar {
public:
    MenuBar1();
};

// The same menus with Check for Updates in Edit and About not auto-enabled:
// the bar of the preferences, help and update windows.
class MenuBar2 : public fw::MenuBar {
public:
    MenuBar2();
};

} // namespace menubars

// The one instance of each bar, built on the first call and kept for the
// life of the process.
menubars::MenuBar1* MenuBar1();
menubars::MenuBar2* MenuBar2();
