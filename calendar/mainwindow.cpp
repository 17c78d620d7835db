// SPDX-License-Identifier: GPL-3.0-or-later
#include "calendar/mainwindow.h"

#include "calendar/module1.h"
#include "framework/core/text.h"
#include "framework/gui/application.h"
#include "help/aquaaboutbox.h"
#include "help/ayuda.h"
#include "prefs/bprefs.h"
#include "resources/menubars.h"
#include "update/createdfile.h"

namespace windows {

main::main()
{
    AddMenuHandler("FileQuit", this, &main::FileQuit_Action);
}

void main::Event_Close()
{
    StoreInputs();
    // Quitting closes the other windows and then saves the store, once; a
    // close that is part of a quit already under way changes nothing more.
    if (fw::Application* app = fw::App(); app && !app->Quitting())
        app->Quit(0);
}

bool main::FileQuit_Action()
{
    fw::Quit(0);
    return false;
}

// Help: unlike the Help menu command, the button also gives the calendar
// window the help window's bar until the help closes.
void main::PushButton2_Action()
{
    Module1::botonesmain(false);
    SetMenuBar(MenuBar2());
    if (windows::ayuda* help = win::ayuda())
        help->Show();
}

void main::StoreInputs()
{
    BPrefs::SetValue("fechamens1", fechamens1->Date());
    BPrefs::SetValue("durciclo", durciclo->Text());
    BPrefs::SetValue("luteo", luteo->Text());
    BPrefs::SetValue("rbevitar", rbevitar->Value());
    BPrefs::SetValue("rbconcebir", rbconcebir->Value());
    BPrefs::SetValue("rbnino", rbnino->Value());
    BPrefs::SetValue("rbnina", rbnina->Value());
}

// The frames draw the number fields' borders; each field tells its frame
// about its focus on every key.
void main::rcanvas1_Open()
{
    rcanvas1->SetEditField(durciclo);
}

void main::rcanvas2_Open()
{
    rcanvas2->SetEditField(luteo);
}

bool main::durciclo_KeyDown(const std::string&)
{
    durciclo->SetCanvas(rcanvas1);
    return false;
}

bool main::luteo_KeyDown(const std::string&)
{
    luteo->SetCanvas(rcanvas2);
    return false;
}

// The glossy buttons get their symbol when they open, nothing else.
void main::mesanterior_Open()
{
    mesanterior->SetBackButton(true);
}

void main::mesanterior3_Open()
{
    mesanterior3->SetStopButton(true);
}

void main::mesproximo_Open()
{
    mesproximo->SetForwardButton(true);
}

// A click on a day number changes nothing and lets the click through.
bool main::std_MouseDown(int, int, int)
{
    return false;
}

// About: the inputs wait until the About window closes.
void main::PushButton4_Action()
{
    Module1::botonesmain(false);
    if (AquaAboutBox* about = win::AquaAboutBox())
        about->Show();
}

// The cycle calendar's commands and the download's clean-up are not here
// yet: until then they do nothing.
void main::Rectangle3_MouseEnter() {}
void main::Rectangle3_MouseExit() {}
void main::calcular_Action() {}
void main::PushButton3_Action() {}
bool main::fechamens1_DragOver(int, int, fw::DragItem&, int)
{
    return false;
}
void main::fechamens1_DragExit(fw::DragItem&, int) {}
void main::UpDownArrows1_Down() {}
void main::UpDownArrows1_Up() {}
void main::UpDownArrows2_Down() {}
void main::UpDownArrows2_Up() {}
void main::UpDownArrows3_Down() {}
void main::UpDownArrows3_Up() {}
void main::PushButton5_Action() {}
void main::CheckBox1_Action() {}
void main::mesanterior_MouseDown(int, int) {}
void main::mesanterior3_MouseDown(int, int) {}
void main::mesproximo_MouseDown(int, int) {}
void main::PushButton6_Action() {}
// Deletes the files of cancelled downloads, each only while it is still the
// very file its download made.
void main::PushButton7_Action()
{
    update::RemoveCancelledDownloads();
}

// Armed by a Cancel in the update window. StaticText49 is not set back, so
// the first removal of a run waits two ticks and every later one a single
// tick.
void main::Timer1_Action()
{
    const double count = fw::Val(StaticText49->Text());
    if (count > 0) {
        StaticText49->SetText(fw::Str(std::int64_t(count) - 1));
        return;
    }
    PushButton7->Push();
    Timer1->SetMode(fw::Timer::kModeOff);
}

} // namespace windows

namespace win {

windows::main* main()
{
    return fw::WindowInstance<windows::main>();
}

} // namespace win
