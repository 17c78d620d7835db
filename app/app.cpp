// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/app.h"

#include "resources/filetypes.h"
#include "resources/menubars.h"
#include "app/splashreg.h"
#include "calendar/mainwindow.h"
#include "calendar/module1.h"
#include "framework/gui/checkbox.h"
#include "framework/gui/editfield.h"
#include "framework/gui/menubar.h"
#include "framework/gui/popupmenu.h"
#include "framework/gui/printersetup.h"
#include "framework/gui/radiobutton.h"
#include "help/aquaaboutbox.h"
#include "help/ayuda.h"
#include "prefs/bprefs.h"
#include "prefs/window/cyclesettings.h"
#include "prefs/window/preferences.h"
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
    const fw::Variant value = BPrefs::Value(row.key);
    switch (row.conversion) {
    case Conversion::Text:
        if (auto* field = dynamic_cast<fw::EditField*>(control))
            if (const auto text = value.AsString())
                field->SetText(*text);
        break;
    case Conversion::Boolean:
        if (const auto on = value.AsBoolean()) {
            if (auto* box = dynamic_cast<fw::CheckBox*>(control))
                box->SetValue(*on);
            else if (auto* button = dynamic_cast<fw::RadioButton*>(control))
                button->SetValue(*on);
        }
        break;
    case Conversion::ListIndex:
        if (auto* popup = dynamic_cast<fw::PopupMenu*>(control))
            if (const CycleSettings::List* list = ListNamed(row.control))
                if (const auto position = CycleSettings::StoredPosition(*list, value))
                    popup->SetListIndex(*position);
        break;
    }
}

fw::MenuItem* ItemOfTheApplicationsBar(std::string_view name)
{
    const ::App* application = app::App();
    fw::MenuBar* bar = application ? application->MenuBar() : nullptr;
    return bar ? bar->FindItem(name) : nullptr;
}

} // namespace

fw::MenuItem* MyAppHelp()
{
    return ItemOfTheApplicationsBar("MyAppHelp");
}

fw::MenuItem* FilePSetup()
{
    return ItemOfTheApplicationsBar("FilePSetup");
}

fw::QuitMenuItem* FileQuit()
{
    return dynamic_cast<fw::QuitMenuItem*>(ItemOfTheApplicationsBar("FileQuit"));
}

App::App()
{
    fw::SetApplicationTitle("Cyclane Duvivarode");
    SetMenuBar(::MenuBar1());
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
    windows::SaveInputs();
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
    for (fw::MenuItem* item : {MyAppHelp(), FilePSetup(), static_cast<fw::MenuItem*>(FileQuit())})
        if (item)
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
    // Default settings each time: the stored ones are not offered again.
    fw::PrinterSetup setup;
    if (setup.PageSetupDialog())
        m_pageSettings = setup.SetupString();
    return false;
}

bool App::FileQuit_Action()
{
    // The quit's closing of the calendar window and Close save again: those
    // find nothing new, so the file is written once.
    windows::SaveInputs();
    Quit(0);
    return false;
}

namespace app {

::App* App()
{
    return dynamic_cast<::App*>(fw::App());
}

void InitFileTypes()
{
    FileTypes::Initialize();
}

std::unique_ptr<::App> NewAppInstance()
{
    return std::make_unique<::App>();
}

void ApplicationAddMenuHandlers()
{
    ::App* application = App();
    if (!application)
        return;
    application->AddMenuHandler("AppleAbout", application, &::App::AppleAbout_Action);
    application->AddMenuHandler("FilePSetup", application, &::App::FilePSetup_Action);
    application->AddMenuHandler("MyAppHelp", application, &::App::MyAppHelp_Action);
    application->AddMenuHandler("FileQuit", application, &::App::FileQuit_Action);
}

void MakeDefaultView()
{
    // The splash's Ok shows it: its widgets are made while the splash waits.
    if (windows::main* calendar = win::main())
        calendar->PrepareWhenIdle();
}

std::unique_ptr<::App> StartUp()
{
    std::unique_ptr<::App> application;
    fw::Dispatch(update::RemoveLeftoverPartialFiles);
    fw::Dispatch(InitFileTypes);
    fw::Dispatch([&] { application = NewAppInstance(); });
    if (!application)
        return nullptr;
    fw::Dispatch(ApplicationAddMenuHandlers);
    fw::Dispatch(MakeDefaultView);
    return application;
}

int Main()
{
    std::unique_ptr<::App> application = StartUp();
    return application ? application->Run() : 1;
}

} // namespace app
