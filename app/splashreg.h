// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "app/splashreg.layout.h"
#include "framework/gui/window.h"

namespace windows {

// The start-up splash: shown at the end of start-up, hidden for good by Ok,
// which shows the calendar window.
class splashreg : public fw::Window, public layouts::splashreg {
    // The layout's builders bind the controls' events to the handlers.
    friend struct layouts::splashreg;

protected:
    void Layout() override;
    void CreateControls() override;
    void Event_Open() override;

private:
    void PushButton1_Action();
};

} // namespace windows

namespace win {
// The splash, created hidden on first use; nullptr once the application
// quits.
windows::splashreg* splashreg();
} // namespace win
