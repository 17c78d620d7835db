// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/eventwatch.h"
#include "support/shell_fixture.h"
#include "update/ckwin.h"
#include "update/createdfile.h"

#include "framework/core/filehold.h"
#include "framework/core/folderitem.h"
#include "framework/gui/printersetup_seam.h"
#include "framework/gui/statictext.h"
#include "prefs/bprefs_seam.h"
#include "resources/filetypes.h"
#include "resources/textos.h"


#include <QApplication>
#include <QWindow>

#include <sys/resource.h>

#include <cerrno>
#include <cstring>
#include <fstream>
#include <functional>
#include <set>
#include <stdexcept>
#include <tuple>
#include <utility>

namespace {

using namespace shelltest;

constexpr const char* kPrefsFile = "com.tarcyc Prefs";

using testenv::EventWatch;

// The splash shows over the hidden calendar window; Ok hides it for good,
// shows the calendar window and opens the update check itself, in front and
// kept above the calendar window, unless "ckupdt" is stored False; Check for
// Updates opens it then.
TEST_F(ShellTest, SplashOkShowsTheCalendarWindowAndTheUpdateCheck)
{
    struct Row { const char* name; std::vector<std::pair<std::string, fw::Variant>> stored; bool check; };
    const Row rows[] = {
        {"check stored on", {{"ckupdt", true}}, true},
        {"check stored off", {{"ckupdt", false}}, false},
        {"nothing stored", {}, true},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        StoreFile(row.stored);
        FileWrites writes(folders.config(), kPrefsFile);
        Start();
        windows::splashreg* splash = win::splashreg();
        WaitShown(splash);
        EXPECT_EQ(fw::FrontWindow(), splash);
        EXPECT_EQ(splash->StaticText1->Text(), "Ver. 1.0.0");
        // It has no title bar; the desktop lists it by the program's name.
        EXPECT_EQ(splash->Handle()->windowTitle(), "Cyclane Duvivarode");
        EXPECT_FALSE(win::main()->Visible());
        // Only a stored key of the preferences window makes start-up create it.
        EXPECT_EQ(Exists<windows::preferences>(), !row.stored.empty());
        // Return is not Ok: the button is not the default one.
        QTest::keyClick(splash->Handle(), Qt::Key_Return);
        EXPECT_TRUE(splash->Visible());
        if (!row.check)
            testenv::screenshot(splash, "shell_splash");
        testenv::click(splash->PushButton1);
        // All within the handler: nothing waits for the calendar window to paint.
        EXPECT_FALSE(splash->Visible());
        EXPECT_TRUE(win::main()->Visible());
        ASSERT_EQ(Exists<windows::ckwin>(), row.check);
        fw::Window* front = row.check ? static_cast<fw::Window*>(win::ckwin()) : win::main();
        EXPECT_TRUE(front->Visible());
        EXPECT_EQ(fw::FrontWindow(), front);
        if (row.check) {
            EXPECT_EQ(front->Handle()->windowHandle()->transientParent(), win::main()->Handle()->windowHandle());
        }
        WaitShown(front);
        Choose(MenuBar1(), "ckupdt");
        EXPECT_TRUE(Exists<windows::ckwin>());
        EXPECT_EQ(writes.Count(), 0);
        End();
    }
}

// Each stored key goes into its control, in the calendar window or the
// preferences window; a value the control cannot take leaves its default.
TEST_F(ShellTest, StartUpRestoresStoredInputsAndKeepsDefaultsForBadOnes)
{
    struct Row {
        const char* name;
        std::vector<std::pair<std::string, fw::Variant>> stored = {};
        std::string durciclo = "28", luteo = "14";
        std::string goal = "rbconcebir";   // the one goal set; "" for none
        Shown prefs = {"5", "5", "2", true, true, true};
    };
    const std::int32_t i0 = 0, i2 = 2, i4 = 4;
    const Row rows[] = {
        {.name = "nothing stored"},
        {.name = "numbers as typed", .stored = {{"durciclo", "31"}, {"luteo", "12"}}, .durciclo = "31", .luteo = "12"},
        {.name = "an emptied field stays empty", .stored = {{"durciclo", ""}}, .durciclo = ""},
        {.name = "the last True goal wins", .stored = {{"rbnino", true}, {"rbnina", true}}, .goal = "rbnina"},
        {.name = "a False goal clears only itself", .stored = {{"rbconcebir", false}}, .goal = ""},
        {.name = "a number stored as Int32 is another kind", .stored = {{"luteo", std::int32_t{9}}}},
        {.name = "menses position 4 shows 7", .stored = {{"durmens", i4}}, .prefs = {"7", "5", "2", true, true, true}},
        {.name = "all three lists", .stored = {{"durmens", i0}, {"fertpre", i0}, {"fertpost", i2}},
         .prefs = {"3", "3", "3", true, true, true}},
        // Both disclaimer boxes show the one setting.
        {.name = "disclaimer off", .stored = {{"disclaimer", false}}, .prefs = {"5", "5", "2", false, true, true}},
        {.name = "menses position past the end", .stored = {{"durmens", std::int32_t{5}}}},
        {.name = "position as text", .stored = {{"durmens", "0"}}},
    };
    const std::set<std::string> prefsKeys = {"durmens", "fertpre", "fertpost", "disclaimer", "helptip", "ckupdt"};
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        StoreFile(row.stored);
        Start();
        windows::main* calendar = win::main();
        EXPECT_EQ(calendar->durciclo->Text(), row.durciclo);
        EXPECT_EQ(calendar->luteo->Text(), row.luteo);
        for (fw::RadioButton* goal : {calendar->rbevitar, calendar->rbconcebir, calendar->rbnino,
                                      calendar->rbnina})
            EXPECT_EQ(goal->Value(), goal->Name() == row.goal) << goal->Name();
        EXPECT_EQ(calendar->CheckBox1->Value(), std::get<3>(row.prefs));
        // A stored key of the preferences window makes start-up create it, hidden.
        for (const auto& [key, value] : row.stored)
            EXPECT_TRUE(!prefsKeys.count(key) || Exists<windows::preferences>()) << key;
        EXPECT_EQ(ShownBy(*win::preferences()), row.prefs);
        End();
    }
}

TEST_F(ShellTest, EveryWayOutStoresTheInputsAndSavesOnce)
{
    const auto quit = [](fw::MenuBar* bar) { return [bar](windows::main&) { Choose(bar, "FileQuit"); }; };
    const auto closeBox = [](windows::main& calendar) { calendar.Handle()->close(); };
    // The calendar window's own Quit, which saves before it quits.
    const auto quitInFront = [](windows::main& calendar) {
        QApplication::setActiveWindow(calendar.Handle());
        ASSERT_EQ(fw::FrontWindow(), &calendar);
        Choose(MenuBar1(), "FileQuit");
    };
    struct Row { const char* name; bool showCalendar, showPreferences; std::function<void(windows::main&)> leave; };
    const Row rows[] = {
        {"Quit from the menu, splash in front", false, false, quit(MenuBar1())},
        {"Quit from the menu, preferences window in front", true, true, quit(MenuBar2())},
        {"Quit from the menu, calendar window in front", true, false, quitInFront},
        {"closing the calendar window", true, false, closeBox},
        {"closing the calendar window, preferences window open", true, true, closeBox},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        std::filesystem::remove(PrefsPath());
        FileWrites writes(folders.config(), kPrefsFile);
        Start();
        windows::main* calendar = win::main();
        if (row.showCalendar)
            testenv::click(win::splashreg()->PushButton1);
        WaitShown(row.showCalendar ? static_cast<fw::Window*>(calendar) : win::splashreg());
        if (row.showPreferences) {
            win::preferences()->Show();
            WaitShown(win::preferences());
        }
        calendar->durciclo->SetText("33");
        calendar->rbnino->SetValue(true);
        calendar->fechamens1->SetDate(fw::Date(2011, 8, 17));

        row.leave(*calendar);
        EXPECT_TRUE(application->Quitting());
        EXPECT_EQ(application->ExitStatus(), 0);
        // No window is made again while the application quits.
        EXPECT_TRUE(fw::Windows().empty());
        EXPECT_EQ(win::main(), nullptr);
        EXPECT_EQ(win::preferences(), nullptr);
        EXPECT_EQ(writes.Count(), 1);

        End();
        Start();
        const windows::main& again = *win::main();
        EXPECT_EQ(again.durciclo->Text(), "33");
        EXPECT_TRUE(again.rbnino->Value());
        EXPECT_FALSE(again.rbconcebir->Value());
        EXPECT_EQ(again.fechamens1->Date()->SQLDate(), "2011-08-17");
        EXPECT_TRUE(BPrefs::HasKey("app_vers"));
        End();
    }
}

// With nothing stored the start-up options are on, as the preferences window
// shows them: a first start shows the disclaimer, then the quick start. Its
// "Always show this alert." is kept as the user left it, whichever way the
// program ends, without the preferences window's Ok.
TEST_F(ShellTest, AFirstStartShowsTheDisclaimerWhoseBoxIsKeptAsLeft)
{
    const auto quit = [](windows::main&) { Choose(MenuBar1(), "FileQuit"); };
    const auto closeBox = [](windows::main& calendar) { calendar.Handle()->close(); };
    struct Row { const char* name; bool untick; std::function<void(windows::main&)> leave; };
    const Row rows[] = {
        {"unticked, then Quit", true, quit},
        {"unticked, then the close box", true, closeBox},
        {"left ticked, then Quit", false, quit},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        std::filesystem::remove(PrefsPath());
        Start();
        testenv::click(win::splashreg()->PushButton1);
        windows::main* calendar = win::main();
        EXPECT_TRUE(calendar->RoundRectangle4->Shown());
        EXPECT_TRUE(calendar->CheckBox1->Value());
        EXPECT_EQ(ShownBy(*win::preferences()), (Shown{"5", "5", "2", true, true, true}));
        if (row.untick)
            testenv::click(calendar->CheckBox1);
        testenv::click(calendar->PushButton5);
        EXPECT_TRUE(calendar->RoundRectangle5->Shown());
        EXPECT_FALSE(calendar->calcular->Enabled());
        testenv::click(calendar->PushButton6);
        EXPECT_TRUE(calendar->calcular->Enabled());
        row.leave(*calendar);
        End();

        Start();
        testenv::click(win::splashreg()->PushButton1);
        calendar = win::main();
        EXPECT_EQ(calendar->RoundRectangle4->Shown(), !row.untick);
        EXPECT_EQ(calendar->CheckBox1->Value(), !row.untick);
        EXPECT_EQ(win::preferences()->CheckBox1->Value(), !row.untick);
        EXPECT_EQ(calendar->calcular->Enabled(), row.untick);
        End();
    }
}

TEST_F(ShellTest, QuitOnAFailureLeavesTheFileAsItWas)
{
    StoreFile({{"durmens", std::int32_t{4}}});
    FileWrites writes(folders.config(), kPrefsFile);
    Start();
    BPrefs::SetValue("durmens", std::int32_t{0});
    fw::Dispatch([] { throw std::runtime_error("Error in Open Class"); });

    ASSERT_EQ(messages.size(), 1u);
    EXPECT_NE(messages[0].find("Error in Open Class"), std::string::npos);
    EXPECT_TRUE(application->Quitting());
    EXPECT_EQ(application->ExitStatus(), 1);
    EXPECT_EQ(writes.Count(), 0);
    BPrefs::ResetForTesting();
    EXPECT_EQ(BPrefs::Value("durmens"), fw::Variant(std::int32_t(4)));
}

TEST_F(ShellTest, AFailedSaveAtQuitSaysWhereAndWhyAndEndsAsAFailure)
{
    const auto config = folders.config();
    struct Row { const char* name; std::function<void()> make; int error; };
    const Row rows[] = {
        {"the file's name is a folder", [&] { std::filesystem::create_directory(PrefsPath()); }, EISDIR},
        {"read-only folder", [&] { std::filesystem::permissions(config, std::filesystem::perms(0555)); }, EACCES},
        {"full disk", [] {}, EFBIG},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        std::filesystem::remove_all(PrefsPath());
        messages.clear();
        Start();
        row.make();
        {
            const testenv::ScopedModeBitsBind unprivileged;
            const testenv::ScopedFileSizeLimit full(row.error == EFBIG ? 8 : RLIM_INFINITY);
            Choose(MenuBar1(), "FileQuit");
        }
        std::filesystem::permissions(config, std::filesystem::perms(0700));
        EXPECT_EQ(application->ExitStatus(), 1);
        EXPECT_EQ(messages, std::vector<std::string>{Textos::k221() + "\r" + PrefsPath().string() + "\r" +
                                                     std::strerror(row.error)});
        End();
    }
}

TEST_F(ShellTest, AFileThatDidNotLoadWholeIsKeptAndSaidSoOnce)
{
    // A later version's file this one reads in full, as a save writes it.
    StoreFile({{"durciclo", "31"}});
    std::string later = *fw::FolderItem(PrefsPath()).ReadAll();
    later[7] = '\x01';
    // The second file kept aside does not replace the first.
    struct Row { const char* name; std::string file; std::string (*notice)(); const char* copy; };
    const Row rows[] = {
        {"cut short", "BPrefs\x01\x00\x00" "\x00\x5B\x00\x00\x00\x0A\x00\x00 cut short", Textos::k220,
         "com.tarcyc Prefs.damaged"},
        {"a later version", later, Textos::k222, "com.tarcyc Prefs.damaged 2"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        const auto copy = folders.config() / row.copy;
        std::ofstream(PrefsPath(), std::ios::binary | std::ios::trunc) << row.file;
        messages.clear();
        for (int run = 0; run < 2; ++run) {
            Start();
            Choose(MenuBar1(), "FileQuit");
            EXPECT_EQ(application->ExitStatus(), 0);
            End();
        }
        EXPECT_EQ(messages, std::vector<std::string>{row.notice() + "\r" + copy.string()});
        EXPECT_EQ(fw::FolderItem(copy).ReadAll(), row.file);
        EXPECT_TRUE(BPrefs::HasKey("app_vers"));
        BPrefs::ResetForTesting();
    }
    for (const Row& row : rows)
        EXPECT_EQ(fw::FolderItem(folders.config() / row.copy).ReadAll(), row.file) << row.copy;
}

// Whichever way the user leaves, a file kept aside or a save that failed is
// told once, in the same words, and the file is written once at most.
TEST_F(ShellTest, EveryWayOutTellsTheUserOnce)
{
    const auto inFront = [](windows::main& calendar) {
        QApplication::setActiveWindow(calendar.Handle());
        ASSERT_EQ(fw::FrontWindow(), &calendar);
    };
    struct Way { const char* name; bool showCalendar; std::function<void(windows::main&)> leave; };
    const Way ways[] = {
        {"Quit from the menu, splash in front", false, [](windows::main&) { Choose(MenuBar1(), "FileQuit"); }},
        {"Quit from the menu, calendar window in front", true,
         [&](windows::main& calendar) {
             inFront(calendar);
             Choose(MenuBar1(), "FileQuit");
         }},
        {"Ctrl+Q, calendar window in front", true,
         [&](windows::main& calendar) {
             inFront(calendar);
             QTest::keyClick(calendar.Handle(), Qt::Key_Q, Qt::ControlModifier);
         }},
        {"the close box", true, [](windows::main& calendar) { calendar.Handle()->close(); }},
        // What a termination signal runs once the event loop takes it.
        {"a termination signal", true, [](windows::main&) { fw::Dispatch([] { fw::Quit(0); }); }},
    };
    StoreFile({{"durciclo", "31"}});
    const std::string whole = *fw::FolderItem(PrefsPath()).ReadAll();
    std::string later = whole;
    later[7] = '\x01';
    const auto copy = folders.config() / "com.tarcyc Prefs.damaged";
    const auto config = folders.config();
    struct Condition { const char* name; std::string file; bool readOnly; std::string message; int status; };
    const Condition conditions[] = {
        {"cut short", "BPrefs\x01\x00\x00" "\x00\x5B cut", false, Textos::k220() + "\r" + copy.string(), 0},
        {"a later version", later, false, Textos::k222() + "\r" + copy.string(), 0},
        {"a folder that cannot be written", whole, true,
         Textos::k221() + "\r" + PrefsPath().string() + "\r" + std::strerror(EACCES), 1},
    };
    for (const Condition& condition : conditions)
        for (const Way& way : ways) {
            SCOPED_TRACE(std::string(condition.name) + ", " + way.name);
            std::filesystem::remove(copy);
            testenv::WriteFile(PrefsPath(), condition.file);
            messages.clear();
            Start();
            windows::main* calendar = win::main();
            if (way.showCalendar) {
                testenv::click(win::splashreg()->PushButton1);
                WaitShown(calendar);
            }
            FileWrites writes(config, kPrefsFile);
            if (condition.readOnly)
                std::filesystem::permissions(config, std::filesystem::perms(0555));
            {
                const testenv::ScopedModeBitsBind unprivileged;
                way.leave(*calendar);
            }
            std::filesystem::permissions(config, std::filesystem::perms(0700));
            EXPECT_TRUE(application->Quitting());
            EXPECT_EQ(application->ExitStatus(), condition.status);
            EXPECT_EQ(messages, std::vector<std::string>{condition.message});
            EXPECT_EQ(writes.Count(), condition.readOnly ? 0 : 1);
            End();
        }
}

// A start removes the partial files that killed runs left and nothing else;
// a quit right after a Cancel, as every quit, removes those of its run at once.
TEST_F(ShellTest, StartRemovesLeftPartialFilesAndQuitThoseOfItsRun)
{
    namespace fs = std::filesystem;
    const fs::path desktop = folders.desktop(), held = desktop / ".cyclane-download-0123456789abcde0.part";
    const std::set<std::string> others = {"cyclane-download-0123456789abcdef.part", held.filename(), "Cyclane.dmg",
                                          ".cyclane-download-0123456789abcdef.partial"};
    fs::create_directories(desktop);
    for (const std::string& name : others)
        std::ofstream(desktop / name) << "theirs";
    fs::create_symlink("Cyclane.dmg", desktop / ".cyclane-download-1111111111111111.part");
    std::ofstream(desktop / ".cyclane-download-0123456789abcdef.part") << "a killed run's";
    const auto hold = fw::FileHold::Open(fw::FolderItem(held));
    const auto listing = [&] {
        std::set<std::string> names;
        for (const auto& entry : fs::directory_iterator(desktop))
            names.insert(entry.path().filename().string());
        names.erase(".cyclane-download-1111111111111111.part");
        return names;
    };
    Start();
    EXPECT_EQ(listing(), others);
    EXPECT_TRUE(fs::is_symlink(desktop / ".cyclane-download-1111111111111111.part"));

    std::vector<update::CreatedFile> partial;
    for (int n = 0; n < 2; ++n) {
        const fw::FolderItemPtr file = fw::FolderItem::DesktopFolder()->Child(update::PartialFileName());
        std::ofstream(file->Path()) << "partial";
        partial.push_back(update::HoldPartialFile(file, file->Identity()).value());
    }
    update::RemoveLater(partial.front());
    Choose(MenuBar1(), "FileQuit");
    EXPECT_EQ(listing(), others);
}

// Start-up's steps leave the file types declared, the application reachable
// with its bar and its four commands, and the calendar window made hidden;
// the version parts give the "app_vers" every save stores.
TEST_F(ShellTest, StartUpDeclaresTheFileTypesAndTheApplicationsParts)
{
    Start();
    const fw::FileTypePtr& text = FileTypes::pText();
    ASSERT_NE(text, nullptr);
    EXPECT_EQ(std::tuple(text->Name(), text->Extensions(), text->MacType(), text->MacCreator()),
              std::tuple("text", "", "TEXT", "R*ch"));
    EXPECT_EQ(app::App(), application.get());
    EXPECT_EQ(application->MenuBar(), MenuBar1());
    for (const char* name : {"AppleAbout", "FilePSetup", "MyAppHelp", "FileQuit"})
        EXPECT_TRUE(application->HasMenuHandler(name)) << name;
    EXPECT_FALSE(win::main()->Visible());

    // The menu-item accessors find the items of the application's bar.
    const std::pair<fw::MenuItem*, const char*> items[] = {
        {MyAppHelp(), "MyAppHelp"}, {FilePSetup(), "FilePSetup"}, {FileQuit(), "FileQuit"}};
    for (const auto& [item, name] : items) {
        ASSERT_NE(item, nullptr) << name;
        EXPECT_EQ(item, MenuBar1()->FindItem(name)) << name;
    }

    const fw::AppVersionParts parts{application->MajorVersion(), application->MinorVersion(),
                                    application->BugVersion(), application->StageCode(),
                                    application->NonReleaseVersion()};
    EXPECT_EQ(BPrefs::AppVersionCode(parts), 8389376); // 1.0.0, final
    EXPECT_EQ(application->ShortVersion(), "1.0.0");
    Choose(MenuBar1(), "FileQuit");
    End();
    EXPECT_EQ(BPrefs::Value("app_vers"), fw::Variant(std::int32_t(8389376)));
}

// Page Setup starts from the default settings each time, over the front
// window: a confirmed dialog's settings replace the last ones, a cancelled
// one changes nothing.
TEST_F(ShellTest, PageSetupKeepsTheLastConfirmedSettings)
{
    Start();
    struct Row { const char* name; bool confirm; const char* chosen; const char* kept; };
    const Row rows[] = {
        {"confirmed", true, "9 1 10 20 30 40", "9 1 10 20 30 40"},
        {"confirmed again", true, "5 0 0 0 0 0", "5 0 0 0 0 0"},
        {"cancelled", false, "9 1 10 20 30 40", "5 0 0 0 0 0"},
    };
    const Row* row = nullptr;
    std::vector<std::pair<fw::Window*, std::string>> shown;
    const fw::PageSetupHook real = fw::SetPageSetupHook([&](fw::Window* parent, std::string& setup) {
        shown.emplace_back(parent, setup);
        setup = row->chosen;
        return row->confirm;
    });
    for (const Row& r : rows) {
        SCOPED_TRACE(r.name);
        row = &r;
        Choose(MenuBar1(), "FilePSetup");
        EXPECT_EQ(application->PageSettings(), r.kept);
    }
    EXPECT_FALSE(application->FilePSetup_Action());
    fw::SetPageSetupHook(real);
    const std::pair<fw::Window*, std::string> fresh{win::splashreg(), ""};
    EXPECT_EQ(shown, decltype(shown)(4, fresh));
}

// Quit saves first, with the inputs the calendar window shows, then quits:
// the file is written before the windows close, and once, although closing
// the calendar window stores the inputs again and the quit saves again.
TEST_F(ShellTest, QuitSavesThenQuitsAndWritesOnce)
{
    Start();
    testenv::click(win::splashreg()->PushButton1);
    WaitShown(win::main());
    win::main()->durciclo->SetText("35");
    FileWrites writes(folders.config(), kPrefsFile);
    int writtenWhenTheWindowClosed = -1;
    EventWatch hides(win::main()->Handle(), QEvent::Hide, [&] {
        if (writtenWhenTheWindowClosed < 0)
            writtenWhenTheWindowClosed = writes.Count();
    });
    EXPECT_FALSE(application->FileQuit_Action());
    EXPECT_EQ(writtenWhenTheWindowClosed, 1);
    EXPECT_TRUE(application->Quitting());
    // Asked again, as after the window's own Quit handler: nothing more.
    EXPECT_FALSE(application->FileQuit_Action());
    EXPECT_EQ(writes.Count(), 1);
    End();
    EXPECT_EQ(BPrefs::Value("durciclo").AsString(), "35");
}

} // namespace
