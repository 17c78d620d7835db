// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <memory>
#include <thread>

class QApplication;

namespace fw {

// The connection to the desktop for the life of the process. The program's
// entry point makes one before any window, menu bar or application object and
// keeps it until they are all gone. It quits on the termination signals.
// When no display can be opened it says so on standard error, and when Qt
// cannot start for another reason it says Qt's reason; either way it ends the
// process with status 1.
class Platform {
public:
    Platform(int& argc, char** argv);
    ~Platform();
    Platform(const Platform&) = delete;
    Platform& operator=(const Platform&) = delete;

private:
    // Declared first: it starts before the application object.
    std::thread m_fontConfiguration;
    std::unique_ptr<QApplication> m_app;
};

// From now on SIGTERM, SIGHUP and SIGINT (a logout, a closed terminal,
// Ctrl+C) end the application through Quit(0), as its Quit command does: from
// the event loop, once Open has returned and no handler runs, after
// dismissing any dialog that waits for the user. A second signal of the same
// kind ends the process at once. Needs the QApplication; once is enough.
void QuitOnTerminationSignals();

// From now on a window (or dialog) that is hidden gives back the pixels of
// its backing store; showing it again paints it whole into a new one. Needs
// the QApplication; once is enough.
void ReleaseStoresOfHiddenWindows();

} // namespace fw
