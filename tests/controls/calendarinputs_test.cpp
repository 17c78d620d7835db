// SPDX-License-Identifier: GPL-3.0-or-later
// The custom inputs as the calendar window holds them: the three glossy
// month buttons, the date field between its caps with its arrows, and the two
// number fields in their frames. Driven by clicks and keys, with screenshots
// at rest, while each button is pressed and with each field focused.
#include "controls/cabclass.h"
#include "controls/datefield.h"

#include "resources/pictureresources.h"
#include "controls/controltestwindow.h"
#include "framework/core/date.h"
#include "framework/core/text.h"
#include "framework/gui/canvas.h"
#include "framework/gui/groupbox.h"
#include "framework/gui/statictext.h"
#include "framework/gui/updownarrows.h"
#include "prefs/bprefs.h"
#include "support/gui.h"

#include <gtest/gtest.h>

#include <array>
#include <filesystem>
#include <string>
#include <tuple>

namespace {

using controls::CABClass;
using controls::DateField;
using controls::RoundedEditFieldCanvas;
using controls::RoundedEditFieldField;
using controltest::ControlTest;
using controltest::ControlWindow;

constexpr std::array<const char*, 12> kMonths = {"January", "February", "March",     "April",   "May",      "June",
                                                 "July",    "August",   "September", "October", "November", "December"};

class CalendarInputsTest : public ControlTest {
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

    void ShowMonth() { label->SetText(std::string(kMonths[std::size_t(month - 1)]) + " " + fw::Str(year)); }
    void Page(int delta)
    {
        month += delta;
        if (month < 1)
            month = 12, --year;
        if (month > 12)
            month = 1, ++year;
        ShowMonth();
    }

    // A number field in its frame, with arrows that step it within its range.
    RoundedEditFieldField* NumberField(ControlWindow& w, const std::string& suffix, const std::string& name, int top,
                                       const char* text, int low, int high, RoundedEditFieldCanvas*& frame)
    {
        RoundedEditFieldField* field =
            controltest::AddNumberField(w, "rcanvas" + suffix, name, 514, top, text, &frame);
        frame->SetInitialParent("GroupBox3");
        field->SetInitialParent("rcanvas" + suffix);
        auto* arrows = w.Add<fw::UpDownArrows>("UpDownArrows" + suffix, 612, top - 1, 13, 23);
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
                back = w.Add<CABClass>("mesanterior", 269, 20, 20, 20);
                today = w.Add<CABClass>("mesanterior3", 291, 20, 20, 20);
                forward = w.Add<CABClass>("mesproximo", 313, 20, 20, 20);
                back->Open.Bind([this] { back->SetBackButton(true); });
                today->Open.Bind([this] { today->SetStopButton(true); });
                forward->Open.Bind([this] { forward->SetForwardButton(true); });
                back->MouseDown.Bind([this](int, int) { Page(-1); });
                forward->MouseDown.Bind([this](int, int) { Page(1); });
                today->MouseDown.Bind([this](int, int) {
                    const fw::Date now;
                    month = now.Month();
                    year = now.Year();
                    ShowMonth();
                    ++calculated;
                });

                auto* group = w.Add<fw::GroupBox>("GroupBox3", 506, 24, 175, 256);
                group->SetProperty("Caption", "I want to");
                group->SetProperty("TextFont", "SmallSystem");
                group->SetProperty("TextSize", 12);
                group->SetProperty("Bold", true);
                const auto caption = [&w](const char* name, int top, const char* text) {
                    auto* t = w.Add<fw::StaticText>(name, 514, top, 167, 20);
                    t->SetProperty("Text", text);
                    t->SetInitialParent("GroupBox3");
                };
                caption("StaticText1", 139, "Date of Last Menstruation");
                date = w.Add<DateField>("fechamens1", 520, 160, 82, 20);
                date->SetInitialParent("GroupBox3");
                date->SetProperty("TextFont", "System");
                date->SetProperty("TextSize", 12);
                date->SetProperty("ReadOnly", false);
                date->SetProperty("UseFocusRing", false);
                date->SetProperty("Editable", false);
                auto* arrows = w.Add<fw::UpDownArrows>("UpDownArrows1", 613, 160, 13, 23);
                arrows->Up.Bind([this] { date->SelectionUp(); });
                arrows->Down.Bind([this] { date->SelectionDown(); });
                caption("StaticText2", 185, "Average Cycle Length");
                cycle = NumberField(w, "1", "durciclo", 206, "28", 15, 40, frame1);
                caption("StaticText9", 226, "Luteal Phase Length");
                luteal = NumberField(w, "2", "luteo", 248, "14", 8, 20, frame2);
                // The caps lie above the date field's ends.
                for (const auto& [name, left, picture] :
                     {std::tuple{"Canvas1", 514, REFLeftPic()}, std::tuple{"Canvas2", 598, REFRightPic()}}) {
                    auto* cap = w.Add<fw::Canvas>(name, left, 160, 14, 20);
                    cap->SetInitialParent("GroupBox3");
                    cap->SetBackdrop(picture);
                }
            },
            702, 335);
    }

    int month = 3;
    int year = 2007;
    int calculated = 0;
    fw::StaticText* label = nullptr;
    CABClass* back = nullptr;
    CABClass* today = nullptr;
    CABClass* forward = nullptr;
    DateField* date = nullptr;
    RoundedEditFieldCanvas* frame1 = nullptr;
    RoundedEditFieldField* cycle = nullptr;
    RoundedEditFieldCanvas* frame2 = nullptr;
    RoundedEditFieldField* luteal = nullptr;
};

TEST_F(CalendarInputsTest, ClicksAndKeysDriveTheButtonsAndFields)
{
    ControlWindow* w = MakeCalendarInputs();
    ShowMonth();
    EXPECT_EQ(back->SymbolType(), ".back");
    EXPECT_EQ(today->SymbolType(), ".stop");
    EXPECT_EQ(forward->SymbolType(), ".forw");
    EXPECT_EQ(date->Text(), "2011/08/17");
    EXPECT_EQ(cycle->Left(), 524);
    EXPECT_EQ(cycle->Width(), 72);
    EXPECT_TRUE(std::filesystem::exists(testenv::screenshot(w, "calendarinputs-rest")));

    struct Row {
        const char* name;
        CABClass* button;
        const char* shot;
        const char* monthShown;
        int calculated;
    };
    const Row rows[] = {
        {"next month", forward, "calendarinputs-forward-pressed", "April 2007", 0},
        {"next again", forward, nullptr, "May 2007", 0},
        {"previous month", back, "calendarinputs-back-pressed", "April 2007", 0},
        {"today", today, "calendarinputs-stop-pressed", "March 2007", 1},
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

    // A click on the month of the date field selects it; the arrows step it.
    const std::optional<QPoint> monthPart = controltest::PointOfIndex(date, 6);
    ASSERT_TRUE(monthPart);
    testenv::clickAt(w, monthPart->x(), monthPart->y());
    EXPECT_TRUE(date->HasFocus());
    EXPECT_EQ(date->SelText(), "08");
    testenv::clickAt(w, 619, 164);
    testenv::clickAt(w, 619, 164);
    EXPECT_EQ(date->Text(), "2011/10/17");
    EXPECT_EQ(date->SelText(), "10");
    testenv::key(date, Qt::Key_Right);
    EXPECT_EQ(date->SelText(), "17");
    EXPECT_TRUE(std::filesystem::exists(testenv::screenshot(w, "calendarinputs-date-focused")));

    // The cycle length takes the keys and its arrows; its frame shows the focus.
    testenv::click(cycle);
    EXPECT_TRUE(cycle->HasFocus());
    EXPECT_FALSE(date->HasFocus());
    testenv::key(cycle, Qt::Key_End);
    testenv::key(cycle, Qt::Key_Backspace);
    testenv::type(cycle, "9");
    EXPECT_EQ(cycle->Text(), "29");
    EXPECT_EQ(cycle->MyCanvas(), frame1);
    EXPECT_TRUE(std::filesystem::exists(testenv::screenshot(w, "calendarinputs-number-focused")));
    testenv::clickAt(w, 618, 209);
    EXPECT_EQ(cycle->Text(), "30");
    testenv::clickAt(w, 618, 267);
    EXPECT_EQ(luteal->Text(), "13");

    // The date field keeps its part without the focus.
    testenv::clickAt(w, 619, 179);
    EXPECT_EQ(date->Text(), "2011/10/16");
}

} // namespace
