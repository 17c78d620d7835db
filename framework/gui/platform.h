// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <memory>

class QApplication;

namespace fw {

// The connection to the desktop for the life of the process. The program's
// entry point makes one before any window, menu bar or application object and
// keeps it until they are all gone.
class Platform {
public:
    Platform(int& argc, char** argv);
    ~Platform();
    Platform(const Platform&) = delete;
    Platform& operator=(const Platform&) = delete;

private:
    std::unique_ptr<QApplication> m_app;
};

} // namespace fw
