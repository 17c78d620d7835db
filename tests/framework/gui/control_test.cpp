// SPDX-License-Identifier: GPL-3.0-or-later
#include "framework/gui/editfield.h"
#include "framework/gui/groupbox.h"
#include "framework/gui/radiobutton.h"
#include "framework/gui/shapes.h"
#include "framework/gui/statictext.h"
#include "support/guifixture.h"

#include <QTest>
#include <QWidget>
#include "support/gui.h"

#include <QAbstractButton>
#include <QApplication>
#include <QLabel>
#include <QWidget>

#include <map>

#include <gtest/gtest.h>

namespace {

using testenv::Add;
using GuiTest = testenv::GuiFixture;
using testenv::TestWindow;
using ControlTest = GuiTest;

// group > box (set member "cell$2") > label; an orphan label beside them.
TEST_F(ControlTest, VisibilityFollowsLogicalParents)
{
    fw::GroupBox* group = nullptr;
    fw::Rectangle* cell = nullptr;
    fw::StaticText *label = nullptr, *hiddenChild = nullptr;
    TestWindow* w = MakeWindow([&](TestWindow& win) {
        group = Add<fw::GroupBox>(win, "group", 10, 10, 200, 150);
        cell = Add<fw::Rectangle>(win, "cell", 20, 30, 50, 50, "group", 2);
        label = Add<fw::StaticText>(win, "label", 25, 35, 40, 20, "cell$2");
        hiddenChild = Add<fw::StaticText>(win, "hiddenChild", 25, 60, 40, 20, "cell$2");
        hiddenChild->SetProperty("Visible", false);
    });
    ASSERT_EQ(label->Parent(), cell);
    ASSERT_EQ(cell->Parent(), group);
    EXPECT_EQ(w->FindControl("cell", 2), cell);

    struct Row { const char* name; bool groupVisible, cellVisible, groupShown, cellShown, labelShown; };
    const Row rows[] = {
        {"all visible", true, true, true, true, true},
        {"group hidden hides all below", false, true, false, false, false},
        {"cell hidden hides its label", true, false, true, false, false},
        {"both hidden", false, false, false, false, false},
        {"shown again: own Visible decides", true, true, true, true, true},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        group->SetVisible(row.groupVisible);
        cell->SetVisible(row.cellVisible);
        EXPECT_EQ(group->Shown(), row.groupShown);
        EXPECT_EQ(cell->Shown(), row.cellShown);
        EXPECT_EQ(label->Shown(), row.labelShown);
        EXPECT_FALSE(hiddenChild->Shown());
        // What the user sees.
        EXPECT_EQ(label->Handle()->isVisible(), row.labelShown);
        EXPECT_EQ(cell->Handle()->isVisible(), row.cellShown);
        // The own flag is never touched by a parent.
        EXPECT_TRUE(label->Visible());
        EXPECT_FALSE(hiddenChild->Visible());
    }
}

TEST_F(ControlTest, ControlsOutsideTheContentAreaNeverShowOrTakeFocus)
{
    struct Row { const char* name; int left, top, width, height; bool shown; };
    const Row rows[] = {
        {"inside", 10, 10, 80, 22, true},
        {"partly outside on the left", -53, 10, 80, 22, true},
        {"wholly left", -53, 211, 29, 20, false},
        {"wholly above", 10, -39, 80, 20, false},
        {"touching the top edge from above", 10, -22, 80, 22, false},
        {"wholly right", 300, 10, 80, 22, false},
        {"wholly below", 10, 200, 80, 22, false},
    };
    std::vector<fw::EditField*> fields;
    MakeWindow([&](TestWindow& win) {
        for (const Row& row : rows)
            fields.push_back(Add<fw::EditField>(win, row.name, row.left, row.top, row.width, row.height));
    });
    for (std::size_t i = 0; i < std::size(rows); ++i) {
        SCOPED_TRACE(rows[i].name);
        EXPECT_TRUE(fields[i]->Visible());
        EXPECT_EQ(fields[i]->Shown(), rows[i].shown);
        EXPECT_EQ(fields[i]->Handle()->isVisible(), rows[i].shown);
        fields[i]->SetFocus();
        EXPECT_EQ(fields[i]->Handle()->hasFocus(), rows[i].shown);
    }
}

TEST_F(ControlTest, SelectingARadioButtonClearsOnlyItsGroup)
{
    // a1, a2, a3 on the window; b1, b2 inside a group box.
    std::map<std::string, fw::RadioButton*> radios;
    std::vector<std::string> actions;
    TestWindow* w = MakeWindow([&](TestWindow& win) {
        Add<fw::GroupBox>(win, "box", 150, 10, 140, 120);
        for (const char* name : {"a1", "a2", "a3", "b1", "b2"}) {
            const bool inBox = name[0] == 'b';
            const int top = 10 + 25 * int(radios.size());
            auto* r = Add<fw::RadioButton>(win, name, inBox ? 160 : 10, top, 120, 20, inBox ? "box" : "");
            r->SetCaption(name);
            r->Action.Bind([&actions, name] { actions.push_back(name); });
            radios[name] = r;
        }
        radios["a1"]->SetProperty("Value", true);
        radios["b2"]->SetProperty("Value", true);
    });

    struct Row {
        const char* name;
        const char* select;
        bool byClick;
        const char* selected;
        std::vector<std::string> actions;
    };
    const Row rows[] = {
        {"click a2", "a2", true, "a2 b2", {"a2"}},
        {"click the selected one again", "a2", true, "a2 b2", {}},
        {"code selects b1", "b1", false, "a2 b1", {"b1"}},
        {"code selects a3", "a3", false, "a3 b1", {"a3"}},
        {"click b2", "b2", true, "a3 b2", {"b2"}},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        actions.clear();
        if (row.byClick)
            testenv::click(radios[row.select]);
        else
            radios[row.select]->SetValue(true);
        std::string selected;
        for (const auto& [name, r] : radios) {
            // What the user sees agrees with Value.
            EXPECT_EQ(static_cast<QAbstractButton*>(r->Handle())->isChecked(), r->Value()) << name;
            if (r->Value())
                selected += (selected.empty() ? "" : " ") + name;
        }
        EXPECT_EQ(selected, row.selected);
        EXPECT_EQ(actions, row.actions);
    }
    EXPECT_EQ(w->Find<fw::RadioButton>("b2"), radios["b2"]);
}

TEST_F(ControlTest, FontsArePixelSizesWithTheSystemDefaults)
{
    struct Row { const char* name; std::string font; std::int32_t size; int pixels; bool customFamily; };
    const Row rows[] = {
        {"System default", "System", 0, 13, false},
        {"SmallSystem default", "SmallSystem", 0, 11, false},
        {"smallSystem as stored", "smallSystem", 0, 11, false},
        {"SmallSystem 12", "SmallSystem", 12, 12, false},
        {"System 18", "System", 18, 18, false},
        {"named font", "genevacy", 10, 10, true},
    };
    std::vector<fw::StaticText*> labels;
    MakeWindow([&](TestWindow& w) {
        for (const Row& row : rows) {
            auto* label = Add<fw::StaticText>(w, row.name, 0, 20 * int(labels.size()), 200, 20);
            label->SetProperty("TextFont", row.font);
            label->SetProperty("TextSize", row.size);
            labels.push_back(label);
        }
    });
    for (std::size_t i = 0; i < std::size(rows); ++i) {
        SCOPED_TRACE(rows[i].name);
        const QFont font = labels[i]->Handle()->font();
        EXPECT_EQ(font.pixelSize(), rows[i].pixels);
        EXPECT_EQ(font.family() == QApplication::font().family(), !rows[i].customFamily);
    }
    labels[0]->SetBold(true);
    EXPECT_TRUE(labels[0]->Handle()->font().bold());
}

TEST_F(ControlTest, StaticTextIsPlainTextWithCarriageReturnsAsLineBreaks)
{
    fw::StaticText* label = nullptr;
    MakeWindow([&](TestWindow& w) { label = Add<fw::StaticText>(w, "label", 10, 10, 200, 60); });
    struct Row { const char* name; std::string text; QString shown; };
    const Row rows[] = {
        {"carriage return", "Quick Start!\r\r  1 - Enter", "Quick Start!\n\n  1 - Enter"},
        {"carriage return and line feed", "a\r\nb", "a\nb"},
        {"markup stays text", "<b>Help</b> &amp;", "<b>Help</b> &amp;"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        label->SetText(row.text);
        EXPECT_EQ(label->Text(), row.text);
        auto* qlabel = qobject_cast<QLabel*>(label->Handle());
        ASSERT_NE(qlabel, nullptr);
        EXPECT_EQ(qlabel->text(), row.shown);
        EXPECT_EQ(qlabel->textFormat(), Qt::PlainText);
    }
}

} // namespace
