// SPDX-License-Identifier: GPL-3.0-or-later
// Framework-internal: the page setup dialog, built as a module of its own
// that the framework loads when the dialog is first asked for, so that no
// start pays for loading Qt Print Support.
#pragma once

#include <QString>

class QWidget;

namespace fw::print {

struct Module {
    // Shows the dialog over the parent, starting from the setup text (page
    // size id, orientation, then the margins in points); true and the new
    // text in `result` when confirmed.
    bool (*pageSetup)(const QString& setup, QWidget* parent, QString& result);
};

} // namespace fw::print

// The module's one entry point, looked up by name.
extern "C" const fw::print::Module* cyclane_print_module();
