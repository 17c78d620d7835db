// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "framework/gui/window.h"
#include "help/ayuda.layout.h"

namespace windows {

// The help window. While it is open the calendar window's inputs are
// disabled; Close Help hides it and keeps its topic, the close box closes it
// and the next opening starts at the first topic. Both give the inputs and
// MenuBar1 back to the calendar window.
class ayuda : public fw::Window, public layouts::ayuda {
    // The layout's builders bind the controls' events to the handlers.
    friend struct layouts::ayuda;

protected:
    void Layout() override;
    void CreateControls() override;
    void Event_Open() override;
    void Event_Close() override;

private:
    void PopupMenu1_Change();
    void PushButton1_Action();
};

} // namespace windows

namespace win {
// The help window, created (and shown) on first use; nullptr once the
// application quits.
windows::ayuda* ayuda();
} // namespace win
