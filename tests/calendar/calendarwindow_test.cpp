// SPDX-License-Identifier: GPL-3.0-or-later
// The calendar window, built as its accessor builds it and driven as a user
// does: the panels, Calculate, paging and the help tip.
#include "calendar/mainwindow.h"
#include "calendar/module1.h"
#include "framework/core/date.h"
#include "framework/core/date_seam.h"
#include "framework/core/text.h"
#include "framework/gui/application.h"
#include "framework/gui/canvas.h"
#include "framework/gui/checkbox.h"
#include "framework/gui/editfield.h"
#include "framework/gui/groupbox.h"
#include "framework/gui/listbox.h"
#include "framework/gui/menubar.h"
#include "framework/gui/network_seam.h"
#include "framework/gui/popupmenu.h"
#include "framework/gui/pushbutton.h"
#include "framework/gui/radiobutton.h"
#include "framework/gui/shapes.h"
#include "framework/gui/statictext.h"
#include "framework/gui/updownarrows.h"
#include "prefs/bprefs.h"
#include "prefs/bprefs_seam.h"
#include "prefs/window/preferences.h"
#include "resources/menubars.h"
#include "resources/pictureresources.h"
#include "update/ckwin.h"
#include "support/gui.h"
#include "support/guifixture.h"
#include "support/testenv.h"

#include <QApplication>
#include <QTest>
#include <QWindow>

#include <gtest/gtest.h>

#include <array>
#include <chrono>
#include <memory>
#include <string>
#include <vector>

namespace {

// 20 March 2007, 09:00: March 2007 is the current month, today in cell 23.
constexpr std::int64_t kNow = 3257226000; // 2007-03-20 09:00:00 in civil seconds since 1904

class CalendarWindowTest : public testenv::GuiFixture {
protected:
    void SetUp() override
    {
        GuiFixture::SetUp();
        BPrefs::ResetForTesting();
        fw::SetDateClock([] { return kNow; });
    }
    void TearDown() override
    {
        fw::DestroyAllWindows();
        BPrefs::ResetForTesting();
        fw::SetDateClock({});
        GuiFixture::TearDown();
    }

    // Past the disclaimer, which a first start shows, unless it is stored.
    void Open(std::vector<std::pair<std::string, fw::Variant>> stored = {})
    {
        BPrefs::SetValue("disclaimer", false);
        for (auto& [key, value] : stored)
            BPrefs::SetValue(key, value);
        w = win::main();
        w->Show();
        testenv::runFor(30); // the glossy buttons take clicks once drawn
    }

    // How many of the fourteen inputs are enabled.
    int EnabledInputs() const
    {
        const fw::Control* inputs[] = {w->calcular,      w->PushButton2,   w->PushButton3,   w->PushButton4,
                                       w->rbevitar,      w->rbconcebir,    w->rbnino,        w->rbnina,
                                       w->UpDownArrows1, w->UpDownArrows2, w->UpDownArrows3, w->durciclo,
                                       w->luteo,         w->fechamens1};
        return int(std::count_if(std::begin(inputs), std::end(inputs), [](auto* c) { return c->Enabled(); }));
    }

    // The look of the 42 cells, for comparing before and after.
    std::vector<std::uint32_t> Look() const
    {
        std::vector<std::uint32_t> look;
        for (int k = 0; k < 42; ++k) {
            look.push_back(w->bg(k)->FillColor().ToRGB());
            look.push_back(w->recfondofecha(k)->FillColor().ToRGB());
            look.push_back(w->std(k)->TextColor().ToRGB());
            look.push_back(w->Cansex(k)->Backdrop() != nullptr);
        }
        look.push_back(std::uint32_t(w->ListBox1->ListCount()));
        return look;
    }

    // One character per day of the shown month from the cell backgrounds:
    // '.' regular, 'm', 'f', 'o'.
    std::string Phases(int firstCell, int days) const
    {
        std::string out;
        for (int k = firstCell; k < firstCell + days; ++k) {
            const fw::Color c = w->bg(k)->FillColor();
            out += c == w->ovalo(1)->FillColor()   ? 'm'
                   : c == w->ovalo(6)->FillColor() ? 'f'
                   : c == w->ovalo(2)->FillColor() ? 'o'
                   : c == w->ovalo(0)->FillColor() ? '.'
                                                   : '?';
        }
        return out;
    }

    windows::main* w = nullptr;
};

TEST_F(CalendarWindowTest, PanelSequenceAndInputs)
{
    Open({{"disclaimer", true}, {"durciclo", std::string("30")}});
    EXPECT_EQ(EnabledInputs(), 0);
    EXPECT_TRUE(w->PushButton5->Shown());
    EXPECT_FALSE(w->Rectangle3->Visible());
    testenv::screenshot(w, "calendar-disclaimer");

    // The month buttons page while the inputs are off.
    testenv::click(w->mesproximo);
    EXPECT_EQ(w->mes->Text(), "4");
    testenv::click(w->mesanterior);
    EXPECT_EQ(w->mes->Text(), "3");

    testenv::click(w->PushButton5);
    EXPECT_FALSE(w->RoundRectangle4->Shown());
    EXPECT_TRUE(w->StaticText36->Shown());
    EXPECT_EQ(EnabledInputs(), 0);
    EXPECT_EQ(w->durciclo->Text(), "30"); // the stored cycle length is back
    testenv::screenshot(w, "calendar-quickstart");

    // Return goes to the panel's Ok, which lies above Calculate.
    w->calcular->SetEnabled(true);
    QTest::keyClick(w->Handle(), Qt::Key_Return);
    EXPECT_FALSE(w->Oval2->Shown());
    EXPECT_EQ(EnabledInputs(), 14);

    // Preferences takes the inputs and gives the menu bar for other windows;
    // its Ok gives them back. The window stays above the calendar window,
    // whichever window was in front.
    auto inFront = std::make_unique<fw::Window>();
    inFront->Build();
    inFront->Show();
    ASSERT_TRUE(QTest::qWaitForWindowActive(inFront->Handle()));
    testenv::click(w->PushButton3);
    EXPECT_EQ(EnabledInputs(), 0);
    EXPECT_EQ(w->MenuBar(), MenuBar2());
    EXPECT_EQ(win::preferences()->Handle()->windowHandle()->transientParent(), w->Handle()->windowHandle());
    win::preferences()->PushButton1->Push();
    EXPECT_EQ(EnabledInputs(), 14);
    EXPECT_EQ(w->MenuBar(), MenuBar1());
}

TEST_F(CalendarWindowTest, AgreeWithoutHelpTipsFreesTheInputsAtOnce)
{
    Open({{"disclaimer", true}});
    win::preferences()->CheckBox2->SetValue(false);
    testenv::click(w->PushButton5);
    EXPECT_FALSE(w->RoundRectangle5->Shown());
    EXPECT_EQ(EnabledInputs(), 14);
    // The box mirrors into the preferences window.
    w->CheckBox1->SetValue(false);
    EXPECT_FALSE(win::preferences()->CheckBox1->Value());
}

TEST_F(CalendarWindowTest, CalculatePaintsAndPages)
{
    Open();
    // Before any Calculate: numbered, today highlighted, no cycle.
    EXPECT_EQ(Phases(4, 31), std::string(31, '.'));
    EXPECT_TRUE(w->std(23)->Bold());
    EXPECT_EQ(w->recfondofecha(23)->FillColor(), w->Rectangle2->FillColor());
    EXPECT_EQ(w->boxcal->Caption(), "March 2007");

    const fw::Date entered(2007, 3, 5, 10, 30, 0);
    w->fechamens1->SetDate(entered);
    testenv::key(w->durciclo, Qt::Key_Return); // Return in a number field pushes Calculate
    EXPECT_TRUE(messages.empty());
    EXPECT_EQ(w->ListBox1->ListCount(), 30);
    EXPECT_EQ(fw::Val(w->bs->Text()), entered.TotalSeconds() - 86400);
    EXPECT_EQ(Phases(4, 31), "....mmmmm....fffffoff..........");
    // Today keeps its phase colour under its own strip and number.
    EXPECT_EQ(w->bg(23)->FillColor(), w->ovalo(6)->FillColor());
    EXPECT_EQ(w->recfondofecha(23)->FillColor(), w->Rectangle2->FillColor());
    EXPECT_EQ(w->std(23)->TextColor(), w->Rectangle4->FillColor());

    // The marks of 14 and 19 March (cells 17 and 22) for each goal.
    const std::tuple<fw::RadioButton*, fw::PicturePtr, fw::PicturePtr, const char*> goals[] = {
        {w->rbconcebir, heart(), heart(), "calendar-goal-conceive"},
        {w->rbevitar, forbid(), forbid(), "calendar-goal-avoid"},
        {w->rbnino, forbid(), male(), "calendar-goal-boy"},
        {w->rbnina, female(), forbid(), "calendar-goal-girl"},
    };
    for (const auto& [button, on14, on19, name] : goals) {
        button->SetValue(true);
        testenv::click(w->calcular);
        EXPECT_EQ(w->Cansex(17)->Backdrop(), on14) << name;
        EXPECT_EQ(w->Cansex(22)->Backdrop(), on19) << name;
        EXPECT_EQ(w->Cansex(10)->Backdrop(), nullptr) << name; // 7 March
        testenv::screenshot(w, name);
    }

    const auto march = Look();
    for (int i = 0; i < 13; ++i)
        testenv::click(w->mesproximo);
    EXPECT_EQ(w->boxcal->Caption(), "April 2008");
    for (int i = 0; i < 13; ++i)
        testenv::click(w->mesanterior);
    EXPECT_EQ(Look(), march);

    testenv::click(w->mesanterior);
    EXPECT_EQ(Phases(4, 28), std::string(28, '.')); // February: before the start
    // A setting changed in the preferences reaches the grid at the next
    // Calculate, which Today runs.
    win::preferences()->durmens->SetListIndex(0); // 3 days
    win::preferences()->PushButton1->Push();
    testenv::click(w->mesanterior3);
    EXPECT_EQ(Phases(4, 31), "....mmm......fffffoff..........");
}

// Each month filled over a painted month with today highlighted: its days
// from the cell of its first's weekday in black, every other cell empty in
// the outside colour, every cell back to the regular look, today highlighted
// only in today's month of today's year.
TEST_F(CalendarWindowTest, MonthGridFill)
{
    Open();
    w->fechamens1->SetDate(fw::Date(2007, 3, 5, 10, 30, 0));
    struct Row { const char* name, *text, *caption, *mes, *ano; int first, last; const char* length; int today; };
    const Row rows[] = {
        {"March 2007, today's month", "3/5/07", "March 2007", "3", "2007", 4, 34, "31", 23},
        {"April 2007, first on a Sunday", "4/20/07", "April 2007", "4", "2007", 0, 29, "30", -1},
        {"September 2007, into the sixth row", "9/1/2007", "September 2007", "9", "2007", 6, 35, "30", -1},
        {"December 2007, the last cell used", "12/01/07", "December 2007", "12", "2007", 6, 36, "31", -1},
        {"February 2008, leap year", "2/1/08", "February 2008", "2", "2008", 5, 33, "29", -1},
        {"February 2009, four rows", "2/1/09", "February 2009", "2", "2009", 0, 27, "28", -1},
        {"March 2006, today's month of another year", "3/20/06", "March 2006", "3", "2006", 3, 33, "31", -1},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        Module1::calend("3/1/07");
        testenv::click(w->calcular);
        ASSERT_NE(Phases(4, 31), std::string(31, '.'));
        ASSERT_TRUE(w->std(23)->Bold());

        Module1::calend(row.text);
        EXPECT_EQ(w->boxcal->Caption(), row.caption);
        EXPECT_EQ(w->mes->Text(), row.mes);
        EXPECT_EQ(w->ano->Text(), row.ano);
        EXPECT_EQ(w->EditField13->Text(), row.length);
        EXPECT_EQ(w->RoundRectangle1->FillColor(), w->ovalo(0)->FillColor());
        for (int k = 0; k < 42; ++k) {
            const bool inMonth = k >= row.first && k <= row.last;
            const bool today = k == row.today;
            EXPECT_EQ(w->std(k)->Text(), inMonth ? std::to_string(k - row.first + 1) : "") << k;
            const fw::Color number = today ? w->Rectangle4->FillColor() : fw::Color{0, 0, std::uint8_t(!inMonth)};
            EXPECT_EQ(w->std(k)->TextColor(), number) << k;
            EXPECT_EQ(w->std(k)->Bold(), today) << k;
            EXPECT_TRUE(w->std(k)->Enabled()) << k;
            EXPECT_EQ(w->bg(k)->FillColor(), w->ovalo(0)->FillColor()) << k;
            EXPECT_EQ(w->bg(k)->BorderWidth(), 0) << k;
            EXPECT_EQ(w->recfondofecha(k)->FillColor(),
                      today ? w->Rectangle2->FillColor() : w->ovalo(8)->FillColor())
                << k;
            EXPECT_EQ(w->Cansex(k)->Backdrop(), nullptr) << k;
        }
    }
}

// One click on a month button from the first of a month: the month shown,
// the hidden month and year, day 1 in the column of its weekday.
TEST_F(CalendarWindowTest, PagingAcrossYears)
{
    Open();
    struct Row { const char* name; const char* from; bool next; const char* caption; int month, year; };
    const Row rows[] = {
        {"December 2050 on to January 2051", "12/1/50", true, "January 2051", 1, 2051},
        {"January 2051 back to December 2050", "1/1/2051", false, "December 2050", 12, 2050},
        {"January 1951 back to December 1950", "1/1/51", false, "December 1950", 12, 1950},
        {"December 1999 on to January 2000", "12/1/99", true, "January 2000", 1, 2000},
        {"January 2000 back to December 1999", "1/1/00", false, "December 1999", 12, 1999},
        {"December 999 on to January 1000", "12/1/0999", true, "January 1000", 1, 1000},
        {"the last month a date holds stays", "12/1/9999", true, "December 9999", 12, 9999},
        {"the first month a date holds stays", "1/1/0001", false, "January 1", 1, 1},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        Module1::calend(row.from);
        testenv::click(row.next ? w->mesproximo : w->mesanterior);
        EXPECT_EQ(w->boxcal->Caption(), row.caption);
        EXPECT_EQ(w->mes->Text(), std::to_string(row.month));
        EXPECT_EQ(w->ano->Text(), std::to_string(row.year));
        using namespace std::chrono;
        const int first = int(weekday(sys_days(year(row.year) / month(unsigned(row.month)) / 1)).c_encoding());
        EXPECT_EQ(w->std(first)->Text(), "1");
        if (first > 0) {
            EXPECT_EQ(w->std(first - 1)->Text(), "");
        }
    }
}

// Today shows today's month from any other and calculates.
TEST_F(CalendarWindowTest, TodayFromAnotherMonth)
{
    Open();
    w->fechamens1->SetDate(fw::Date(2007, 3, 5, 10, 30, 0));
    for (const char* from : {"6/1/07", "3/1/06", "3/1/2051"}) {
        SCOPED_TRACE(from);
        Module1::calend(from);
        EXPECT_FALSE(w->std(23)->Bold());
        testenv::click(w->mesanterior3);
        EXPECT_EQ(w->boxcal->Caption(), "March 2007");
        EXPECT_TRUE(w->std(23)->Bold());
        EXPECT_EQ(w->recfondofecha(23)->FillColor(), w->Rectangle2->FillColor());
        EXPECT_EQ(w->ListBox1->ListCount(), 30);
        EXPECT_EQ(Phases(4, 31), "....mmmmm....fffffoff..........");
    }
}

// Today's cell is the one the month's fill found, and the painting keeps its
// highlight: after midnight a Calculate paints under it and highlights no
// second cell; the next fill finds the new day.
TEST_F(CalendarWindowTest, TodayIsTheCellTheFillFound)
{
    Open();
    w->fechamens1->SetDate(fw::Date(2007, 3, 5, 10, 30, 0));
    const auto highlighted = [&] {
        std::vector<int> cells;
        for (int k = 0; k < 42; ++k)
            if (w->std(k)->Bold() || w->std(k)->TextColor() == w->Rectangle4->FillColor()
                || w->recfondofecha(k)->FillColor() == w->Rectangle2->FillColor())
                cells.push_back(k);
        return cells;
    };
    testenv::click(w->calcular);
    EXPECT_EQ(highlighted(), std::vector<int>{23});
    fw::SetDateClock([] { return kNow + 86400; }); // 21 March
    testenv::click(w->calcular);
    EXPECT_EQ(highlighted(), std::vector<int>{23});
    EXPECT_TRUE(w->std(23)->Bold());
    EXPECT_EQ(w->recfondofecha(23)->FillColor(), w->Rectangle2->FillColor());
    EXPECT_EQ(w->bg(23)->FillColor(), w->ovalo(6)->FillColor()); // 20 March, a fertile day
    testenv::click(w->mesproximo);
    testenv::click(w->mesanterior);
    EXPECT_EQ(highlighted(), std::vector<int>{24});
    EXPECT_EQ(Phases(4, 31), "....mmmmm....fffffoff..........");
}

// After 2050 the window opens on today's month of its own year, and Today
// comes back to it.
TEST_F(CalendarWindowTest, TodayAfter2050)
{
    fw::SetDateClock([] { return std::int64_t(fw::Date(2051, 1, 15, 9, 0, 0).TotalSeconds()); });
    Open();
    EXPECT_EQ(w->boxcal->Caption(), "January 2051");
    EXPECT_EQ(w->std(14)->Text(), "15"); // 1 January 2051 is a Sunday
    EXPECT_TRUE(w->std(14)->Bold());
    testenv::click(w->mesproximo);
    EXPECT_EQ(w->boxcal->Caption(), "February 2051");
    EXPECT_FALSE(w->std(14)->Bold());
    testenv::click(w->mesanterior3);
    EXPECT_EQ(w->boxcal->Caption(), "January 2051");
    EXPECT_TRUE(w->std(14)->Bold());
    EXPECT_EQ(Phases(0, 31).substr(14, 1), "m"); // the entered day, today, is cycle day 1
}

// Check for Updates answers from the menu while the calendar window is in
// front, and does nothing with another window in front.
TEST_F(CalendarWindowTest, CheckForUpdatesFromTheMenu)
{
    const auto previous = fw::Network::SetIsConnectedHook([] { return false; });
    Open();
    const auto updates = [] {
        for (fw::Window* window : fw::Windows())
            if (auto* found = dynamic_cast<windows::ckwin*>(window))
                return found;
        return static_cast<windows::ckwin*>(nullptr);
    };
    for (fw::Window* front : {static_cast<fw::Window*>(win::preferences()), static_cast<fw::Window*>(w)}) {
        front->Show();
        QApplication::setActiveWindow(front->Handle());
        ASSERT_EQ(fw::FrontWindow(), front);
        MenuBar1()->EnableMenuItems();
        MenuBar1()->FindItem("ckupdt")->Handle()->trigger();
        EXPECT_EQ(updates() && updates()->Visible(), front == w);
    }
    fw::Network::SetIsConnectedHook(previous);
}

TEST_F(CalendarWindowTest, TypedLengthsNothingBreaks)
{
    Open();
    w->fechamens1->SetDate(fw::Date(2007, 3, 5, 10, 30, 0));
    testenv::click(w->calcular);
    const auto painted = Look();
    const std::string bs = w->bs->Text();
    // Texts Calculate refuses.
    const std::string typed[] = {"abc", "", "0", "-3", "28.5", "999", "99999999", std::string(10000, '7')};
    for (fw::EditField* field : {w->durciclo, w->luteo}) {
        const std::string kept = field->Text();
        for (const std::string& text : typed) {
            SCOPED_TRACE(field->Name() + " " + text.substr(0, 12));
            messages.clear();
            field->SetText(text);
            testenv::click(w->calcular);
            EXPECT_EQ(messages.size(), 1u);
            EXPECT_EQ(Look(), painted);
            EXPECT_EQ(w->bs->Text(), bs);
            // Paging repaints what the last Calculate said, and nothing hangs.
            testenv::click(w->mesproximo);
            testenv::click(w->mesanterior);
            EXPECT_EQ(Look(), painted);
            field->SetText(kept);
            testenv::click(w->calcular);
        }
    }
}

// A cycle length typed without Calculate counts from the next Calculate:
// paging paints every month as the last Calculate said, and before any
// Calculate it paints no cycle at all.
TEST_F(CalendarWindowTest, PagingAfterAnEditPaintsWhatTheLastCalculateSaid)
{
    Open();
    w->fechamens1->SetDate(fw::Date(2007, 3, 5, 10, 30, 0));
    w->durciclo->SetText("40");
    testenv::click(w->mesproximo);
    EXPECT_EQ(Phases(0, 30), std::string(30, '.'));
    testenv::click(w->mesanterior);

    w->durciclo->SetText("28");
    testenv::click(w->calcular);
    const auto march = Look();
    testenv::click(w->mesproximo);
    const auto april = Look();
    // April 2007 begins on a Sunday: day d in cell d - 1.
    EXPECT_EQ(Phases(0, 30), ".mmmmm....fffffoff...........m");
    EXPECT_EQ(w->Cansex(10)->Backdrop(), heart()); // 11 April, cycle day 10
    testenv::click(w->mesanterior);
    for (const char* typed : {"40", "abc", "15", ""}) {
        SCOPED_TRACE(typed);
        w->durciclo->SetText(typed);
        testenv::click(w->mesproximo);
        EXPECT_EQ(Look(), april);
        testenv::click(w->mesanterior);
        EXPECT_EQ(Look(), march);
    }
    // The next Calculate takes the field's length.
    w->durciclo->SetText("40");
    testenv::click(w->calcular);
    testenv::click(w->mesproximo);
    EXPECT_EQ(Phases(0, 30), "ff...........mmmmm............");
}

// Each arrow, each way, inside its range and at both ends: the cycle length
// stays within 15..40, the luteal length within 8..20.
TEST_F(CalendarWindowTest, ArrowsStepTheirFieldWithinItsRange)
{
    Open();
    struct Row { fw::EditField* field; fw::UpDownArrows* arrows; const char* from; bool up; const char* to; };
    const Row steps[] = {
        {w->durciclo, w->UpDownArrows2, "28", true, "29"},  {w->durciclo, w->UpDownArrows2, "28", false, "27"},
        {w->durciclo, w->UpDownArrows2, "39", true, "40"},  {w->durciclo, w->UpDownArrows2, "40", true, "40"},
        {w->durciclo, w->UpDownArrows2, "16", false, "15"}, {w->durciclo, w->UpDownArrows2, "15", false, "15"},
        {w->luteo, w->UpDownArrows3, "14", true, "15"},     {w->luteo, w->UpDownArrows3, "14", false, "13"},
        {w->luteo, w->UpDownArrows3, "19", true, "20"},     {w->luteo, w->UpDownArrows3, "20", true, "20"},
        {w->luteo, w->UpDownArrows3, "9", false, "8"},      {w->luteo, w->UpDownArrows3, "8", false, "8"},
        {w->luteo, w->UpDownArrows3, "8", true, "9"},       {w->luteo, w->UpDownArrows3, "20", false, "19"},
    };
    for (const Row& row : steps) {
        fw::EditField* other = row.field == w->durciclo ? w->luteo : w->durciclo;
        const std::string kept = other->Text();
        row.field->SetText(row.from);
        (row.up ? row.arrows->Up : row.arrows->Down).Raise();
        EXPECT_EQ(row.field->Text(), row.to) << row.field->Name() << " " << row.from << (row.up ? " up" : " down");
        EXPECT_EQ(other->Text(), kept);
    }
}

// Days of a month as one character each, '.' where no range lies.
struct DaySpan {
    int from, to;
    char code;
};

std::string Days(int days, std::initializer_list<DaySpan> spans)
{
    std::string out(std::size_t(days), '.');
    for (const DaySpan& s : spans)
        for (int d = s.from; d <= s.to; ++d)
            out[std::size_t(d - 1)] = s.code;
    return out;
}

// Cycle days from..to and the five fields of their records.
struct RecordSpan {
    int from, to;
    std::array<const char*, 5> fields;
};

// The records the window's table holds, fields joined by "|".
std::vector<std::string> Records(const windows::main& w)
{
    std::vector<std::string> rows;
    for (std::int32_t r = 0; r < w.ListBox1->ListCount(); ++r) {
        std::string row = w.ListBox1->Cell(r, 0);
        for (std::int32_t c = 1; c < 5; ++c)
            row += "|" + w.ListBox1->Cell(r, c);
        rows.push_back(row);
    }
    return rows;
}

// The selected row of a cycle-settings list, by the number it shows.
void Choose(fw::PopupMenu* list, const std::string& days)
{
    for (std::int32_t r = 0; r < list->ListCount(); ++r)
        if (list->List(r) == days) {
            list->SetListIndex(r);
            return;
        }
    ADD_FAILURE() << list->Name() << " offers no " << days;
}

// The two worked tables: each record as designed, the blank records around
// them, the ovulation reference; a second Calculate with nothing changed
// gives the same table, start and grid.
TEST_F(CalendarWindowTest, CalculateBuildsTheWorkedTables)
{
    Open();
    w->fechamens1->SetDate(fw::Date(2007, 3, 5, 10, 30, 0));
    struct Row {
        const char* name;
        const char *cycle, *luteal, *menses, *before, *after;
        const char* ov;
        std::vector<RecordSpan> days;
    };
    const Row rows[] = {
        {"the defaults: C 28, L 14, M 5, A 5, P 2", "28", "14", "5", "5", "2", "16",
         {{1, 5, {"m", "", "", "", ""}},
          {6, 7, {" ", "", "", "x", ""}},
          {8, 9, {" ", "x", "", "x", ""}},
          {10, 11, {"f", "x", "g", "x", "s"}},
          {12, 14, {"f", "x", "x", "x", "s"}},
          {15, 15, {"o", "x", "x", "b", "s"}},
          {16, 16, {"f", "x", "x", "b", "s"}},
          {17, 17, {"f", "x", "x", "x", "s"}},
          {18, 19, {" ", "x", "", "", ""}},
          {20, 28, {" ", "", "", "", ""}}}},
        {"C 32, L 12, M 4, A 3, P 1", "32", "12", "4", "3", "1", "22",
         {{1, 4, {"m", "", "", "", ""}},
          {5, 15, {" ", "", "", "x", ""}},
          {16, 17, {" ", "x", "", "x", ""}},
          {18, 19, {"f", "x", "g", "x", "s"}},
          {20, 20, {"f", "x", "x", "x", "s"}},
          {21, 21, {"o", "x", "x", "b", "s"}},
          {22, 22, {"f", "x", "x", "b", "s"}},
          {23, 23, {" ", "x", "x", "x", ""}},
          {24, 24, {" ", "x", "", "", ""}},
          {25, 32, {" ", "", "", "", ""}}}},
    };
    windows::preferences* settings = win::preferences();
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        w->durciclo->SetText(row.cycle);
        w->luteo->SetText(row.luteal);
        Choose(settings->durmens, row.menses);
        Choose(settings->fertpre, row.before);
        Choose(settings->fertpost, row.after);
        testenv::click(w->calcular);
        EXPECT_EQ(w->ov->Text(), row.ov);
        std::vector<std::string> expected{" ||||"};
        for (const RecordSpan& span : row.days)
            for (int d = span.from; d <= span.to; ++d) {
                const auto& f = span.fields;
                expected.push_back(std::string(f[0]) + "|" + f[1] + "|" + f[2] + "|" + f[3] + "|" + f[4]);
            }
        expected.push_back(" ||||");
        const std::vector<std::string> built = Records(*w);
        ASSERT_EQ(built.size(), expected.size());
        for (std::size_t r = 0; r < built.size(); ++r)
            EXPECT_EQ(built[r], expected[r]) << "record " << r;

        const std::string bs = w->bs->Text();
        const auto look = Look();
        testenv::click(w->calcular);
        EXPECT_EQ(Records(*w), built);
        EXPECT_EQ(w->ov->Text(), row.ov);
        EXPECT_EQ(w->bs->Text(), bs);
        EXPECT_EQ(Look(), look);
    }
}

// A goal chosen after Calculate shows at the next paging, over the colours
// of the same table: the marks of March and April 2007 for each goal, from
// 5 March 2007 with the default settings.
TEST_F(CalendarWindowTest, AGoalChosenAfterCalculateShowsWhenPaging)
{
    Open();
    w->fechamens1->SetDate(fw::Date(2007, 3, 5, 10, 30, 0));
    testenv::click(w->calcular);
    const std::vector<std::string> table = Records(*w);
    const std::string bs = w->bs->Text();
    // 'H' heart, 'X' forbid, 'M' male, 'F' female; March's day d lies in
    // cell d + 3, April's in cell d - 1.
    const auto marks = [this](int firstCell, int days) {
        std::string out;
        for (int k = firstCell; k < firstCell + days; ++k) {
            const fw::PicturePtr shown = w->Cansex(k)->Backdrop();
            out += !shown ? '.' : shown == heart() ? 'H' : shown == forbid() ? 'X' : shown == male() ? 'M'
                 : shown == female() ? 'F' : '?';
        }
        return out;
    };
    const std::string marchPhases = Days(31, {{5, 9, 'm'}, {14, 18, 'f'}, {19, 19, 'o'}, {20, 21, 'f'}});
    const std::string aprilPhases =
        Days(30, {{2, 6, 'm'}, {11, 15, 'f'}, {16, 16, 'o'}, {17, 18, 'f'}, {30, 30, 'm'}});
    struct Row { const char* name; fw::RadioButton* goal; std::string march, april; };
    const Row rows[] = {
        {"avoid", w->rbevitar, Days(31, {{12, 23, 'X'}}), Days(30, {{9, 20, 'X'}})},
        {"boy", w->rbnino, Days(31, {{10, 18, 'X'}, {19, 20, 'M'}, {21, 21, 'X'}}),
         Days(30, {{7, 15, 'X'}, {16, 17, 'M'}, {18, 18, 'X'}})},
        {"girl", w->rbnina, Days(31, {{14, 15, 'F'}, {16, 21, 'X'}}), Days(30, {{11, 12, 'F'}, {13, 18, 'X'}})},
        {"conceive", w->rbconcebir, Days(31, {{14, 21, 'H'}}), Days(30, {{11, 18, 'H'}})},
    };
    ASSERT_EQ(marks(4, 31), rows[3].march); // conceive is the layout's goal
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        row.goal->SetValue(true);
        testenv::click(w->mesproximo);
        EXPECT_EQ(w->boxcal->Caption(), "April 2007");
        EXPECT_EQ(Phases(0, 30), aprilPhases);
        EXPECT_EQ(marks(0, 30), row.april);
        testenv::click(w->mesanterior);
        EXPECT_EQ(Phases(4, 31), marchPhases);
        EXPECT_EQ(marks(4, 31), row.march);
        EXPECT_EQ(Records(*w), table);
        EXPECT_EQ(w->bs->Text(), bs);
    }
}

TEST_F(CalendarWindowTest, HelpTip)
{
    // Help tips are on unless stored off, as the preferences window shows.
    Open();
    testenv::hover(w, 560, 169);
    EXPECT_TRUE(w->RoundRectangle3->Shown());
    EXPECT_TRUE(w->StaticText32->Shown());
    testenv::screenshot(w, "calendar-helptip");
    testenv::hover(w, 100, 300);
    EXPECT_FALSE(w->RoundRectangle3->Shown());
    BPrefs::SetValue("helptip", false);
    testenv::hover(w, 560, 169);
    EXPECT_FALSE(w->RoundRectangle3->Shown());
    // A drag over the date field shows the frame whatever the preference.
    fw::DragItem item;
    EXPECT_FALSE(w->fechamens1->DragOver.Raise(5, 5, item, 0));
    EXPECT_TRUE(w->RoundRectangle3->Shown());
    w->fechamens1->DragExit.Raise(item, 0);
    EXPECT_FALSE(w->RoundRectangle3->Shown());
}

} // namespace
