// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "framework/gui/application.h"

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

    // Binds the application's menu items to its commands.
    void AddMenuHandlers();

    // Raised by the framework from the event loop; public so that a test can
    // stand in for the loop.
    void Event_Open() override;

protected:
    void Event_Close() override;
    void Event_EnableMenuItems() override;
    void Event_ExitDuringRun() override;

private:
    bool AppleAbout_Action();
    bool MyAppHelp_Action();
    bool FilePSetup_Action();
    bool FileQuit_Action();

    std::string m_pageSettings;
};

namespace app {

// Start-up up to the event loop: the application object with
// its bar and menu commands, and the calendar window, created hidden. A step
// that fails gives the framework's error report and a quit with a failure
// status; nullptr when not even the application object could be made.
std::unique_ptr<::App> StartUp();

// Start-up, then the event loop; the exit status.
int Main();

} // namespace app
