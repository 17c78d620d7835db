// SPDX-License-Identifier: GPL-3.0-or-later
// The calendar window as its layout builds it: the control sets, logical
// parents, the day grid, the hidden state controls and what lies above what.
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
    Open();
    std::multiset<std::string> built;
    std::map<const fw::Control*, std::size_t> position;
    for (std::size_t i = 0; i < w->ControlCount(); ++i) {
        built.insert(RefOf(*w->ControlAt(i)));
        position[w->ControlAt(i)] = i;
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
        EXPECT_EQ(Box(w->bg(k)), QRect(26 + 44 * c, 61 + 36 * r, 44, 36)) << k;
        EXPECT_EQ(Box(w->Cansex(k)), QRect(28 + 44 * c, 71 + 36 * r, 24, 24)) << k;
        EXPECT_EQ(w->Cansex(k)->Parent(), w->bg(k)) << k;
        EXPECT_EQ(w->std(k)->Parent(), w->recfondofecha(k)) << k;
        EXPECT_EQ(w->recfondofecha(k)->Parent(),
                  r == 1 ? static_cast<fw::Control*>(w->boxcal) : w->bg(k))
            << k;
    }
}

TEST_F(CalendarWindowTest, StateControlsLieOutsideAndAreNeverShownFocusedOrListed)
{
    Open();
    windows::main& m = *w;
    std::vector<fw::Control*> state = {m.mes, m.ano, m.tempmenst, m.EditField1, m.EditField10, m.EditField11,
                                       m.EditField13, m.ov, m.EditField15, m.bs, m.ListBox1, m.ListBox2, m.ListBox3,
                                       m.Rectangle4, m.PushButton7, m.StaticText49, m.StaticText50};
    for (int k = 0; k < 9; ++k)
        state.push_back(m.ovalo(k));
    for (int n : {25, 26, 27, 28, 29, 30, 38, 39, 40, 41, 42, 43, 44, 45, 46, 47, 48})
        state.push_back(m.FindControl("StaticText" + std::to_string(n)));
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
    m.durciclo->SetFocus();
    std::set<fw::Control*> reached;
    for (int i = 0; i < 40; ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        for (QWidget* h = QApplication::focusWidget(); h; h = h->parentWidget())
            for (std::size_t n = 0; n < m.ControlCount(); ++n)
                if (m.ControlAt(n)->Handle() == h)
                    reached.insert(m.ControlAt(n));
    }
    EXPECT_TRUE(reached.count(m.luteo));
    for (fw::Control* c : state)
        EXPECT_FALSE(reached.count(c)) << RefOf(*c);
}

// The control whose widget is on top at a point of the window.
std::string TopmostAt(const fw::Window& w, int x, int y)
{
    for (QWidget* hit = w.Content()->childAt(x, y); hit; hit = hit->parentWidget())
        for (std::size_t n = 0; n < w.ControlCount(); ++n)
            if (w.ControlAt(n)->Handle() == hit)
                return RefOf(*w.ControlAt(n));
    return "";
}

TEST_F(CalendarWindowTest, LaterControlsLieAboveEarlierOnes)
{
    Open();
    // Pictures, numbers, strips above the cells; caps and fields above frames.
    const struct {
        int x, y;
        const char* on;
    } rows[] = {
        {279, 30, "mesanterior"}, {301, 30, "mesanterior3"}, {323, 30, "mesproximo"}, {250, 30, "boxcal"},
        {516, 170, "Canvas1"},    {610, 170, "Canvas2"},     {560, 170, "fechamens1"}, {69, 80, "Line1"},
        {289, 250, "Line6"},      {100, 96, "Line7"},        {200, 241, "Line11"},     {560, 215, "durciclo"},
        {520, 215, "rcanvas1"},   {560, 258, "luteo"},       {40, 85, "Cansex(0)"},    {60, 65, "std(0)"},
        {30, 65, "recfondofecha(0)"}, {60, 126, "bg(7)"},    {378, 85, "Cansex(48)"},
    };
    for (const auto& row : rows)
        EXPECT_EQ(TopmostAt(*w, row.x, row.y), row.on) << row.x << "," << row.y;
}

} // namespace
