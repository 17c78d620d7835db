// SPDX-License-Identifier: GPL-3.0-or-later
// The glossy month buttons beside the other custom inputs, as the calendar
// window holds them: driven by clicks and keys, with screenshots at rest and
// while each button is pressed.
#include "controls/cabclass.h"
#include "controls/datefield.h"
#include "controls/roundededitfieldcanvas.h"
#include "controls/roundededitfieldfield.h"

#include "app/pictureresources.h"
#include "controls/controltestwindow.h"
#include "framework/core/date.h"
#include "framework/core/text.h"
#include "framework/gui/canvas.h"
#include "framework/gui/statictext.h"
#include "framework/gui/updownarrows.h"
#include "prefs/bprefs.h"
#include "support/gui.h"

#include <gtest/gtest.h>

#include <array>
#include <filesystem>
#include <string>

namespace {

using controls::CABClass;
using controls::DateField;
using controls::RoundedEditFieldCanvas;
using controls::RoundedEditFieldField;
using controltest::ControlTest;
using controltest::ControlWindow;

constexpr std::array<const char*, 12> kMonths = {"January", "February", "March",     "April",   "May",      "June",
                                                 "July",    "August",   "September", "October", "November", "December"};

class MonthButtonsTest : public ControlTest {
protected:
    void SetUp() override
    {
        ControlTest::SetUp();
        BPrefs::ResetForTesting();
        BPrefs::SetValue("fechamens1", fw::Date(2011, 8, 17, 9, 0, 0));
        const auto now = std::int64_t(fw::Date(2007, 3, 5, 10, 30, 0).TotalSeconds());
        fw::Date::SetClock([now] { return now; });
    }
    void TearDown() override
    {
        fw::Date::SetClock({});
        BPrefs::ResetForTesting();
        ControlTest::TearDown();
    }

    void ShowMonth()
    {
        label->SetText(std::string(kMonths[std::size_t(month - 1)]) + " " + fw::Str(year));
    }
    void Page(int delta)
    {
        month += delta;
        if (month < 1)
            month = 12, --year;
        if (month > 12)
            month = 1, ++year;
        ShowMonth();
    }

    // A number field in its rounded frame with its stepping arrows.
    RoundedEditFieldField* NumberField(ControlWindow& w, const std::string& suffix, int top, const char* text, int low,
                                       int high)
    {
        auto* frame = w.Add<RoundedEditFieldCanvas>("rcanvas" + suffix, 160, top, 92, 20);
        auto* field = w.Add<RoundedEditFieldField>("field" + suffix, 170, top, 56, 17);
        field->SetProperty("Text", text);
        field->SetProperty("Border", false);
        field->SetProperty("Alignment", 2);
        field->SetProperty("UseFocusRing", false);
        frame->Open.Bind([frame, field] { frame->SetEditField(field); });
        field->KeyDown.Bind([frame, field](const std::string&) {
            field->SetCanvas(frame);
            return false;
        });
        auto* arrows = w.Add<fw::UpDownArrows>("UpDownArrows" + suffix, 258, top - 1, 13, 23);
        const auto step = [field, low, high](int delta) {
            const int value = fw::ToInt32(fw::Val(field->Text())) + delta;
            if (value >= low && value <= high)
                field->SetText(fw::Str(value));
        };
        arrows->Up.Bind([step] { step(1); });
        arrows->Down.Bind([step] { step(-1); });
        return field;
    }

    ControlWindow* MakeCalendarInputs()
    {
        return MakeWindow(
            [this](ControlWindow& w) {
                w.SetBackdrop(backg1());
                label = w.Add<fw::StaticText>("boxcal", 20, 22, 220, 18);
                label->SetProperty("TextFont", "System");
                label->SetProperty("Bold", true);
                // The calendar's three month buttons, at their places and size.
                back = w.Add<CABClass>("mesanterior", 269, 20, 20, 20);
                today = w.Add<CABClass>("mesanterior3", 291, 20, 20, 20);
                forward = w.Add<CABClass>("mesproximo", 313, 20, 20, 20);
                back->Open.Bind([this] { back->SetBackButton(true); });
                today->Open.Bind([this] { today->SetStopButton(true); });
                forward->Open.Bind([this] { forward->SetForwardButton(true); });
                back->MouseDown.Bind([this](int, int) { Page(-1); });
                forward->MouseDown.Bind([this](int, int) { Page(1); });
                today->MouseDown.Bind([this](int, int) {
                    const fw::Date now;   // the current date and time
                    month = now.Month();
                    year = now.Year();
                    ShowMonth();
                    ++calculated;
                });

                for (const auto& [name, left, picture] :
                     {std::tuple{"Canvas1", 20, REFLeftPic()}, std::tuple{"Canvas2", 104, REFRightPic()}}) {
                    auto* cap = w.Add<fw::Canvas>(name, left, 60, 14, 20);
                    cap->SetBackdrop(picture);
                }
                date = w.Add<DateField>("fechamens1", 26, 60, 82, 20);
                date->SetProperty("TextFont", "System");
                date->SetProperty("TextSize", 12);
                date->SetProperty("ReadOnly", false);
                date->SetProperty("UseFocusRing", false);
                date->SetProperty("Editable", false);
                auto* arrows = w.Add<fw::UpDownArrows>("UpDownArrows1", 123, 59, 13, 23);
                arrows->Up.Bind([this] { date->SelectionUp(); });
                arrows->Down.Bind([this] { date->SelectionDown(); });

                cycle = NumberField(w, "2", 60, "28", 15, 40);
                luteal = NumberField(w, "3", 95, "14", 8, 20);
            },
            360, 130);
    }

    int month = 3;
    int year = 2007;
    int calculated = 0;
    fw::StaticText* label = nullptr;
    CABClass* back = nullptr;
    CABClass* today = nullptr;
    CABClass* forward = nullptr;
    DateField* date = nullptr;
    RoundedEditFieldField* cycle = nullptr;
    RoundedEditFieldField* luteal = nullptr;
};

TEST_F(MonthButtonsTest, ClicksAndKeysDriveTheButtonsAndFields)
{
    ControlWindow* w = MakeCalendarInputs();
    ShowMonth();
    EXPECT_EQ(back->SymbolType(), ".back");
    EXPECT_EQ(today->SymbolType(), ".stop");
    EXPECT_EQ(forward->SymbolType(), ".forw");
    EXPECT_TRUE(std::filesystem::exists(testenv::screenshot(w, "cabclass-calendar-rest")));

    struct Row {
        const char* name;
        CABClass* button;
        const char* shot;
        const char* monthShown;
        int calculated;
    };
    const Row rows[] = {
        {"next month", forward, "cabclass-calendar-forward-pressed", "April 2007", 0},
        {"next again", forward, nullptr, "May 2007", 0},
        {"previous month", back, "cabclass-calendar-back-pressed", "April 2007", 0},
        {"today", today, "cabclass-calendar-stop-pressed", "March 2007", 1},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        // The window acts on the press; the pressed picture shows until release.
        testenv::press(row.button);
        EXPECT_EQ(label->Text(), row.monthShown);
        EXPECT_EQ(calculated, row.calculated);
        if (row.shot) {
            EXPECT_TRUE(std::filesystem::exists(testenv::screenshot(w, row.shot)));
        }
        testenv::release(row.button);
        testenv::runFor(20);
    }

    // The date field's arrows step the part holding the caret (the year at first).
    testenv::click(date);
    testenv::key(date, Qt::Key_Home);
    const std::string before = date->Text();
    testenv::clickAt(w, 129, 63);
    EXPECT_NE(date->Text(), before);

    // The number fields take keys and their arrows.
    testenv::click(cycle);
    testenv::key(cycle, Qt::Key_End);
    testenv::key(cycle, Qt::Key_Backspace);
    testenv::type(cycle, "9");
    EXPECT_EQ(cycle->Text(), "29");
    testenv::clickAt(w, 264, 63);
    EXPECT_EQ(cycle->Text(), "30");
    testenv::clickAt(w, 264, 114);
    EXPECT_EQ(luteal->Text(), "13");
    EXPECT_TRUE(std::filesystem::exists(testenv::screenshot(w, "cabclass-calendar-after")));
}

} // namespace
