// SPDX-License-Identifier: GPL-3.0-or-later
// The calendar window as its layout builds it: creation order, classes, the
// control sets, logical parents, the day grid's geometry and the hidden
// state controls with their stored values.
#include "calendarwindow.h"

#include "framework/gui/editfield.h"
#include "framework/gui/listbox.h"
#include "framework/gui/shapes.h"
#include "framework/gui/statictext.h"
#include "framework/gui/timer.h"

#include <QAccessible>
#include <QApplication>
#include <QRect>
#include <QTest>
#include <QWidget>

#include <map>
#include <set>
#include <string_view>

namespace {

using calendartest::CalendarWindowTest;
using calendartest::RefOf;

// "cells a..b": bg, recfondofecha, std and Cansex of each cell in turn;
// "set(a..b)": members a to b; "NameA..B": NameA to NameB; else one control.
std::vector<std::string> Expand(std::initializer_list<std::string_view> rows)
{
    std::vector<std::string> out;
    for (std::string_view row : rows) {
        const std::size_t dots = row.find("..");
        if (dots == std::string_view::npos) {
            out.emplace_back(row);
            continue;
        }
        std::size_t first = dots;
        while (first > 0 && row[first - 1] >= '0' && row[first - 1] <= '9')
            --first;
        const int from = std::stoi(std::string(row.substr(first, dots - first)));
        const int to = std::stoi(std::string(row.substr(dots + 2)));
        const std::string head(row.substr(0, first));
        const bool member = head.ends_with('(');
        for (int k = from; k <= to; ++k) {
            if (head == "cells ")
                for (const char* set : {"bg", "recfondofecha", "std", "Cansex"})
                    out.push_back(std::string(set) + "(" + std::to_string(k) + ")");
            else
                out.push_back(head + std::to_string(k) + (member ? ")" : ""));
        }
    }
    return out;
}

const std::vector<std::string>& CreationOrder()
{
    static const std::vector<std::string> order = Expand({
        "GroupBox2", "Cansex(42..48)", "Rectangle3", "RoundRectangle2", "RoundRectangle1", "GroupBox3", "boxcal",
        "tempmenst", "StaticText1", "StaticText2", "ListBox1", "ovalo(1..3)", "ovalo(0)", "mes", "ano",
        "StaticText9", "calcular", "ovalo(5..7)", "ovalo(4)", "EditField1", "EditField10", "EditField11",
        "EditField13", "ov", "EditField15", "StaticText11..13", "rbconcebir", "rbevitar", "rbnino", "rbnina",
        "PushButton2", "PushButton3", "fechamens1", "UpDownArrows1", "cells 0..6", "StaticText14..20",
        "cells 7..41", "StaticText21", "Line1..6", "ListBox2", "StaticText22..24", "PushButton4", "ovalo(8)",
        "UpDownArrows2", "UpDownArrows3", "Rectangle2", "StaticText25..30", "StaticText31", "rcanvas1",
        "durciclo", "rcanvas2", "luteo", "Canvas1", "Canvas2", "Oval2", "StaticText34", "Oval3", "StaticText35",
        "Oval4", "StaticText36", "Line10", "Rectangle4", "Line7..9", "Line11", "StaticText38..47",
        "RoundRectangle3", "StaticText32", "RoundRectangle4", "StaticText33", "PushButton5", "CheckBox1",
        "mesanterior", "mesanterior3", "mesproximo", "bs", "StaticText48", "ListBox3", "RoundRectangle5",
        "StaticText37", "PushButton6", "PushButton7", "Timer1", "StaticText49", "StaticText50",
    });
    return order;
}

TEST_F(CalendarWindowTest, HoldsEveryControlInOrderWithItsSetsAndParents)
{
    // The timer is registered by name but is no control on screen.
    auto* timer = dynamic_cast<fw::Timer*>(window->FindMember("Timer1"));
    ASSERT_NE(timer, nullptr);
    EXPECT_EQ(timer->Mode(), fw::Timer::kModeOff);
    EXPECT_EQ(timer->Period(), 1000);
    std::vector<std::string> built;
    std::map<std::string, int, std::less<>> perClass = {{"Timer", 1}};
    std::map<const fw::Control*, std::size_t> position;
    for (std::size_t i = 0; i < window->ControlCount(); ++i) {
        const fw::Control* c = window->ControlAt(i);
        built.push_back(RefOf(*c));
        ++perClass[std::string(c->ClassName())];
        position[c] = i;
        if (built.back() == "PushButton7")
            built.push_back("Timer1");
    }
    EXPECT_EQ(built, CreationOrder());
    const std::map<std::string, int, std::less<>> expected = {
        {"CABClass", 3},    {"Canvas", 51},      {"CheckBox", 1},       {"DateField", 1},
        {"EditField", 10},  {"GroupBox", 3},     {"Line", 11},          {"Listbox", 3},
        {"Oval", 12},       {"PushButton", 7},   {"RadioButton", 4},    {"Rectangle", 87},
        {"RoundRectangle", 5}, {"RoundedEditFieldCanvas", 2}, {"RoundedEditFieldField", 2},
        {"StaticText", 85}, {"Timer", 1},        {"UpDownArrows", 3},
    };
    EXPECT_EQ(perClass, expected);

    // Every set complete, each member once under its set's name and index.
    for (const auto& [set, count] : {std::pair{"Cansex", 49}, {"ovalo", 9}, {"bg", 42}, {"recfondofecha", 42},
                                     {"std", 42}}) {
        for (int k = 0; k < count; ++k)
            EXPECT_EQ(std::count(built.begin(), built.end(), std::string(set) + "(" + std::to_string(k) + ")"), 1)
                << set << k;
        EXPECT_EQ(std::count_if(built.begin(), built.end(),
                                [set](const std::string& r) { return r.starts_with(std::string(set) + "("); }),
                  count);
        EXPECT_EQ(window->FindControl(set, count - 1)->Index(), count - 1);
    }

    // A named parent exists and was created first.
    for (const auto& [control, index] : position) {
        if (control->InitialParent().empty())
            continue;
        ASSERT_NE(control->Parent(), nullptr) << RefOf(*control);
        EXPECT_LT(position.at(control->Parent()), index) << RefOf(*control);
    }
}

TEST_F(CalendarWindowTest, DayCellsStandAtTheirPlacesWithRowOneAndCellTenAsStored)
{
    auto hex = [](fw::Color c) { return c.ToRGB(); };
    for (int k = 0; k < 42; ++k) {
        SCOPED_TRACE("cell " + std::to_string(k));
        const int c = k % 7;
        const int r = k / 7;
        fw::Rectangle* bg = window->bg(k);
        fw::Rectangle* strip = window->recfondofecha(k);
        fw::StaticText* number = window->std(k);
        fw::Canvas* picture = window->Cansex(k);
        const auto box = [](const fw::Control* x) {
            return QRect(x->Left(), x->Top(), x->Width(), x->Height());
        };
        EXPECT_EQ(box(bg), QRect(26 + 44 * c, 61 + 36 * r, 44, 36));
        const int stripTop = r == 0 ? 61 : r == 1 ? 96 : 61 + 36 * r;
        EXPECT_EQ(box(strip), QRect(26 + 44 * c, stripTop, 44, 14));
        EXPECT_EQ(box(number), QRect(51 + 44 * c, r == 0 ? 63 : 62 + 36 * r, 16, 12));
        EXPECT_EQ(box(picture), QRect(28 + 44 * c, 71 + 36 * r, 24, 24));

        EXPECT_EQ(bg->Parent(), window->boxcal);
        EXPECT_EQ(strip->Parent(), r == 1 ? static_cast<fw::Control*>(window->boxcal) : bg);
        EXPECT_EQ(number->Parent(), strip);
        EXPECT_EQ(picture->Parent(), bg);

        EXPECT_EQ(number->Text(), std::to_string(k));
        EXPECT_EQ(number->TextAlign(), 2);
        EXPECT_EQ(hex(bg->FillColor()), 0xFFF3C7u);
        EXPECT_EQ(hex(bg->TopLeftColor()), 0xBCBCBCu);
        EXPECT_EQ(hex(bg->BottomRightColor()), 0x8B8B8Bu);
        EXPECT_EQ(hex(strip->FillColor()), k == 10 ? 0x7E765Bu : 0xDACA9Du);
        EXPECT_EQ(hex(number->TextColor()), k == 10 ? 0xE9E4BDu : 0x000000u);
        EXPECT_EQ(number->Bold(), k == 10);
        EXPECT_EQ(picture->Backdrop(), nullptr);
    }
}

TEST_F(CalendarWindowTest, PaletteHoldsTheColoursPaintingReads)
{
    const std::pair<fw::Shape*, std::uint32_t> palette[] = {
        {window->ovalo(0), 0xFFEEE6}, {window->ovalo(1), 0xFF6F7D}, {window->ovalo(2), 0x9BDC5F},
        {window->ovalo(6), 0xD6FF00}, {window->ovalo(8), 0xFEEDE6}, {window->Rectangle2, 0xC68BA1},
        {window->Rectangle4, 0xFCFF81},
    };
    for (const auto& [entry, rgb] : palette)
        EXPECT_EQ(entry->FillColor().ToRGB(), rgb) << RefOf(*entry);
}

// The controls the window keeps its state in, and the notes beside them.
std::vector<fw::Control*> StateControls(windows::main& w)
{
    std::vector<fw::Control*> out = {w.mes, w.ano, w.tempmenst, w.EditField1, w.EditField10, w.EditField11,
                                     w.EditField13, w.ov, w.EditField15, w.bs, w.ListBox1, w.ListBox2, w.ListBox3,
                                     w.Rectangle4, w.PushButton7, w.StaticText49, w.StaticText50};
    for (int k = 0; k < 9; ++k)
        out.push_back(w.ovalo(k));
    for (int n : {25, 26, 27, 28, 29, 30, 38, 39, 40, 41, 42, 43, 44, 45, 46, 47, 48})
        out.push_back(w.FindControl("StaticText" + std::to_string(n)));
    return out;
}

TEST_F(CalendarWindowTest, StateControlsLieOutsideAndAreNeverShownFocusedOrListed)
{
    const std::vector<fw::Control*> state = StateControls(*window);
    ASSERT_EQ(state.size(), 43u);
    const QRect area(0, 0, 702, 335);
    for (fw::Control* c : state) {
        ASSERT_NE(c, nullptr);
        EXPECT_TRUE(c->Visible()) << RefOf(*c);
        EXPECT_FALSE(QRect(c->Left(), c->Top(), c->Width(), c->Height()).intersects(area)) << RefOf(*c);
        EXPECT_FALSE(c->Handle()->isVisible()) << RefOf(*c);
        QAccessibleInterface* a = QAccessible::queryAccessibleInterface(c->Handle());
        EXPECT_TRUE(a && a->state().invisible) << RefOf(*c);
        c->SetFocus();
        EXPECT_FALSE(c->HasFocus()) << RefOf(*c);
    }
    // Tab goes round the window and never lands on one of them.
    window->durciclo->SetFocus();
    std::set<fw::Control*> reached;
    for (int i = 0; i < 40; ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        for (QWidget* w = QApplication::focusWidget(); w; w = w->parentWidget())
            for (std::size_t n = 0; n < window->ControlCount(); ++n)
                if (window->ControlAt(n)->Handle() == w)
                    reached.insert(window->ControlAt(n));
    }
    EXPECT_TRUE(reached.count(window->luteo));
    for (fw::Control* c : state)
        EXPECT_FALSE(reached.count(c)) << RefOf(*c);

    // Their stored values are the variables' start values.
    EXPECT_EQ(window->mes->Text(), "");
    EXPECT_EQ(window->ano->Text(), "");
    EXPECT_EQ(window->tempmenst->Text(), "09/03/06");
    EXPECT_EQ(window->ListBox1->ColumnCount(), 5);
    EXPECT_EQ(window->ListBox1->ListCount(), 0);
    EXPECT_EQ(window->StaticText49->Text(), "1");
    EXPECT_EQ(window->StaticText50->Text(), "Untitled");
}

} // namespace
