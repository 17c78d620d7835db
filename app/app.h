// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "framework/gui/application.h"
#include "framework/gui/menubar.h"

#include <memory>
#include <string>

// The application object. Open restores the stored settings into the
// controls that show them and shows the splash; Close writes the preferences
// file, the one write of a run; the menu commands About, Help, Page Setup
// and Quit are its own.
class App : public fw::Application {
public:
    // Gives the application the bar MenuBar1.
    App();

    // The setup text of the last confirmed Page Setup dialog; nothing reads it.
    const std::string& PageSettings() const { return m_pageSettings; }

    // Raised by the framework from the event loop; public so that a test can
    // stand in for the loop.
    void Event_Open() override;

    // The menu commands, bound by app::ApplicationAddMenuHandlers. Each
    // returns false: the command is not marked as handled.
    bool AppleAbout_Action();
    bool FilePSetup_Action();
    bool MyAppHelp_Action();
    // Saves the preferences, then quits.
    bool FileQuit_Action();

protected:
    void Event_Close() override;
    void Event_EnableMenuItems() override;
    void Event_ExitDuringRun() override;

private:
    std::string m_pageSettings;
};

// The items of the application's bar of these names; null when the
// application or its bar has none.
fw::MenuItem* MyAppHelp();
fw::MenuItem* FilePSetup();
fw::QuitMenuItem* FileQuit();

namespace app {

// The application object; nullptr before start-up and after it is gone.
::App* App();

// The steps of start-up, in this order: the file types; the application
// object, with its bar; its menu commands; the calendar window, created
// hidden.
void InitFileTypes();
std::unique_ptr<::App> NewAppInstance();
void ApplicationAddMenuHandlers();
void MakeDefaultView();

// Start-up up to the event loop. A step that fails gives the framework's
// error report and a quit with a failure status; nullptr when not even the
// application object could be made.
std::unique_ptr<::App> StartUp();

// Start-up, then the event loop; the exit status.
int Main();

} // namespace app
