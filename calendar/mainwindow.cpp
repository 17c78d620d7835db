// SPDX-License-Identifier: GPL-3.0-or-later
#include "calendar/mainwindow.h"

#include "calendar/calendartexts.h"
#include "calendar/logic/cycletable.h"
#include "calendar/daygrid.h"
#include "calendar/logic/daypainting.h"
#include "calendar/module1.h"
#include "framework/core/text.h"
#include "framework/gui/application.h"
#include "help/aquaaboutbox.h"
#include "help/ayuda.h"
#include "prefs/bprefs.h"
#include "prefs/window/cyclesettings.h"
#include "prefs/window/preferences.h"
#include "resources/menubars.h"
#include "resources/textos.h"
#include "update/ckwin.h"
#include "update/createdfile.h"

namespace windows {

namespace {

// A control's place at the window's opening: (left, top).
struct Position {
    fw::Control* control;
    std::int32_t left, top;
};

// A start-up option is on unless stored off, as the preferences window's box
// for it shows.
bool optionOn(std::string_view key)
{
    return !BPrefs::HasKey(key) || BPrefs::Value(key).AsBoolean() != false;
}

// The number a cycle-settings list shows, kept within the rows it offers.
int listValue(fw::PopupMenu* popup, const CycleSettings::List& list)
{
    const std::int32_t value = fw::ToInt32(fw::Val(popup->Text()));
    return value < list.first ? list.first : value > list.last ? list.last : value;
}

} // namespace

main::main() = default;

main::~main() = default;

calendar::DayGrid& main::Grid()
{
    if (!m_grid)
        m_grid = std::make_unique<calendar::DayGrid>(*this);
    return *m_grid;
}

void main::Event_Open()
{
    if (optionOn("disclaimer")) {
        Module1::botonesmain(false);
        for (const Position& p : {Position{RoundRectangle4, 148, 38}, Position{CheckBox1, 155, 157},
                                  Position{StaticText33, 155, 45}, Position{PushButton5, 466, 154}}) {
            p.control->SetTop(p.top);
            p.control->SetLeft(p.left);
            p.control->SetVisible(true);
        }
        // No help tip while the disclaimer is up.
        Rectangle3->SetVisible(false);
    }
    for (const Position& p :
         {Position{RoundRectangle5, 188, 54}, Position{StaticText37, 199, 61}, Position{PushButton6, 410, 213}}) {
        p.control->SetTop(p.top);
        p.control->SetLeft(p.left);
    }
    tempmenst->SetText(Module1::DateText(*fechamens1->Date()));
    EditField1->SetText(tempmenst->Text());
    Module1::calend(Module1::DateText(fw::Date()));
}

void main::Event_Close()
{
    SaveInputs();
    // A close that is part of a quit already under way changes nothing more.
    if (fw::Application* app = fw::App(); app && !app->Quitting())
        app->Quit(0);
}

void main::AddMenuHandlers()
{
    AddMenuHandler("FileQuit", this, &main::FileQuit_Action);
    AddMenuHandler("ckupdt", this, &main::ckupdt_Action);
}

// Quit writes the store even when nothing changed. The quit's closing of the
// window and the application's Quit, asked next, save again: those find
// nothing new, so the file is written once.
bool main::FileQuit_Action()
{
    SaveInputs();
    fw::Quit(0);
    return false;
}

bool main::ckupdt_Action()
{
    if (windows::ckwin* updates = win::ckwin())
        updates->Show();
    return false;
}

// Help: unlike the Help menu command, the button also gives the calendar
// window the help window's bar until the help closes.
void main::PushButton2_Action()
{
    Module1::botonesmain(false);
    SetMenuBar(MenuBar2());
    if (windows::ayuda* help = win::ayuda())
        help->Show();
}

void main::StoreInputs()
{
    BPrefs::SetValue("fechamens1", fechamens1->Date());
    BPrefs::SetValue("durciclo", durciclo->Text());
    BPrefs::SetValue("luteo", luteo->Text());
    BPrefs::SetValue("rbevitar", rbevitar->Value());
    BPrefs::SetValue("rbconcebir", rbconcebir->Value());
    BPrefs::SetValue("rbnino", rbnino->Value());
    BPrefs::SetValue("rbnina", rbnina->Value());
    // The disclaimer's box, which the preferences window's mirrors, is kept
    // as the user left it even without that window's Ok.
    BPrefs::SetValue("disclaimer", CheckBox1->Value());
}

// The frames draw the number fields' borders; each field tells its frame
// about its focus on every key.
void main::rcanvas1_Open()
{
    rcanvas1->SetEditField(durciclo);
}

void main::rcanvas2_Open()
{
    rcanvas2->SetEditField(luteo);
}

bool main::durciclo_KeyDown(const std::string&)
{
    durciclo->SetCanvas(rcanvas1);
    return false;
}

bool main::luteo_KeyDown(const std::string&)
{
    luteo->SetCanvas(rcanvas2);
    return false;
}

// The glossy buttons get their symbol when they open, nothing else.
void main::mesanterior_Open()
{
    mesanterior->SetBackButton(true);
}

void main::mesanterior3_Open()
{
    mesanterior3->SetStopButton(true);
}

void main::mesproximo_Open()
{
    mesproximo->SetForwardButton(true);
}

// A click on a day number changes nothing and lets the click through.
bool main::std_MouseDown(int, int, int)
{
    return false;
}

// Calculate: the start of the cycle one day before the entered date, at its
// time of day; then the table and the painting. Lengths the table cannot be
// built from are refused with a message, and the grid, the table and the
// start stay as they were.
void main::calcular_Action()
{
    using calendar::LengthsProblem;
    const double start = calendar::CycleStartSeconds(fechamens1->Date()->TotalSeconds());
    switch (ciclo()) {
    case LengthsProblem::Cycle:
        fw::MsgBox(Textos::k340());
        return;
    case LengthsProblem::Luteal:
        fw::MsgBox(Textos::k341());
        return;
    case LengthsProblem::LutealNotShorter:
        fw::MsgBox(Textos::k342());
        return;
    case LengthsProblem::None:
        break;
    }
    bs->SetText(fw::Str(start));
    coloron();
}

// The one check of the typed lengths: Calculate reports what it finds.
calendar::LengthsProblem main::ciclo()
{
    using namespace calendar;
    const std::optional<int> cycle = WholeNumberWithin(durciclo->Text(), kShortestCycle, kLongestCycle);
    const std::optional<int> luteal = WholeNumberWithin(luteo->Text(), kShortestLuteal, kLongestLuteal);
    const LengthsProblem problem = CheckLengths(cycle, luteal);
    windows::preferences* settings = win::preferences();
    if (problem != LengthsProblem::None || !settings)
        return problem;
    const calendar::CycleSettings s{*cycle, *luteal, listValue(settings->durmens, ::CycleSettings::kMenses),
                                    listValue(settings->fertpre, ::CycleSettings::kFertilePre),
                                    listValue(settings->fertpost, ::CycleSettings::kFertilePost)};
    ov->SetText(fw::Str(s.OvulationReference()));
    Grid().WriteTable(BuildCycleTable(s));
    return LengthsProblem::None;
}

// Today's cell keeps the highlight that the month's fill found for it.
void main::coloron()
{
    Grid().Apply(Paint(Grid().ShownGrid()));
}

calendar::Painting main::Paint(const calendar::MonthGrid& grid)
{
    using calendar::Goal;
    const auto table = Grid().ReadTable();
    calendar::PaintInput in{grid, &table, std::nullopt, Goal::None};
    if (!fw::Trim(bs->Text()).empty())
        in.start = calendar::EnteredDay(fw::Val(bs->Text()));
    in.goal = rbconcebir->Value() ? Goal::Conceive
              : rbevitar->Value() ? Goal::Avoid
              : rbnino->Value()   ? Goal::Boy
              : rbnina->Value()   ? Goal::Girl
                                  : Goal::None;
    return calendar::PaintMonth(in, Grid().ReadPalette());
}

// The help tip over the date field, when the preferences ask for it.
void main::Rectangle3_MouseEnter()
{
    if (!optionOn("helptip"))
        return;
    RoundRectangle3->SetVisible(true);
    StaticText32->SetText(Textos::k330());
    StaticText32->SetVisible(true);
}

void main::Rectangle3_MouseExit()
{
    RoundRectangle3->SetVisible(false);
}

bool main::fechamens1_DragOver(int, int, fw::DragItem&, int)
{
    RoundRectangle3->SetVisible(true);
    return false;
}

void main::fechamens1_DragExit(fw::DragItem&, int)
{
    RoundRectangle3->SetVisible(false);
}

// Preferences: the inputs and the menu bar wait for its Ok.
void main::PushButton3_Action()
{
    Module1::botonesmain(false);
    SetMenuBar(MenuBar2());
    if (windows::preferences* settings = win::preferences())
        settings->ShowWithin(this, 0);
}

// About: the inputs wait until the About window closes.
void main::PushButton4_Action()
{
    Module1::botonesmain(false);
    if (AquaAboutBox* about = win::AquaAboutBox())
        about->Show();
}

void main::UpDownArrows1_Down()
{
    fechamens1->SelectionDown();
}

void main::UpDownArrows1_Up()
{
    fechamens1->SelectionUp();
}

void main::UpDownArrows2_Down()
{
    Step(durciclo, false, calendar::kShortestCycle, calendar::kLongestCycle);
}

void main::UpDownArrows2_Up()
{
    Step(durciclo, true, calendar::kShortestCycle, calendar::kLongestCycle);
}

void main::UpDownArrows3_Down()
{
    Step(luteo, false, calendar::kShortestLuteal, calendar::kLongestLuteal);
}

void main::UpDownArrows3_Up()
{
    Step(luteo, true, calendar::kShortestLuteal, calendar::kLongestLuteal);
}

void main::Step(fw::EditField* field, bool up, int lo, int hi)
{
    if (auto text = calendar::StepNumber(field->Text(), up, lo, hi))
        field->SetText(*text);
}

// Agree: the disclaimer goes; the quick start follows when help tips are on,
// otherwise the inputs come back at once.
void main::PushButton5_Action()
{
    const std::array<fw::Control*, 4> disclaimer{RoundRectangle4, CheckBox1, StaticText33, PushButton5};
    for (fw::Control* c : disclaimer)
        c->SetVisible(false);
    windows::preferences* settings = win::preferences();
    if (settings && settings->CheckBox2->Value()) {
        for (fw::Control* c : QuickStartPanel())
            c->SetVisible(true);
    } else {
        Rectangle3->SetVisible(true);
        Module1::botonesmain(true);
    }
    if (BPrefs::HasKey("durciclo"))
        if (const auto text = BPrefs::Value("durciclo").AsString())
            durciclo->SetText(*text);
}

void main::CheckBox1_Action()
{
    if (windows::preferences* settings = win::preferences())
        settings->CheckBox1->SetValue(CheckBox1->Value());
}

void main::PushButton6_Action()
{
    for (fw::Control* c : QuickStartPanel())
        c->SetVisible(false);
    Rectangle3->SetVisible(true);
    Module1::botonesmain(true);
}

std::array<fw::Control*, 9> main::QuickStartPanel() const
{
    return {RoundRectangle5, StaticText37, StaticText34, StaticText35, StaticText36, Oval2, Oval3, Oval4, PushButton6};
}

// From the first of the shown month, one month on or back (the date carries
// across the year's end), shown and then painted from the same table. The
// year is written in full: two digits would name only 1951 to 2050.
void main::PageBy(int delta)
{
    const std::string first = mes->Text() + "/01/" + Module1::FourDigitYear(fw::ToInt32(fw::Val(ano->Text())));
    fw::Date d = Module1::Str2date(first);
    d.SetMonth(d.Month() + delta);
    Module1::calend(fw::Str(d.Month()) + "/" + fw::Str(d.Day()) + "/" + Module1::FourDigitYear(d.Year()));
    coloron();
}

void main::mesanterior_MouseDown(int, int)
{
    PageBy(-1);
}

void main::mesproximo_MouseDown(int, int)
{
    PageBy(1);
}

void main::mesanterior3_MouseDown(int, int)
{
    Module1::calend(Module1::hoy());
    calcular->Push();
}

// Deletes the files of cancelled downloads, each only while it is still the
// very file its download made.
void main::PushButton7_Action()
{
    update::RemoveCancelledDownloads();
}

// Armed by a Cancel in the update window. StaticText49 is not set back, so
// the first removal of a run waits two ticks and every later one a single
// tick.
void main::Timer1_Action()
{
    const double count = fw::Val(StaticText49->Text());
    if (count > 0) {
        StaticText49->SetText(fw::Str(std::int64_t(count) - 1));
        return;
    }
    PushButton7->Push();
    Timer1->SetMode(fw::Timer::kModeOff);
}

void SaveInputs()
{
    // A quit on a failure leaves the file as it was, and has said so.
    if (const fw::Application* app = fw::App(); app && app->Quitting() && app->ExitStatus() != 0)
        return;
    if (main* calendar = win::main())
        calendar->StoreInputs();
    const bool saved = BPrefs::Save();
    const BPrefs::SaveOutcome& outcome = BPrefs::LastSave();
    if (outcome.damagedCopy)
        fw::MsgBox((outcome.laterVersion ? Textos::k222() : Textos::k220()) + "\r"
                   + outcome.damagedCopy->NativePath());
    if (saved)
        return;
    const fw::FolderItemPtr file = BPrefs::PrefsFile();
    fw::MsgBox(Textos::k221() + "\r" + (file ? file->NativePath() : std::string()) + "\r" + outcome.reason);
    // The settings are lost: the process must not end as a success.
    fw::Quit(1);
}

} // namespace windows

namespace win {

windows::main* main()
{
    return fw::WindowInstance<windows::main>();
}

} // namespace win
