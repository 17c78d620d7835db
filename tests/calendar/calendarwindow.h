// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "calendar/mainwindow.h"
#include "framework/core/date.h"
#include "framework/core/text.h"
#include "framework/gui/application.h"
#include "framework/gui/canvas.h"
#include "framework/gui/checkbox.h"
#include "framework/gui/editfield.h"
#include "framework/gui/listbox.h"
#include "framework/gui/popupmenu.h"
#include "framework/gui/pushbutton.h"
#include "framework/gui/radiobutton.h"
#include "framework/gui/shapes.h"
#include "framework/gui/statictext.h"
#include "framework/gui/updownarrows.h"
#include "prefs/bprefs.h"
#include "prefs/window/preferences.h"
#include "resources/menubars.h"
#include "resources/pictureresources.h"
#include "support/gui.h"
#include "support/testenv.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace calendartest {

// 20 March 2007, 09:00: March 2007 is the current month, today in cell 23.
inline constexpr std::int64_t kNow = 3257226000; // 2007-03-20 09:00:00 in civil seconds since 1904

class CalendarWindowTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        BPrefs::ResetForTesting();
        fw::Date::SetClock([] { return kNow; });
        m_hook = fw::SetMsgBoxHook([this](const std::string& text) { messages.push_back(text); });
    }
    void TearDown() override
    {
        fw::DestroyAllWindows();
        BPrefs::ResetForTesting();
        fw::SetMsgBoxHook(m_hook);
        fw::Date::SetClock({});
    }

    void Open(std::vector<std::pair<std::string, fw::Variant>> stored = {})
    {
        for (auto& [key, value] : stored)
            BPrefs::SetValue(key, value);
        w = win::main();
        w->Show();
        testenv::runFor(30); // the glossy buttons take clicks once drawn
    }

    // How many of the fourteen inputs are enabled.
    int EnabledInputs() const
    {
        const fw::Control* inputs[] = {w->calcular,      w->PushButton2,   w->PushButton3,   w->PushButton4,
                                       w->rbevitar,      w->rbconcebir,    w->rbnino,        w->rbnina,
                                       w->UpDownArrows1, w->UpDownArrows2, w->UpDownArrows3, w->durciclo,
                                       w->luteo,         w->fechamens1};
        int n = 0;
        for (const fw::Control* c : inputs)
            n += c->Enabled();
        return n;
    }

    // The look of the 42 cells, for comparing before and after.
    std::vector<std::uint32_t> Look() const
    {
        std::vector<std::uint32_t> look;
        for (int k = 0; k < 42; ++k) {
            look.push_back(w->bg(k)->FillColor().ToRGB());
            look.push_back(w->recfondofecha(k)->FillColor().ToRGB());
            look.push_back(w->std(k)->TextColor().ToRGB());
            look.push_back(w->Cansex(k)->Backdrop() != nullptr);
        }
        look.push_back(std::uint32_t(w->ListBox1->ListCount()));
        return look;
    }

    // One character per day of the shown month from the cell backgrounds:
    // '.' regular, 'm', 'f', 'o'.
    std::string Phases(int firstCell, int days) const
    {
        std::string out;
        for (int k = firstCell; k < firstCell + days; ++k) {
            const fw::Color c = w->bg(k)->FillColor();
            out += c == w->ovalo(1)->FillColor()   ? 'm'
                   : c == w->ovalo(6)->FillColor() ? 'f'
                   : c == w->ovalo(2)->FillColor() ? 'o'
                   : c == w->ovalo(0)->FillColor() ? '.'
                                                   : '?';
        }
        return out;
    }

    windows::main* w = nullptr;
    std::vector<std::string> messages;
    testenv::TempFolders folders;

private:
    fw::TextHook m_hook;
};

// "name" or "name(index)".
inline std::string RefOf(const fw::Control& control)
{
    if (control.Index() == fw::kNoIndex)
        return control.Name();
    return control.Name() + "(" + std::to_string(control.Index()) + ")";
}

} // namespace calendartest
