// SPDX-License-Identifier: GPL-3.0-or-later
#include "tests/app/shell_fixture.h"

#include "app/menubars.h"
#include "app/splashreg.h"
#include "calendar/mainwindow.h"
#include "calendar/module1.h"
#include "framework/gui/checkbox.h"
#include "framework/gui/editfield.h"
#include "framework/gui/groupbox.h"
#include "framework/gui/menubar.h"
#include "framework/gui/popupmenu.h"
#include "framework/gui/pushbutton.h"
#include "framework/gui/radiobutton.h"
#include "framework/gui/statictext.h"
#include "prefs/window/preferences.h"
#include "support/gui.h"

#include <QAction>
#include <QApplication>
#include <QDialog>
#include <QTimer>

#include <functional>
#include <stdexcept>

namespace {

using shelltest::FileWrites;
using shelltest::ShellTest;

constexpr const char* kPrefsFile = "com.tarcyc Prefs";

// Stand-ins for the calendar window's inputs, made before the application's
// Open as the window's layout will make them.
struct CalendarInputs {
    fw::EditField* durciclo = nullptr;
    fw::EditField* luteo = nullptr;
    fw::RadioButton* rbevitar = nullptr;
    fw::RadioButton* rbconcebir = nullptr;
    fw::RadioButton* rbnino = nullptr;
    fw::RadioButton* rbnina = nullptr;
    fw::CheckBox* disclaimer = nullptr;
    int disclaimerActions = 0;
};

// The mirror of the calendar window's "Always show this alert." box copies
// its state into the preferences window, as that window's own handler does.
void AddCalendarInputs(windows::main& calendar, CalendarInputs& in)
{
    auto field = [&](const char* name, const char* text) {
        auto* f = calendar.AddControl<fw::EditField>(name, fw::kNoIndex);
        f->SetText(text);
        return f;
    };
    in.durciclo = field("durciclo", "28");
    in.luteo = field("luteo", "14");
    calendar.AddControl<fw::GroupBox>("GroupBox3", fw::kNoIndex);
    auto goal = [&](const char* name, bool on) {
        auto* b = calendar.AddControl<fw::RadioButton>(name, fw::kNoIndex);
        b->SetInitialParent("GroupBox3");
        b->SetValue(on);
        return b;
    };
    in.rbevitar = goal("rbevitar", false);
    in.rbconcebir = goal("rbconcebir", true);
    in.rbnino = goal("rbnino", false);
    in.rbnina = goal("rbnina", false);
    in.disclaimer = calendar.AddControl<fw::CheckBox>("CheckBox1", fw::kNoIndex);
    in.disclaimer->SetValue(true);
    in.disclaimer->Action.Bind([&in] {
        ++in.disclaimerActions;
        if (windows::preferences* prefs = win::preferences())
            prefs->CheckBox1->SetValue(in.disclaimer->Value());
    });
}

TEST_F(ShellTest, FirstStartShowsTheSplashOverTheHiddenCalendarWindow)
{
    FileWrites writes(folders.config(), kPrefsFile);
    Start();

    EXPECT_EQ(app::App(), application.get());
    EXPECT_EQ(application->MenuBar(), MenuBar1());
    EXPECT_TRUE(application->AutoQuit());
    windows::splashreg* splash = win::splashreg();
    ASSERT_NE(splash, nullptr);
    EXPECT_TRUE(splash->Visible());
    EXPECT_EQ(fw::FrontWindow(), splash);
    EXPECT_EQ(splash->StaticText1->Text(), "Ver. 1.0.0");
    EXPECT_EQ(splash->MenuBar(), MenuBar1());
    EXPECT_FALSE(splash->CloseButton());

    windows::main* calendar = win::main();
    ASSERT_NE(calendar, nullptr);
    EXPECT_FALSE(calendar->Visible());
    EXPECT_EQ(calendar->Title(), "Cyclane Duvivarode");
    EXPECT_EQ(calendar->Width(), 702);
    EXPECT_EQ(calendar->Height(), 335);
    EXPECT_EQ(calendar->MenuBar(), MenuBar1());
    EXPECT_TRUE(calendar->CloseButton());

    // Nothing stored: start-up leaves the preferences window to its first use.
    EXPECT_FALSE(Exists<windows::preferences>());
    EXPECT_EQ(writes.Count(), 0);
    EXPECT_FALSE(std::filesystem::exists(folders.config() / kPrefsFile));
    EXPECT_TRUE(messages.empty());
}

TEST_F(ShellTest, TheCalendarWindowIsCreatedBeforeTheLoopAndTheSplashAfter)
{
    Launch();
    EXPECT_TRUE(Exists<windows::main>());
    EXPECT_FALSE(Exists<windows::splashreg>());
    EXPECT_FALSE(application->AutoQuit());
    Open();
    EXPECT_TRUE(Exists<windows::splashreg>());
}

TEST_F(ShellTest, SplashOkHidesItForGoodAndShowsTheCalendarWindow)
{
    Start();
    windows::splashreg* splash = win::splashreg();
    WaitShown(splash);
    // Return is not Ok: the button is not the default one.
    QTest::keyClick(splash->Handle(), Qt::Key_Return);
    EXPECT_TRUE(splash->Visible());

    testenv::click(splash->PushButton1);
    EXPECT_FALSE(splash->Visible());
    EXPECT_TRUE(Exists<windows::splashreg>());
    windows::main* calendar = win::main();
    EXPECT_TRUE(calendar->Visible());
    WaitShown(calendar);
    EXPECT_EQ(fw::FrontWindow(), calendar);
    EXPECT_FALSE(application->Quitting());
}

TEST_F(ShellTest, AWindowManagerCloseRequestLeavesTheSplashAndThePreferencesWindow)
{
    Start();
    windows::splashreg* splash = win::splashreg();
    WaitShown(splash);
    splash->Handle()->close();
    EXPECT_TRUE(splash->Visible());
    EXPECT_FALSE(splash->Closing());

    windows::preferences* prefs = win::preferences();
    prefs->Show();
    WaitShown(prefs);
    prefs->Handle()->close();
    EXPECT_TRUE(prefs->Visible());
    EXPECT_FALSE(prefs->Closing());
    EXPECT_FALSE(application->Quitting());
}

TEST_F(ShellTest, RestoreTablePutsStoredInputsIntoTheCalendarWindow)
{
    struct Row {
        const char* name;
        std::vector<std::pair<std::string, fw::Variant>> stored;
        std::string durciclo, luteo;
        bool rbevitar, rbconcebir, rbnino, rbnina;
        bool disclaimer;
    };
    const Row rows[] = {
        {"nothing stored", {}, "28", "14", false, true, false, false, true},
        {"numbers as typed", {{"durciclo", "31"}, {"luteo", "12"}}, "31", "12", false, true, false, false, true},
        {"an emptied field stays empty", {{"durciclo", ""}}, "", "14", false, true, false, false, true},
        {"avoid pregnancy", {{"rbevitar", true}, {"rbconcebir", false}}, "28", "14", true, false, false, false, true},
        {"the last True goal wins", {{"rbnino", true}, {"rbnina", true}}, "28", "14", false, false, false, true, true},
        {"a False goal clears only itself", {{"rbconcebir", false}}, "28", "14", false, false, false, false, true},
        {"disclaimer off", {{"disclaimer", false}}, "28", "14", false, true, false, false, false},
        {"a number stored as Int32 is another kind", {{"luteo", std::int32_t{9}}}, "28", "14", false, true, false,
         false, true},
        {"a goal stored as text is another kind", {{"rbnina", "True"}}, "28", "14", false, true, false, false, true},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        if (row.stored.empty())
            std::filesystem::remove(folders.config() / kPrefsFile);
        else
            StoreFile(row.stored);
        Launch();
        CalendarInputs in;
        AddCalendarInputs(*win::main(), in);
        Open();
        EXPECT_EQ(in.durciclo->Text(), row.durciclo);
        EXPECT_EQ(in.luteo->Text(), row.luteo);
        EXPECT_EQ(in.rbevitar->Value(), row.rbevitar);
        EXPECT_EQ(in.rbconcebir->Value(), row.rbconcebir);
        EXPECT_EQ(in.rbnino->Value(), row.rbnino);
        EXPECT_EQ(in.rbnina->Value(), row.rbnina);
        EXPECT_EQ(in.disclaimer->Value(), row.disclaimer);
        if (!row.disclaimer) {
            // Both boxes show the one setting.
            ASSERT_TRUE(Exists<windows::preferences>());
            EXPECT_FALSE(win::preferences()->CheckBox1->Value());
        }
        EXPECT_TRUE(win::splashreg()->Visible());
        End();
    }
}

TEST_F(ShellTest, MenuEnablingLeavesCommandsWithoutAWindowDisabled)
{
    Start();
    WaitShown(win::splashreg());
    struct Row {
        fw::MenuBar* bar;
        const char* item;
        bool enabled;
    };
    const Row rows[] = {
        {MenuBar1(), "FileQuit", true},     {MenuBar1(), "FilePSetup", true}, {MenuBar1(), "MyAppHelp", false},
        {MenuBar1(), "EditCut", false},     {MenuBar1(), "EditUndo", false},  {MenuBar1(), "FileClose", true},
        {MenuBar2(), "FileQuit", true},     {MenuBar2(), "FilePSetup", true}, {MenuBar2(), "MyAppHelp", false},
        {MenuBar2(), "AppleAbout", false},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(std::string(row.bar == MenuBar1() ? "MenuBar1 " : "MenuBar2 ") + row.item);
        row.bar->EnableMenuItems();
        fw::MenuItem* item = row.bar->FindItem(row.item);
        ASSERT_NE(item, nullptr);
        EXPECT_EQ(item->Enabled(), row.enabled);
    }
}

TEST_F(ShellTest, EveryWayOutStoresTheInputsAndSavesOnce)
{
    struct Row {
        const char* name;
        bool showCalendar;
        bool showPreferences;
        std::function<void(windows::main&)> leave;
    };
    auto quitItem = [](fw::MenuBar* bar) {
        bar->EnableMenuItems();
        bar->FindItem("FileQuit")->Handle()->trigger();
    };
    const Row rows[] = {
        {"Quit from the menu, calendar window in front", true, false, [&](windows::main&) { quitItem(MenuBar1()); }},
        {"Quit from the menu, splash in front", false, false, [&](windows::main&) { quitItem(MenuBar1()); }},
        {"Quit from the menu, preferences window in front", true, true,
         [&](windows::main&) { quitItem(MenuBar2()); }},
        {"Quit by its shortcut", true, false,
         [](windows::main& calendar) { QTest::keyClick(calendar.Handle(), Qt::Key_Q, Qt::ControlModifier); }},
        {"closing the calendar window", true, false, [](windows::main& calendar) { calendar.Handle()->close(); }},
        {"closing the calendar window, preferences window open", true, true,
         [](windows::main& calendar) { calendar.Handle()->close(); }},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        std::filesystem::remove(folders.config() / kPrefsFile);
        FileWrites writes(folders.config(), kPrefsFile);
        ASSERT_TRUE(writes.Watching());
        Launch();
        CalendarInputs in;
        windows::main* calendar = win::main();
        AddCalendarInputs(*calendar, in);
        Open();
        if (row.showCalendar) {
            testenv::click(win::splashreg()->PushButton1);
            WaitShown(calendar);
        } else {
            WaitShown(win::splashreg());
        }
        if (row.showPreferences) {
            windows::preferences* prefs = win::preferences();
            prefs->Show();
            WaitShown(prefs);
        }
        in.durciclo->SetText("33");
        in.rbnino->SetValue(true);

        row.leave(*calendar);
        EXPECT_TRUE(application->Quitting());
        EXPECT_EQ(application->ExitStatus(), 0);
        // No window is made again while the application quits.
        EXPECT_TRUE(fw::Windows().empty());
        EXPECT_EQ(win::main(), nullptr);
        EXPECT_EQ(win::preferences(), nullptr);
        EXPECT_EQ(writes.Count(), 1);

        BPrefs::ResetForTesting();
        EXPECT_EQ(BPrefs::StringValue("durciclo"), "33");
        EXPECT_EQ(BPrefs::BooleanValue("rbnino"), true);
        EXPECT_EQ(BPrefs::BooleanValue("rbconcebir"), false);
        EXPECT_TRUE(BPrefs::HasKey("app_vers"));
        End();
    }
}

TEST_F(ShellTest, QuitOnAFailureLeavesTheFileAsItWas)
{
    StoreFile({{"durmens", std::int32_t{4}}});
    const auto before = std::filesystem::last_write_time(folders.config() / kPrefsFile);
    FileWrites writes(folders.config(), kPrefsFile);
    Start();
    BPrefs::SetValue("durmens", std::int32_t{0});
    fw::Dispatch([] { throw std::runtime_error("Error in Open Class"); });

    ASSERT_EQ(messages.size(), 1u);
    EXPECT_NE(messages[0].find("Error in Open Class"), std::string::npos);
    EXPECT_TRUE(application->Quitting());
    EXPECT_EQ(application->ExitStatus(), 1);
    EXPECT_EQ(writes.Count(), 0);
    EXPECT_EQ(std::filesystem::last_write_time(folders.config() / kPrefsFile), before);
    BPrefs::ResetForTesting();
    EXPECT_EQ(BPrefs::IntegerValue("durmens"), 4);
}

TEST_F(ShellTest, TheEventLoopRaisesOpenAndQuitEndsIt)
{
    FileWrites writes(folders.config(), kPrefsFile);
    Launch();
    std::vector<std::string> seen;
    QTimer driver;
    driver.setInterval(5);
    QObject::connect(&driver, &QTimer::timeout, [&] {
        fw::Window* front = fw::FrontWindow();
        if (auto* splash = dynamic_cast<windows::splashreg*>(front); splash && seen.empty()) {
            seen.push_back("splash");
            testenv::click(splash->PushButton1);
        } else if (auto* calendar = dynamic_cast<windows::main*>(front); calendar && seen.size() == 1) {
            seen.push_back("calendar");
            MenuBar1()->EnableMenuItems();
            MenuBar1()->FindItem("FileQuit")->Handle()->trigger();
        }
    });
    driver.start();
    QTimer::singleShot(5000, [] { fw::Quit(9); });
    EXPECT_EQ(application->Run(), 0);
    EXPECT_EQ(seen, (std::vector<std::string>{"splash", "calendar"}));
    EXPECT_EQ(writes.Count(), 1);
}

TEST_F(ShellTest, PageSetupKeepsTheLastConfirmedSetup)
{
    Start();
    WaitShown(win::splashreg());
    // Answers the page-setup dialog as soon as it is up.
    auto answer = [](bool confirm) {
        auto* timer = new QTimer(qApp);
        QObject::connect(timer, &QTimer::timeout, [timer, confirm] {
            if (auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget())) {
                timer->stop();
                timer->deleteLater();
                confirm ? dialog->accept() : dialog->reject();
            }
        });
        timer->start(10);
    };
    auto pageSetup = [] {
        MenuBar1()->EnableMenuItems();
        MenuBar1()->FindItem("FilePSetup")->Handle()->trigger();
    };
    EXPECT_EQ(application->PageSettings(), "");
    answer(false);
    pageSetup();
    EXPECT_EQ(application->PageSettings(), "");
    answer(true);
    pageSetup();
    const std::string confirmed = application->PageSettings();
    EXPECT_FALSE(confirmed.empty());
    answer(false);
    pageSetup();
    EXPECT_EQ(application->PageSettings(), confirmed);
}

TEST_F(ShellTest, InputsAreEnabledAndDisabledTogether)
{
    Start();
    windows::main* calendar = win::main();
    std::vector<fw::Control*> inputs;
    for (const char* name : {"calcular", "PushButton3", "UpDownArrows2", "fechamens1"})
        inputs.push_back(calendar->AddControl<fw::PushButton>(name, fw::kNoIndex));
    auto* monthButton = calendar->AddControl<fw::PushButton>("mesproximo", fw::kNoIndex);

    for (bool enable : {false, false, true, false, true}) {
        SCOPED_TRACE(enable ? "enable" : "disable");
        Module1::botonesmain(enable);
        for (fw::Control* input : inputs)
            EXPECT_EQ(input->Enabled(), enable) << input->Name();
        EXPECT_TRUE(monthButton->Enabled());
    }
}

TEST_F(ShellTest, Screenshots)
{
    Start();
    windows::splashreg* splash = win::splashreg();
    WaitShown(splash);
    testenv::screenshot(splash, "shell_splash");
    testenv::click(splash->PushButton1);
    windows::main* calendar = win::main();
    WaitShown(calendar);
    testenv::screenshot(calendar, "shell_calendar_window");
}

} // namespace
