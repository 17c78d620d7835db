// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "framework/gui/menuhandlers.h"

#include <cstdint>
#include <functional>
#include <map>
#include <string>
#include <string_view>

namespace fw {

class MenuBar;

// The one application object; the program subclasses it and handles its
// events in the Event_... methods. Created before any window.
// Its menu handlers are asked after the front window's.
class Application : public MenuHandlers {
public:
    Application();
    virtual ~Application();
    Application(const Application&) = delete;
    Application& operator=(const Application&) = delete;

    // Raises Open from the event loop, then runs the loop until Quit; returns
    // the exit status. When Quit came before, returns at once without Open.
    int Run();
    // Closes every window (their Close handlers run), raises the
    // application's Close, then ends the event loop with the status. Runs
    // once: later calls do nothing. Callable before Run.
    void Quit(int status = 0);
    bool Quitting() const { return m_quitting; }
    int ExitStatus() const { return m_status; }
    // Open has been raised and has returned: the windows show what was
    // stored, so a quit saves what the user sees.
    bool Opened() const { return m_opened; }

    // Quit when the last shown window closes.
    bool AutoQuit() const { return m_autoQuit; }
    void SetAutoQuit(bool on) { m_autoQuit = on; }

    // The bar that serves windows with none of their own.
    fw::MenuBar* MenuBar() const { return m_menuBar; }
    void SetMenuBar(fw::MenuBar* bar);

    // The running program's version: major, minor and bug numbers, the
    // stage (0 development, 1 alpha, 2 beta, 3 final), the non-release
    // number, and the short text shown to the user ("1.0.0").
    std::int32_t MajorVersion() const;
    std::int32_t MinorVersion() const;
    std::int32_t BugVersion() const;
    std::int32_t StageCode() const;
    std::int32_t NonReleaseVersion() const;
    std::string ShortVersion() const;

protected:
    virtual void Event_Open() {}
    virtual void Event_Close() {}
    virtual void Event_EnableMenuItems() {}
    // The process is ending under the event loop (the display went away and
    // the platform calls exit): no window can be shown or closed any more,
    // only what needs no display can be done. Quitting() is true by then.
    virtual void Event_ExitDuringRun() {}

private:
    friend class MenuBar;
    void FinishQuit();
    static void ExitDuringRun();

    fw::MenuBar* m_menuBar = nullptr;
    bool m_autoQuit = false;
    bool m_quitting = false;
    bool m_running = false;
    bool m_opened = false;
    int m_status = 0;
    class Loop;
    Loop* m_loop = nullptr;
};

// The application object; nullptr when there is none.
Application* App();

// App()->Quit(status); without an application object, nothing.
void Quit(int status = 0);
// A modal message box with an OK button. A carriage return is a line break.
void MsgBox(std::string_view text);
// What message boxes and windows without a title of their own show in a
// desktop's title bar; empty leaves it to the platform.
void SetApplicationTitle(std::string_view title);
const std::string& ApplicationTitle();
// Hands the address, unchanged, to the user's default browser.
void ShowURL(std::string_view url);

// Runs a handler at an event boundary: an exception that escapes it becomes
// the framework's error report (a message box naming the exception, then
// Quit with status 1). Every Qt event the framework handles goes through it.
void Dispatch(const std::function<void()>& handler);
// The same for a handler that runs inside a Qt paint: an exception that
// escapes it is reported from the event loop after the paint returns, since a
// message box cannot open inside a paint.
void DispatchAfterPaint(const std::function<void()>& handler);

} // namespace fw
