// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/app.h"

#include "resources/menubars.h"
#include "app/splashreg.h"
#include "calendar/mainwindow.h"
#include "calendar/module1.h"
#include "framework/gui/checkbox.h"
#include "framework/gui/editfield.h"
#include "framework/gui/menubar.h"
#include "framework/gui/popupmenu.h"
#include "framework/gui/radiobutton.h"
#include "help/aquaaboutbox.h"
#include "help/ayuda.h"
#include "prefs/bprefs.h"
#include "prefs/window/cyclesettings.h"
#include "prefs/window/preferences.h"
#include "resources/textos.h"
#include "update/ckwin.h"
#include "update/createdfile.h"

#include <stdexcept>
#include <string>
#include <string_view>

namespace {

enum class Target { Calendar, Preferences };
enum class Conversion { Text, Boolean, ListIndex };

struct RestoreRow {
    std::string_view key;
    Target window;
    std::string_view control;
    Conversion conversion;
};

// Every stored setting and input that start-up puts back, in order. The
// date of last menstruation is not here: the date field reads it itself.
constexpr RestoreRow kRestore[] = {
    {"durciclo", Target::Calendar, "durciclo", Conversion::Text},
    {"luteo", Target::Calendar, "luteo", Conversion::Text},
    {"rbevitar", Target::Calendar, "rbevitar", Conversion::Boolean},
    {"rbconcebir", Target::Calendar, "rbconcebir", Conversion::Boolean},
    {"rbnino", Target::Calendar, "rbnino", Conversion::Boolean},
    {"rbnina", Target::Calendar, "rbnina", Conversion::Boolean},
    {"disclaimer", Target::Calendar, "CheckBox1", Conversion::Boolean},
    {"disclaimer", Target::Preferences, "CheckBox1", Conversion::Boolean},
    {"helptip", Target::Preferences, "CheckBox2", Conversion::Boolean},
    {"ckupdt", Target::Preferences, "CheckBox3", Conversion::Boolean},
    {"durmens", Target::Preferences, "durmens", Conversion::ListIndex},
    {"fertpre", Target::Preferences, "fertpre", Conversion::ListIndex},
    {"fertpost", Target::Preferences, "fertpost", Conversion::ListIndex},
};

const CycleSettings::List* ListNamed(std::string_view name)
{
    for (const CycleSettings::List& list : CycleSettings::kLists)
        if (list.name == name)
            return &list;
    return nullptr;
}

// A value of another kind than the row expects leaves the control as it is,
// as an absent key does.
void Restore(const RestoreRow& row)
{
    if (!BPrefs::HasKey(row.key))
        return;
    // The first reference to the preferences window creates it, lists
    // filled and defaults selected, so a stored position replaces them.
    fw::Window* window = nullptr;
    if (row.window == Target::Calendar)
        window = win::main();
    else
        window = win::preferences();
    if (!window)
        return;
    // Every row names a control of a layout; a missing one is a fault of the
    // layout, not of the stored file.
    fw::Control* control = window->FindControl(row.control);
    if (!control)
        throw std::logic_error("no control " + std::string(row.control) + " to restore");
    switch (row.conversion) {
    case Conversion::Text:
        if (auto* field = dynamic_cast<fw::EditField*>(control))
            if (const auto text = BPrefs::StringValue(row.key))
                field->SetText(*text);
        break;
    case Conversion::Boolean:
        if (const auto on = BPrefs::BooleanValue(row.key)) {
            if (auto* box = dynamic_cast<fw::CheckBox*>(control))
                box->SetValue(*on);
            else if (auto* button = dynamic_cast<fw::RadioButton*>(control))
                button->SetValue(*on);
        }
        break;
    case Conversion::ListIndex:
        if (auto* popup = dynamic_cast<fw::PopupMenu*>(control))
            if (const CycleSettings::List* list = ListNamed(row.control))
                if (const auto position = CycleSettings::StoredPosition(*list, BPrefs::Value(row.key)))
                    popup->SetListIndex(*position);
        break;
    }
}

// The items of the application's bar that its enabling handler turns on by
// name, each while the application has a command for it.
constexpr std::string_view kEnabledByName[] = {"MyAppHelp", "FilePSetup", "FileQuit"};

} // namespace

App::App()
{
    fw::SetApplicationTitle("Cyclane Duvivarode");
    SetMenuBar(::MenuBar1());
}

void App::AddMenuHandlers()
{
    AddMenuHandler("AppleAbout", this, &App::AppleAbout_Action);
    AddMenuHandler("MyAppHelp", this, &App::MyAppHelp_Action);
    AddMenuHandler("FilePSetup", this, &App::FilePSetup_Action);
    AddMenuHandler("FileQuit", this, &App::FileQuit_Action);
}

void App::Event_Open()
{
    SetAutoQuit(true);
    for (const RestoreRow& row : kRestore)
        Restore(row);
    if (windows::splashreg* splash = win::splashreg())
        splash->Show();
}

void App::Event_Close()
{
    update::RemovePartialFiles();
    // A quit on a failure leaves the file as it was.
    if (ExitStatus() != 0)
        return;
    const bool saved = BPrefs::Save();
    const BPrefs::SaveOutcome& outcome = BPrefs::LastSave();
    if (outcome.damagedCopy)
        fw::MsgBox((outcome.laterVersion ? Textos::k222() : Textos::k220()) + "\r"
                   + outcome.damagedCopy->NativePath());
    if (saved)
        return;
    const fw::FolderItemPtr file = BPrefs::PrefsFile();
    fw::MsgBox(Textos::k221() + "\r" + (file ? file->NativePath() : std::string()) + "\r" + outcome.reason);
    // The settings are lost: the process must not end as a success.
    fw::Quit(1);
}

void App::Event_ExitDuringRun()
{
    // The display is gone: the inputs are saved as a quit saves them, with
    // no window closed and no message shown.
    if (windows::main* calendar = win::main())
        calendar->StoreInputs();
    BPrefs::Save();
}

void App::Event_EnableMenuItems()
{
    fw::MenuBar* bar = MenuBar();
    if (!bar)
        return;
    for (std::string_view name : kEnabledByName)
        if (HasMenuHandler(name))
            if (fw::MenuItem* item = bar->FindItem(name))
                item->SetEnabled(true);
}

bool App::AppleAbout_Action()
{
    // From the menu the calendar window's inputs stay as they are.
    if (windows::AquaAboutBox* about = win::AquaAboutBox())
        about->Show();
    return false;
}

bool App::MyAppHelp_Action()
{
    // The calendar window keeps its menu bar: only its Help button swaps it.
    Module1::botonesmain(false);
    if (windows::ayuda* help = win::ayuda())
        help->Show();
    return false;
}

bool App::FilePSetup_Action()
{
    if (auto setup = fw::PageSetupDialog({}))
        m_pageSettings = std::move(*setup);
    return false;
}

bool App::FileQuit_Action()
{
    // The calendar window stores its inputs as it closes, and Close saves.
    Quit(0);
    return false;
}

namespace app {

std::unique_ptr<::App> StartUp()
{
    std::unique_ptr<::App> application;
    fw::Dispatch(update::RemoveLeftoverPartialFiles);
    fw::Dispatch([&] { application = std::make_unique<::App>(); });
    if (!application)
        return nullptr;
    fw::Dispatch([&] { application->AddMenuHandlers(); });
    fw::Dispatch([] {
        // Check for Updates serves while the calendar window is in front.
        if (windows::main* calendar = win::main()) {
            calendar->AddMenuHandler("ckupdt", [] {
                if (windows::ckwin* updates = win::ckwin())
                    updates->Show();
                return false;
            });
            // The splash's Ok shows it: its widgets are made while the
            // splash waits.
            calendar->PrepareWhenIdle();
        }
    });
    return application;
}

int Main()
{
    std::unique_ptr<::App> application = StartUp();
    return application ? application->Run() : 1;
}

} // namespace app
