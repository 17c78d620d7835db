// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/shell_fixture.h"
#include "help/ayuda.h"
#include "update/ckwin.h"

#include <QImage>
#include <QPixmap>
#include <QWidget>

namespace {

using namespace shelltest;

using PrefsWindowTest = ShellTest;

TEST_F(PrefsWindowTest, ShownAgainItKeepsItsLists)
{
    Start();
    windows::preferences* prefs = OpenPreferences();
    testenv::click(prefs->PushButton1);
    prefs->Show();
    WaitShown(prefs);
    // Open ran once: no row twice.
    for (const auto& [popup, n] : {std::pair{prefs->durmens, 5}, {prefs->fertpre, 3}, {prefs->fertpost, 3}})
        EXPECT_EQ(popup->ListCount(), n) << popup->Name();
    testenv::screenshot(prefs, "prefswindow");
}

// The window fills every row of its three lists before it selects a row in
// any of them: the first selection already sees five, three and three rows.
TEST_F(PrefsWindowTest, ListsGetAllTheirRowsBeforeAnySelection)
{
    struct Watched : windows::preferences {
        std::vector<std::string> changes;

    protected:
        void CreateControls() override
        {
            windows::preferences::CreateControls();
            for (fw::PopupMenu* list : {durmens, fertpre, fertpost})
                list->Change.InstallInstanceEventHandler([this, list] {
                    changes.push_back(list->Name() + " " + list->Text() + " of "
                                      + std::to_string(durmens->ListCount()) + std::to_string(fertpre->ListCount())
                                      + std::to_string(fertpost->ListCount()));
                });
        }
    };
    Start();
    const Watched* prefs = fw::WindowInstance<Watched>();
    EXPECT_EQ(prefs->changes, (std::vector<std::string>{"durmens 5 of 533", "fertpre 5 of 533", "fertpost 2 of 533"}));
}

// Ok stores the settings in memory and leaves the file to the next save;
// quitting without Ok keeps nothing changed.
TEST_F(PrefsWindowTest, OnlyOkStoresTheSettings)
{
    for (const bool ok : {true, false}) {
        SCOPED_TRACE(ok ? "Ok" : "no Ok");
        std::filesystem::remove(PrefsPath());
        FileWrites writes(folders.config(), "com.tarcyc Prefs");
        Start();
        windows::preferences* prefs = OpenPreferences();
        prefs->durmens->Handle()->setFocus();
        testenv::key(prefs->durmens, Qt::Key_Up);
        testenv::click(prefs->CheckBox3);
        if (ok) {
            // Return pushes Ok, the default button.
            QTest::keyClick(prefs->Handle(), Qt::Key_Return);
            EXPECT_FALSE(prefs->Visible());
            EXPECT_TRUE(BPrefs::HasKey("durmens"));
            EXPECT_EQ(writes.Count(), 0);
        }
        Choose(ok ? static_cast<fw::MenuBar*>(MenuBar1()) : MenuBar2(), "FileQuit");
        End();
        Start();
        const Shown kept = ok ? Shown{"4", "5", "2", true, true, false} : Shown{"5", "5", "2", true, true, true};
        EXPECT_EQ(ShownBy(*win::preferences()), kept);
        End();
    }
}

// Return sent as the window system delivers it: the press to the preferences
// window, then the key's repeats and its release to whichever window has the
// keyboard by then. Ok takes it; Calculate never does, and Preferences and
// Help, shown while a key is held down, stay shown.
TEST_F(PrefsWindowTest, ASentReturnPushesOkOnlyAndLeavesEveryWindowToShow)
{
    using testenv::SentKey;
    Start();
    testenv::click(win::splashreg()->PushButton1);
    windows::main* calendar = win::main();
    WaitShown(calendar);
    testenv::click(win::ckwin()->stopbutton); // Close
    PastTheFirstStartPanels();
    calendar->ov->SetText("no Calculate"); // Calculate writes it
    testenv::click(calendar->PushButton3);
    windows::preferences* prefs = win::preferences();
    WaitShown(prefs);

    testenv::sendReturn(SentKey::Press, prefs);
    for (const SentKey then : {SentKey::Repeat, SentKey::Repeat, SentKey::Release, SentKey::Repeat})
        testenv::sendReturn(then);
    EXPECT_FALSE(prefs->Visible());
    EXPECT_EQ(calendar->MenuBar(), MenuBar1());
    EXPECT_EQ(calendar->ov->Text(), "no Calculate");

    for (fw::PushButton* button : {calendar->PushButton3, calendar->PushButton2}) {
        SCOPED_TRACE(button->Caption());
        testenv::click(button);
        fw::Window* shown = button == calendar->PushButton3 ? static_cast<fw::Window*>(prefs) : win::ayuda();
        WaitShown(shown);
        testenv::sendReturn(SentKey::Repeat);
        testenv::sendReturn(SentKey::Repeat);
        QCoreApplication::processEvents();
        EXPECT_TRUE(shown->Visible());
        EXPECT_TRUE(shown->Handle()->isVisible());
        testenv::sendReturn(SentKey::Press);
        testenv::sendReturn(SentKey::Release);
        EXPECT_FALSE(shown->Visible());
    }
    EXPECT_EQ(calendar->ov->Text(), "no Calculate");
}

// Closing the window (as a quit does while the calendar window stays)
// rebuilds the cycle table from its lists and repaints the shown month.
TEST_F(PrefsWindowTest, CloseRebuildsTheCycleTableAndRepaints)
{
    Start();
    testenv::click(win::splashreg()->PushButton1);
    windows::main* calendar = win::main();
    WaitShown(calendar);
    PastTheFirstStartPanels();
    calendar->fechamens1->SetDate(fw::Date());
    testenv::click(calendar->calcular);
    windows::preferences* prefs = win::preferences();
    prefs->durmens->SetListIndex(4); // 7 days, where Calculate took 5
    prefs->PushButton1->Push();
    calendar->ov->SetText("0");
    const QImage before = calendar->Handle()->grab().toImage();

    prefs->Close();
    EXPECT_EQ(calendar->ov->Text(), "16");
    EXPECT_NE(calendar->Handle()->grab().toImage(), before);
}

} // namespace
