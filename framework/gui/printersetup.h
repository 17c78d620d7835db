// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <string_view>

namespace fw {

class Window;

// Page settings for printing, kept as a setup text. A new one holds the
// default settings.
class PrinterSetup {
public:
    // The settings as text, to keep and give back later; empty for the
    // defaults.
    const std::string& SetupString() const { return m_setupString; }
    void SetSetupString(std::string_view setup) { m_setupString = setup; }

    // The platform's page-setup dialog, starting from these settings, over
    // the parent or, without one, over the front window, so that it cannot
    // fall behind it. True when confirmed: SetupString then holds the new
    // settings. False when cancelled, the settings unchanged; also when the
    // printing support cannot be loaded, which a message box says.
    bool PageSetupDialog(Window* parent = nullptr);

private:
    std::string m_setupString;
};

} // namespace fw
