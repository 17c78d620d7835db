// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "framework/gui/window.h"
#include "prefs/window/preferences.layout.h"

namespace windows {

// The preferences window. Other windows read and set its lists and check
// boxes by name; its values reach the preferences store only through Ok.
class preferences : public fw::Window, public layouts::preferences {
    // The layout's builders bind the controls' events to the handlers.
    friend struct layouts::preferences;

protected:
    void Layout() override;
    void CreateControls() override;
    void Event_Open() override;
    void Event_Close() override;

private:
    void PushButton1_Action();
    void CheckBox1_Action();
};

} // namespace windows

namespace win {
// The preferences window, created hidden on first use; nullptr once the
// application quits.
windows::preferences* preferences();
} // namespace win
