// SPDX-License-Identifier: GPL-3.0-or-later
// The calendar window's input group as the user sees it: the date field
// between its caps with its arrows, and the two number fields in their frames.
#include "controls/datefield.h"
#include "controls/roundededitfieldcanvas.h"
#include "controls/roundededitfieldfield.h"

#include "controls/controltestwindow.h"
#include "app/pictureresources.h"
#include "framework/gui/canvas.h"
#include "framework/gui/groupbox.h"
#include "framework/gui/statictext.h"
#include "framework/gui/updownarrows.h"
#include "prefs/bprefs.h"
#include "support/gui.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace {

using controls::DateField;
using controls::RoundedEditFieldCanvas;
using controls::RoundedEditFieldField;
using controltest::ControlTest;
using controltest::ControlWindow;

class InputGroupTest : public ControlTest {
protected:
    void SetUp() override
    {
        ControlTest::SetUp();
        BPrefs::ResetForTesting();
        BPrefs::SetValue("fechamens1", fw::Date(2011, 8, 17, 9, 0, 0));
    }
    void TearDown() override
    {
        BPrefs::ResetForTesting();
        ControlTest::TearDown();
    }

    template <class T>
    static T* Label(ControlWindow& w, const std::string& name, int left, int top, int width, const char* text)
    {
        T* label = w.Add<T>(name, left, top, width, 20);
        label->SetProperty(std::is_same_v<T, fw::GroupBox> ? "Caption" : "Text", text);
        label->SetProperty("InitialParent", name == "GroupBox3" ? "" : "GroupBox3");
        return label;
    }

    RoundedEditFieldField* NumberField(ControlWindow& w, const char* canvasName, const char* name, int top,
                                       const char* text, RoundedEditFieldCanvas*& frame)
    {
        frame = w.Add<RoundedEditFieldCanvas>(canvasName, 514, top, 92, 20);
        frame->SetProperty("InitialParent", "GroupBox3");
        auto* f = w.Add<RoundedEditFieldField>(name, 538, top, 56, 17);
        f->SetProperty("InitialParent", canvasName);
        f->SetProperty("Text", text);
        f->SetProperty("Border", false);
        f->SetProperty("Alignment", 2);
        f->SetProperty("UseFocusRing", false);
        frame->Open.Bind([frame, f] { frame->SetEditField(f); });
        f->KeyDown.Bind([frame, f](const std::string&) {
            f->SetCanvas(frame);
            return false;
        });
        return f;
    }

    ControlWindow* MakeInputGroup()
    {
        ControlWindow* w = MakeWindow(
            [this](ControlWindow& w) {
                w.SetBackdrop(backg1());
                auto* group = Label<fw::GroupBox>(w, "GroupBox3", 506, 24, 175, "I want to");
                group->SetProperty("Height", 256);
                group->SetProperty("TextFont", "SmallSystem");
                group->SetProperty("TextSize", 12);
                group->SetProperty("Bold", true);
                Label<fw::StaticText>(w, "StaticText1", 514, 139, 167, "Date of Last Menstruation");
                date = w.Add<DateField>("fechamens1", 520, 160, 82, 20);
                date->SetProperty("InitialParent", "GroupBox3");
                date->SetProperty("TextFont", "System");
                date->SetProperty("TextSize", 12);
                date->SetProperty("ReadOnly", false);
                date->SetProperty("UseFocusRing", false);
                date->SetProperty("Editable", false);
                arrows1 = w.Add<fw::UpDownArrows>("UpDownArrows1", 613, 160, 13, 23);
                arrows1->Up.Bind([this] { date->SelectionUp(); });
                arrows1->Down.Bind([this] { date->SelectionDown(); });
                Label<fw::StaticText>(w, "StaticText2", 514, 185, 163, "Average Cycle Length");
                cycle = NumberField(w, "rcanvas1", "durciclo", 206, "28", frame1);
                w.Add<fw::UpDownArrows>("UpDownArrows2", 612, 205, 13, 23);
                Label<fw::StaticText>(w, "StaticText9", 514, 226, 163, "Luteal Phase Length");
                luteal = NumberField(w, "rcanvas2", "luteo", 248, "14", frame2);
                w.Add<fw::UpDownArrows>("UpDownArrows3", 612, 248, 13, 23);
                // The caps lie above the date field's ends.
                for (const auto& [name, left, picture] :
                     {std::tuple{"Canvas1", 514, REFLeftPic()}, std::tuple{"Canvas2", 598, REFRightPic()}}) {
                    auto* cap = w.Add<fw::Canvas>(name, left, 160, 14, 20);
                    cap->SetProperty("InitialParent", "GroupBox3");
                    cap->SetBackdrop(picture);
                }
            },
            702, 335);
        return w;
    }

    DateField* date = nullptr;
    fw::UpDownArrows* arrows1 = nullptr;
    RoundedEditFieldCanvas* frame1 = nullptr;
    RoundedEditFieldField* cycle = nullptr;
    RoundedEditFieldCanvas* frame2 = nullptr;
    RoundedEditFieldField* luteal = nullptr;
};

TEST_F(InputGroupTest, ClicksAndKeysDriveTheInputs)
{
    ControlWindow* w = MakeInputGroup();
    EXPECT_EQ(date->Text(), "2011/08/17");
    EXPECT_EQ(cycle->Left(), 524);
    EXPECT_EQ(cycle->Width(), 72);
    EXPECT_TRUE(std::filesystem::exists(testenv::screenshot(w, "inputgroup-rest")));

    // A click on the month of the date field selects it; the arrows step it.
    const std::optional<QPoint> month = controltest::PointOfIndex(date, 6);
    ASSERT_TRUE(month);
    testenv::clickAt(w, month->x(), month->y());
    EXPECT_TRUE(date->HasFocus());
    EXPECT_EQ(date->SelText(), "08");
    testenv::clickAt(w, 619, 164);
    testenv::clickAt(w, 619, 164);
    EXPECT_EQ(date->Text(), "2011/10/17");
    EXPECT_EQ(date->SelText(), "10");
    testenv::key(date, Qt::Key_Right);
    EXPECT_EQ(date->SelText(), "17");
    EXPECT_TRUE(std::filesystem::exists(testenv::screenshot(w, "inputgroup-date-focused")));

    // The cycle length takes the keys; its frame shows the focus.
    testenv::click(cycle);
    EXPECT_TRUE(cycle->HasFocus());
    EXPECT_FALSE(date->HasFocus());
    testenv::key(cycle, Qt::Key_End);
    testenv::key(cycle, Qt::Key_Backspace);
    testenv::type(cycle, "9");
    EXPECT_EQ(cycle->Text(), "29");
    EXPECT_EQ(cycle->MyCanvas(), frame1);
    EXPECT_TRUE(std::filesystem::exists(testenv::screenshot(w, "inputgroup-number-focused")));

    // The date field keeps its part without the focus.
    testenv::clickAt(w, 619, 179);
    EXPECT_EQ(date->Text(), "2011/10/16");
}

} // namespace
