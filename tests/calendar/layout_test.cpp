// SPDX-License-Identifier: GPL-3.0-or-later
// The calendar window as its layout builds it: the control sets, logical
// parents, the day grid and the hidden state controls.
#include "calendarwindow.h"

#include "framework/gui/editfield.h"
#include "framework/gui/listbox.h"
#include "framework/gui/shapes.h"
#include "framework/gui/statictext.h"

#include <QAccessible>
#include <QApplication>
#include <QRect>
#include <QTest>
#include <QWidget>

#include <map>
#include <set>

namespace {

using calendartest::CalendarWindowTest;
using calendartest::RefOf;

QRect Box(const fw::Control* c)
{
    return QRect(c->Left(), c->Top(), c->Width(), c->Height());
}

TEST_F(CalendarWindowTest, SetsAreCompleteAndParentsComeFirst)
{
    std::multiset<std::string> built;
    std::map<const fw::Control*, std::size_t> position;
    for (std::size_t i = 0; i < window->ControlCount(); ++i) {
        built.insert(RefOf(*window->ControlAt(i)));
        position[window->ControlAt(i)] = i;
    }
    for (const auto& [set, count] : {std::pair{"Cansex", 49}, {"ovalo", 9}, {"bg", 42}, {"recfondofecha", 42},
                                     {"std", 42}})
        for (int k = 0; k < count; ++k)
            EXPECT_EQ(built.count(std::string(set) + "(" + std::to_string(k) + ")"), 1u) << set << k;
    for (const auto& [control, index] : position) {
        if (control->InitialParent().empty())
            continue;
        ASSERT_NE(control->Parent(), nullptr) << RefOf(*control);
        EXPECT_LT(position.at(control->Parent()), index) << RefOf(*control);
    }
    // Each day cell: picture and strip on its background, the number on the
    // strip; row one's strips hang from the box itself.
    for (int k = 0; k < 42; ++k) {
        const int c = k % 7;
        const int r = k / 7;
        EXPECT_EQ(Box(window->bg(k)), QRect(26 + 44 * c, 61 + 36 * r, 44, 36)) << k;
        EXPECT_EQ(Box(window->Cansex(k)), QRect(28 + 44 * c, 71 + 36 * r, 24, 24)) << k;
        EXPECT_EQ(window->Cansex(k)->Parent(), window->bg(k)) << k;
        EXPECT_EQ(window->std(k)->Parent(), window->recfondofecha(k)) << k;
        EXPECT_EQ(window->recfondofecha(k)->Parent(),
                  r == 1 ? static_cast<fw::Control*>(window->boxcal) : window->bg(k))
            << k;
    }
}

TEST_F(CalendarWindowTest, StateControlsLieOutsideAndAreNeverShownFocusedOrListed)
{
    windows::main& w = *window;
    std::vector<fw::Control*> state = {w.mes, w.ano, w.tempmenst, w.EditField1, w.EditField10, w.EditField11,
                                       w.EditField13, w.ov, w.EditField15, w.bs, w.ListBox1, w.ListBox2, w.ListBox3,
                                       w.Rectangle4, w.PushButton7, w.StaticText49, w.StaticText50};
    for (int k = 0; k < 9; ++k)
        state.push_back(w.ovalo(k));
    for (int n : {25, 26, 27, 28, 29, 30, 38, 39, 40, 41, 42, 43, 44, 45, 46, 47, 48})
        state.push_back(w.FindControl("StaticText" + std::to_string(n)));
    for (fw::Control* c : state) {
        ASSERT_NE(c, nullptr);
        EXPECT_TRUE(c->Visible()) << RefOf(*c);
        EXPECT_FALSE(Box(c).intersects(QRect(0, 0, 702, 335))) << RefOf(*c);
        EXPECT_FALSE(c->Handle()->isVisible()) << RefOf(*c);
        QAccessibleInterface* a = QAccessible::queryAccessibleInterface(c->Handle());
        EXPECT_TRUE(a && a->state().invisible) << RefOf(*c);
        c->SetFocus();
        EXPECT_FALSE(c->HasFocus()) << RefOf(*c);
    }
    // Tab goes round the window and never lands on one of them.
    w.durciclo->SetFocus();
    std::set<fw::Control*> reached;
    for (int i = 0; i < 40; ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        for (QWidget* h = QApplication::focusWidget(); h; h = h->parentWidget())
            for (std::size_t n = 0; n < w.ControlCount(); ++n)
                if (w.ControlAt(n)->Handle() == h)
                    reached.insert(w.ControlAt(n));
    }
    EXPECT_TRUE(reached.count(w.luteo));
    for (fw::Control* c : state)
        EXPECT_FALSE(reached.count(c)) << RefOf(*c);
    EXPECT_EQ(w.tempmenst->Text(), "09/03/06");
    EXPECT_EQ(w.ListBox1->ColumnCount(), 5);
    EXPECT_EQ(w.StaticText50->Text(), "Untitled");
}

} // namespace
