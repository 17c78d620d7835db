// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "calendar/main.layout.h"
#include "framework/gui/window.h"

namespace windows {

// The calendar window, the application's working window. Closing it stores
// its inputs and quits; the preferences are written once, at the end.
class main : public fw::Window, public layouts::main {
public:
    main();

protected:
    void Layout() override;
    void CreateControls() override;
    void Event_Close() override;

private:
    bool FileQuit_Action();
    // The inputs that the window holds go into the preferences store.
    void StoreInputs();
};

} // namespace windows

namespace win {
// The calendar window, created hidden on first use; nullptr once the
// application quits.
windows::main* main();
} // namespace win
