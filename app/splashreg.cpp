// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/splashreg.h"

#include "calendar/mainwindow.h"
#include "framework/core/appversion.h"
#include "framework/gui/application.h"
#include "prefs/bprefs.h"
#include "update/ckwin.h"

namespace windows {

void splashreg::Event_Open()
{
    const fw::Application* app = fw::App();
    StaticText1->SetText("Ver. " + (app ? app->ShortVersion() : fw::ShortVersion()));
}

void splashreg::PushButton1_Action()
{
    Hide();
    if (windows::main* calendar = win::main())
        calendar->Show();
    // The start-up check is wanted unless the user switched it off.
    if (!BPrefs::HasKey("ckupdt") || BPrefs::Value("ckupdt").AsBoolean() != false)
        if (windows::ckwin* updates = win::ckwin())
            updates->Show();
}

} // namespace windows

namespace win {

windows::splashreg* splashreg()
{
    return fw::WindowInstance<windows::splashreg>();
}

} // namespace win
