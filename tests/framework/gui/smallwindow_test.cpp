// SPDX-License-Identifier: GPL-3.0-or-later
// A small window built in code, as the generated layout code builds one,
// driven by clicks and keys.
#include "framework/gui/canvas.h"
#include "framework/gui/chasingarrows.h"
#include "framework/gui/checkbox.h"
#include "framework/gui/editfield.h"
#include "framework/gui/graphics.h"
#include "framework/gui/groupbox.h"
#include "framework/gui/listbox.h"
#include "framework/gui/menubar.h"
#include "framework/gui/popupmenu.h"
#include "framework/gui/progressbar.h"
#include "framework/gui/pushbutton.h"
#include "framework/gui/radiobutton.h"
#include "framework/gui/shapes.h"
#include "framework/gui/statictext.h"
#include "framework/gui/updownarrows.h"
#include "support/guifixture.h"

#include <QTest>
#include <QWidget>
#include "support/gui.h"

#include <QImage>

#include <gtest/gtest.h>

#include <array>
#include <filesystem>

namespace {

using testenv::Add;
using GuiTest = testenv::GuiFixture;
using testenv::Set;
using Kind = fw::MenuRow::Kind;

class CycleForm : public fw::Window {
public:
    std::vector<std::string> results;

    fw::EditField* length = nullptr;
    fw::UpDownArrows* arrows = nullptr;
    fw::RadioButton* avoid = nullptr;
    fw::RadioButton* conceive = nullptr;
    fw::CheckBox* remember = nullptr;
    fw::PopupMenu* menses = nullptr;
    fw::PushButton* ok = nullptr;

protected:
    void Layout() override
    {
        SetTitle("Cycle");
        SetWidth(360);
        SetHeight(230);
        SetHasBackColor(true);
        SetBackColor(fw::RGB(0xEE, 0xEE, 0xF4));
    }
    void CreateControls() override
    {
        Set(Add<fw::RoundRectangle>(*this, "band", 10, 10, 340, 34),
            {{"FillColor", fw::RGB(0xFD, 0xFF, 0xC9)}, {"BorderColor", fw::RGB(0x8F, 0x8F, 0x8F)}, {"BorderWidth", 2},
             {"OvalWidth", 16}, {"OvalHeight", 16}});
        Set(Add<fw::StaticText>(*this, "title", 20, 18, 320, 20, "band"),
            {{"Text", std::string("Average Cycle Length")}, {"TextAlign", 1}, {"Bold", true}});

        length = Add<fw::EditField>(*this, "length", 20, 60, 60, 22);
        Set(length, {{"Text", std::string("28")}, {"Alignment", 2}});
        arrows = Add<fw::UpDownArrows>(*this, "arrows", 84, 59, 13, 23);
        Set(Add<fw::StaticText>(*this, "unit", 104, 62, 60, 20),
            {{"Text", std::string("days")}, {"TextFont", std::string("SmallSystem")}});

        Add<fw::GroupBox>(*this, "goal", 180, 52, 170, 80)->SetCaption("I want to");
        avoid = Add<fw::RadioButton>(*this, "avoid", 190, 74, 150, 20, "goal");
        avoid->SetCaption("Avoid Pregnancy");
        conceive = Add<fw::RadioButton>(*this, "conceive", 190, 98, 150, 20, "goal");
        conceive->SetCaption("Conceive Child");
        conceive->SetProperty("Value", true);

        menses = Add<fw::PopupMenu>(*this, "menses", 20, 96, 80, 22);
        menses->SetInitialValue("3\r4\r5\r6\r7");
        menses->SetProperty("ListIndex", 2);
        remember = Add<fw::CheckBox>(*this, "remember", 20, 140, 200, 20);
        remember->SetCaption("Always show this alert.");
        remember->SetProperty("Value", true);

        Add<fw::Canvas>(*this, "swatch", 240, 140, 40, 20)->Paint.Bind([](fw::Graphics& g) {
            g.SetForeColor(fw::RGB(0xFF, 0x6F, 0x7D));
            g.FillOval(0, 0, 20, 20);
            g.SetForeColor(fw::RGB(0x9B, 0xDC, 0x5F));
            g.FillOval(20, 0, 20, 20);
        });
        Set(Add<fw::Line>(*this, "rule", 0, 0, 0, 0),
            {{"X1", 10}, {"Y1", 170}, {"X2", 350}, {"Y2", 170}, {"LineColor", fw::RGB(0x81, 0x81, 0x81)}});
        Set(Add<fw::ProgressBar>(*this, "progress", 20, 180, 120, 12), {{"Maximum", 10}, {"Value", 4}});
        Add<fw::StaticText>(*this, "hidden", -53, 211, 29, 20)->SetProperty("Text", std::string("1"));

        auto* cancel = Add<fw::PushButton>(*this, "cancel", 170, 200, 80, 22);
        Set(cancel, {{"Caption", std::string("Cancel")}, {"Cancel", true}});
        ok = Add<fw::PushButton>(*this, "ok", 260, 200, 80, 22);
        Set(ok, {{"Caption", std::string("Calculate")}, {"Default", true}});

        arrows->Up.Bind(this, &CycleForm::arrows_Up);
        arrows->Down.Bind(this, &CycleForm::arrows_Down);
        ok->Action.Bind(this, &CycleForm::ok_Action);
        cancel->Action.Bind([this] { results.push_back("cancelled"); });
    }

private:
    void Step(int by)
    {
        const int value = std::stoi(length->Text()) + by;
        if (value >= 15 && value <= 40)
            length->SetText(std::to_string(value));
    }
    void arrows_Up() { Step(1); }
    void arrows_Down() { Step(-1); }
    void ok_Action()
    {
        results.push_back(length->Text() + " " + (avoid->Value() ? "avoid" : "conceive") + " " + menses->Text() +
                          (remember->Value() ? " remember" : ""));
    }
};

using SmallWindow = GuiTest;

TEST_F(SmallWindow, BuiltInCodeAndDrivenByClicksAndKeys)
{
    fw::MenuBar bar;
    const std::array<fw::MenuRow, 3> rows{{
        {"", "FileMenu", Kind::Item, "&File", "", false},
        {"FileMenu", "FileQuit", Kind::Quit, "Quit", "Cmd+Q", true},
        {"", "HelpMenu", Kind::Item, "Help", "", true},
    }};
    bar.Build(rows);
    CycleForm* w = fw::WindowInstance<CycleForm>();
    w->SetMenuBar(&bar);
    w->Show();
    ASSERT_TRUE(QTest::qWaitForWindowActive(w->Handle()));
    EXPECT_FALSE(w->Find<fw::StaticText>("hidden")->Shown());

    // The user: two clicks on the upper arrow and one on the lower, then
    // Calculate; picks "Avoid", clears the box, types over the field's text,
    // then presses Return and Escape.
    testenv::clickAt(w, 90, 62);
    testenv::clickAt(w, 90, 62);
    testenv::clickAt(w, 90, 79);
    EXPECT_EQ(w->length->Text(), "29");
    w->ok->Push();
    testenv::click(w->avoid);
    EXPECT_FALSE(w->conceive->Value());
    testenv::click(w->remember);
    w->length->SetFocus();
    w->length->SetSelStart(0);
    w->length->SetSelLength(2);
    testenv::type(w->length, "31");
    w->menses->SetListIndex(4);
    testenv::key(w->length, Qt::Key_Return);
    testenv::key(w->length, Qt::Key_Escape);
    EXPECT_EQ(w->results, (std::vector<std::string>{"29 conceive 5 remember", "31 avoid 7", "cancelled"}));

    const auto file = testenv::screenshot(w, "framework_small_window");
    ASSERT_TRUE(std::filesystem::exists(file));
    const QImage shot(QString::fromStdString(file.string()));
    EXPECT_EQ(shot.width(), w->Handle()->width());
    EXPECT_GT(shot.height(), 230);
}

} // namespace
