// SPDX-License-Identifier: GPL-3.0-or-later
#include "framework/gui/printersetup.h"
#include "framework/gui/printersetup_seam.h"

#include "framework/gui/application.h"
#include "framework/gui/gui_p.h"
#include "framework/gui/modules_p.h"
#include "framework/gui/window.h"
#include "framework/modules/printmodule.h"

#include <utility>

namespace fw {

namespace {
PageSetupHook s_hook;
} // namespace

bool PrinterSetup::PageSetupDialog(Window* parent)
{
    if (!parent)
        parent = FrontWindow();
    if (s_hook) {
        std::string setup = m_setupString;
        if (!s_hook(parent, setup))
            return false;
        m_setupString = std::move(setup);
        return true;
    }
    const print::Module* module = detail::PrintModule();
    if (!module) {
        // Said to the user, not only on standard error: otherwise the menu
        // command would seem to do nothing at all.
        MsgBox("Page Setup is not available: the printing support of this installation could not be loaded.");
        return false;
    }
    QString result;
    const bool confirmed =
        module->pageSetup(detail::ToQString(m_setupString), parent ? parent->Handle() : nullptr, result);
    // The dialog is gone by now.
    detail::KeyboardBackAfterDialog(nullptr);
    if (!confirmed)
        return false;
    m_setupString = result.toStdString();
    return true;
}

PageSetupHook SetPageSetupHook(PageSetupHook hook)
{
    std::swap(s_hook, hook);
    return hook;
}

} // namespace fw
