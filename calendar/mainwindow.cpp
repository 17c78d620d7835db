// SPDX-License-Identifier: GPL-3.0-or-later
#include "calendar/mainwindow.h"

#include "controls/datefield.h"
#include "framework/gui/application.h"
#include "framework/gui/editfield.h"
#include "framework/gui/radiobutton.h"
#include "prefs/bprefs.h"

#include <string_view>

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

void main::StoreInputs()
{
    if (auto* date = Find<controls::DateField>("fechamens1"))
        BPrefs::SetValue("fechamens1", date->Date());
    for (std::string_view name : {"durciclo", "luteo"})
        if (auto* field = Find<fw::EditField>(name))
            BPrefs::SetValue(name, field->Text());
    for (std::string_view name : {"rbevitar", "rbconcebir", "rbnino", "rbnina"})
        if (auto* goal = Find<fw::RadioButton>(name))
            BPrefs::SetValue(name, goal->Value());
}

} // namespace windows

namespace win {

windows::main* main()
{
    return fw::WindowInstance<windows::main>();
}

} // namespace win
