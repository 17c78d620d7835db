// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Tests replace the platform's page-setup dialog.

#include <functional>
#include <string>

namespace fw {

class Window;

// Stands for the dialog: given the window it would show over and the setup
// text it starts from, which it may change; true for confirmed. Returns the
// previous hook; an empty hook restores the real dialog.
using PageSetupHook = std::function<bool(Window* parent, std::string& setup)>;
PageSetupHook SetPageSetupHook(PageSetupHook hook);

} // namespace fw
