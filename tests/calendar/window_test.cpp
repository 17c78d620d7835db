// SPDX-License-Identifier: GPL-3.0-or-later
// The calendar window on screen: what lies above what, every event binding
// reaching its handler, Return reaching the right default button, and the
// window at rest and with each panel moved into view.
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
    const struct {
        int x, y;
        const char* on;
    } rows[] = {
        {279, 30, "mesanterior"},   // above the header band and the box
        {301, 30, "mesanterior3"},
        {323, 30, "mesproximo"},
        {250, 30, "boxcal"},        // the band lies below the box
        {516, 170, "Canvas1"},      // the caps above the date field
        {610, 170, "Canvas2"},
        {560, 170, "fechamens1"},   // the field above the help tip's hot zone
        {69, 80, "Line1"},          // grid lines above the cells' borders
        {289, 250, "Line6"},
        {100, 96, "Line7"},
        {200, 241, "Line11"},
        {560, 215, "durciclo"},     // number fields above their frames
        {520, 215, "rcanvas1"},
        {560, 258, "luteo"},
        {40, 85, "Cansex(0)"},      // in a cell: picture, number, strip, background
        {60, 65, "std(0)"},
        {30, 65, "recfondofecha(0)"},
        {60, 126, "bg(7)"},
        {378, 85, "Cansex(48)"},
    };
    for (const auto& row : rows)
        EXPECT_EQ(TopmostAt(*window, row.x, row.y), row.on) << row.x << "," << row.y;
}

TEST_F(CalendarWindowTest, EveryBindingRunsItsHandlerOnce)
{
    // The Open bindings ran while the window was built, in creation order.
    EXPECT_EQ(window->calls,
              (Calls{"rcanvas1_Open", "rcanvas2_Open", "mesanterior_Open", "mesanterior3_Open", "mesproximo_Open"}));

    fw::DragItem item;
    auto* timer = dynamic_cast<fw::Timer*>(window->FindMember("Timer1"));
    const std::vector<std::pair<std::string, std::function<void(RecordingMain&)>>> rows = {
        // The hot zone lies under the date field and still learns of the pointer.
        {"Rectangle3_MouseEnter", [](RecordingMain& w) { testenv::hover(&w, 550, 170); }},
        {"Rectangle3_MouseExit", [](RecordingMain& w) { testenv::hover(&w, 300, 320); }},
        {"calcular_Action", [](RecordingMain& w) { testenv::click(w.calcular); }},
        {"PushButton2_Action", [](RecordingMain& w) { testenv::click(w.PushButton2); }},
        {"PushButton3_Action", [](RecordingMain& w) { testenv::click(w.PushButton3); }},
        {"fechamens1_DragOver", [&](RecordingMain& w) { w.fechamens1->DragOver.Raise(3, 4, item, 1); }},
        {"fechamens1_DragExit", [&](RecordingMain& w) { w.fechamens1->DragExit.Raise(item, 1); }},
        {"UpDownArrows1_Down", [](RecordingMain& w) { w.UpDownArrows1->Down.Raise(); }},
        {"UpDownArrows1_Up", [](RecordingMain& w) { w.UpDownArrows1->Up.Raise(); }},
        {"PushButton4_Action", [](RecordingMain& w) { testenv::click(w.PushButton4); }},
        {"UpDownArrows2_Down", [](RecordingMain& w) { w.UpDownArrows2->Down.Raise(); }},
        {"UpDownArrows2_Up", [](RecordingMain& w) { w.UpDownArrows2->Up.Raise(); }},
        {"UpDownArrows3_Down", [](RecordingMain& w) { w.UpDownArrows3->Down.Raise(); }},
        {"UpDownArrows3_Up", [](RecordingMain& w) { w.UpDownArrows3->Up.Raise(); }},
        {"durciclo_KeyDown", [](RecordingMain& w) { testenv::type(w.durciclo, "5"); }},
        {"luteo_KeyDown", [](RecordingMain& w) { testenv::type(w.luteo, "7"); }},
        {"PushButton5_Action", [](RecordingMain& w) { w.PushButton5->Push(); }},
        {"CheckBox1_Action", [](RecordingMain& w) { w.CheckBox1->SetValue(false); }},
        {"mesanterior_MouseDown", [](RecordingMain& w) { testenv::click(w.mesanterior); }},
        {"mesanterior3_MouseDown", [](RecordingMain& w) { testenv::click(w.mesanterior3); }},
        {"mesproximo_MouseDown", [](RecordingMain& w) { testenv::click(w.mesproximo); }},
        {"PushButton6_Action", [](RecordingMain& w) { w.PushButton6->Push(); }},
        {"PushButton7_Action", [](RecordingMain& w) { w.PushButton7->Push(); }},
        {"Timer1_Action",
         [timer](RecordingMain&) {
             timer->SetPeriod(5);
             timer->SetMode(fw::Timer::kModeSingle);
             testenv::runFor(60);
         }},
    };
    testenv::hover(window.get(), 300, 320);
    window->calls.clear();
    for (const auto& [handler, raise] : rows) {
        SCOPED_TRACE(handler);
        raise(*window);
        EXPECT_EQ(window->calls, Calls{handler});
        window->calls.clear();
    }
    // A click on a day number tells the handler which cell it was.
    for (int k : {0, 6, 7, 10, 13, 35, 41}) {
        testenv::click(window->std(k));
        EXPECT_EQ(window->calls, Calls{"std_MouseDown " + std::to_string(k)});
        window->calls.clear();
    }
}

// The disclaimer as the window's Open shows it.
void ShowDisclaimer(RecordingMain& w)
{
    const std::tuple<fw::Control*, int, int> places[] = {
        {w.RoundRectangle4, 148, 38}, {w.CheckBox1, 155, 157}, {w.StaticText33, 155, 45}, {w.PushButton5, 466, 154}};
    for (const auto& [c, left, top] : places) {
        c->SetTop(top);
        c->SetLeft(left);
        c->SetVisible(true);
    }
}

// The quick start as Open places it and Agree shows it.
void ShowQuickStart(RecordingMain& w)
{
    const std::tuple<fw::Control*, int, int> places[] = {
        {w.RoundRectangle5, 188, 54}, {w.StaticText37, 199, 61}, {w.PushButton6, 410, 213}};
    for (const auto& [c, left, top] : places) {
        c->SetTop(top);
        c->SetLeft(left);
    }
    for (fw::Control* c : std::initializer_list<fw::Control*>{w.RoundRectangle5, w.StaticText37, w.StaticText34,
                                                              w.StaticText35, w.StaticText36, w.Oval2, w.Oval3,
                                                              w.Oval4, w.PushButton6})
        c->SetVisible(true);
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
    ShowDisclaimer(*window);
    window->calcular->SetEnabled(false);
    EXPECT_EQ(pressReturn(), Calls{});
    ShowQuickStart(*window);
    EXPECT_EQ(pressReturn(), Calls{"PushButton6_Action"});
    // Even with Calculate enabled, the panel's Ok lies above it.
    window->calcular->SetEnabled(true);
    EXPECT_EQ(pressReturn(), Calls{"PushButton6_Action"});
}

TEST_F(CalendarWindowTest, Screenshots)
{
    testenv::screenshot(window.get(), "calendar_window");
    window->RoundRectangle3->SetVisible(true);
    window->StaticText32->SetVisible(true);
    testenv::screenshot(window.get(), "calendar_window_helptip");
    window->RoundRectangle3->SetVisible(false);
    ShowDisclaimer(*window);
    testenv::screenshot(window.get(), "calendar_window_disclaimer");
    window->RoundRectangle4->SetVisible(false);
    ShowQuickStart(*window);
    testenv::screenshot(window.get(), "calendar_window_quickstart");
}

} // namespace
