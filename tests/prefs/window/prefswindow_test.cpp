// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/shell_fixture.h"

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

// Ok stores the settings in memory, gives the calendar window back and leaves
// the file to the next save; what Quit saves the next start shows. Without
// Ok, nothing changed is kept.
TEST_F(PrefsWindowTest, OkStoresTheSettingsAndTheyOutliveARestart)
{
    struct Row {
        const char* name;
        int menses, fertpre, fertpost;   // arrow-key steps from the defaults
        bool clickBoxes, ok;
        Shown afterRestart;
    };
    const Row rows[] = {
        {"menses 7", 2, 0, 0, false, true, {"7", "5", "2", true, true, true}},
        {"first rows, boxes off", -2, -2, -1, true, true, {"3", "3", "1", false, false, false}},
        {"no Ok", -2, -2, -1, true, false, {"5", "5", "2", true, true, true}},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        std::filesystem::remove(PrefsPath());
        FileWrites writes(folders.config(), "com.tarcyc Prefs");
        Start();
        windows::main* calendar = win::main();
        windows::preferences* prefs = OpenPreferences();
        const std::pair<fw::PopupMenu*, int> lists[] = {
            {prefs->durmens, row.menses}, {prefs->fertpre, row.fertpre}, {prefs->fertpost, row.fertpost}};
        for (const auto& [popup, steps] : lists) {
            popup->Handle()->setFocus();
            for (int i = 0; i < std::abs(steps); ++i)
                testenv::key(popup, steps > 0 ? Qt::Key_Down : Qt::Key_Up);
        }
        for (fw::CheckBox* box : {prefs->CheckBox1, prefs->CheckBox2, prefs->CheckBox3})
            if (row.clickBoxes)
                testenv::click(box);
        if (row.ok) {
            // Return pushes Ok, the default button.
            QTest::keyClick(prefs->Handle(), Qt::Key_Return);
            EXPECT_FALSE(prefs->Visible());
            EXPECT_TRUE(BPrefs::HasKey("durmens"));
            EXPECT_TRUE(calendar->calcular->Enabled());
            EXPECT_TRUE(calendar->durciclo->Enabled());
            EXPECT_EQ(writes.Count(), 0);
        }
        Choose(row.ok ? static_cast<fw::MenuBar*>(MenuBar1()) : MenuBar2(), "FileQuit");
        End();
        Start();
        EXPECT_EQ(ShownBy(*win::preferences()), row.afterRestart);
        End();
    }
}

} // namespace
