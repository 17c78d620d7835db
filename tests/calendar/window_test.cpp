// SPDX-License-Identifier: GPL-3.0-or-later
// The calendar window on screen: what lies above what, every event binding
// reaching its handler, Return reaching the right default button.
#include "calendarwindow.h"

#include "calendar/module1.h"
#include "framework/gui/checkbox.h"
#include "framework/gui/editfield.h"
#include "framework/gui/pushbutton.h"
#include "framework/gui/shapes.h"
#include "framework/gui/statictext.h"
#include "framework/gui/timer.h"
#include "framework/gui/updownarrows.h"
#include "support/gui.h"

#include <QTest>
#include <QWidget>

#include <functional>

namespace {

using calendartest::CalendarWindowTest;
using calendartest::RecordingMain;
using calendartest::RefOf;
using Calls = std::vector<std::string>;

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
        EXPECT_EQ(TopmostAt(*window, row.x, row.y), row.on) << row.x << "," << row.y;
}

// The bindings that no command test drives end to end.
TEST_F(CalendarWindowTest, EveryBindingRunsItsHandlerOnce)
{
    auto* timer = dynamic_cast<fw::Timer*>(window->FindMember("Timer1"));
    const std::vector<std::pair<std::string, std::function<void(RecordingMain&)>>> rows = {
        {"UpDownArrows1_Down", [](RecordingMain& w) { w.UpDownArrows1->Down.Raise(); }},
        {"UpDownArrows1_Up", [](RecordingMain& w) { w.UpDownArrows1->Up.Raise(); }},
        {"UpDownArrows2_Down", [](RecordingMain& w) { w.UpDownArrows2->Down.Raise(); }},
        {"UpDownArrows2_Up", [](RecordingMain& w) { w.UpDownArrows2->Up.Raise(); }},
        {"UpDownArrows3_Down", [](RecordingMain& w) { w.UpDownArrows3->Down.Raise(); }},
        {"UpDownArrows3_Up", [](RecordingMain& w) { w.UpDownArrows3->Up.Raise(); }},
        {"durciclo_KeyDown", [](RecordingMain& w) { testenv::type(w.durciclo, "5"); }},
        {"luteo_KeyDown", [](RecordingMain& w) { testenv::type(w.luteo, "7"); }},
        {"PushButton7_Action", [](RecordingMain& w) { w.PushButton7->Push(); }},
        {"Timer1_Action",
         [timer](RecordingMain&) {
             timer->SetPeriod(5);
             timer->SetMode(fw::Timer::kModeSingle);
             testenv::runFor(60);
         }},
    };
    for (const auto& [handler, raise] : rows) {
        window->calls.clear();
        raise(*window);
        EXPECT_EQ(window->calls, Calls{handler});
    }
    // A click on a day number tells the handler which cell it was.
    for (int k : {0, 6, 7, 10, 13, 35, 41}) {
        window->calls.clear();
        testenv::click(window->std(k));
        EXPECT_EQ(window->calls, Calls{"std_MouseDown " + std::to_string(k)});
    }
}

// The disclaimer's or the quick start's panel, as Open places it and shows it.
void ShowPanel(std::initializer_list<std::tuple<fw::Control*, int, int>> places)
{
    for (const auto& [c, left, top] : places) {
        c->SetTop(top);
        c->SetLeft(left);
        c->SetVisible(true);
    }
}

TEST_F(CalendarWindowTest, ReturnPushesTheDefaultButtonThatShows)
{
    auto pressReturn = [this] {
        window->calls.clear();
        QTest::keyClick(window->Handle(), Qt::Key_Return);
        return window->calls;
    };
    EXPECT_EQ(pressReturn(), Calls{"calcular_Action"});
    window->calls.clear();
    testenv::key(window->durciclo, Qt::Key_Return);
    EXPECT_EQ(window->calls, (Calls{"durciclo_KeyDown", "calcular_Action"}));
    RecordingMain& w = *window;
    ShowPanel({{w.RoundRectangle4, 148, 38}, {w.CheckBox1, 155, 157}, {w.PushButton5, 466, 154}});
    window->calcular->SetEnabled(false);
    EXPECT_EQ(pressReturn(), Calls{});
    ShowPanel({{w.RoundRectangle5, 188, 54}, {w.StaticText37, 199, 61}, {w.PushButton6, 410, 213}});
    EXPECT_EQ(pressReturn(), Calls{"PushButton6_Action"});
    // Even with Calculate enabled, the panel's Ok lies above it.
    window->calcular->SetEnabled(true);
    EXPECT_EQ(pressReturn(), Calls{"PushButton6_Action"});
}

} // namespace
