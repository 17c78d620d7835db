// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "framework/gui/window.h"
#include "help/aquaaboutbox.layout.h"

#include <string_view>

namespace windows {

// The About window. An empty description or credits text hides its control
// and closes the gap, the window shrinking with it. Closing the window
// re-enables the calendar window's inputs; whoever shows it decides whether
// to disable them first.
class AquaAboutBox : public fw::Window, public layouts::AquaAboutBox {
    // The layout's builders bind the controls' events to the handlers.
    friend struct layouts::AquaAboutBox;

public:
    AquaAboutBox();

    // Hides c and moves every control after it in creation order up by the
    // space it took, to the next control's top; the window shrinks by as
    // much. The last control frees its own height. Nothing happens when c is
    // already hidden or is not a control of this window.
    void hideControl(fw::Control* c);
    // The link shows the address and opens it with a "/" after it; an empty
    // address hides the link.
    void SetHomePage(std::string_view address);

protected:
    void Layout() override;
    void CreateControls() override;
    // Nothing: the menu bar enables "FileClose" itself.
    void Event_EnableMenuItems() override;
    void Event_Open() override;
    void Event_Close() override;
    // "FileClose" closes the window.
    void AddMenuHandlers() override;

private:
    void name_Open();
    void version_Open();
    void description_Open();
    void credits_Open();
    void copyright_Open();
    void homePage_Open();
    bool FileClose_Action();
};

} // namespace windows

namespace win {
// The About window, created (and shown) on first use; nullptr once the
// application quits.
windows::AquaAboutBox* AquaAboutBox();
} // namespace win
