// SPDX-License-Identifier: GPL-3.0-or-later
#include "tests/app/shell_fixture.h"

namespace {

using namespace shelltest;

std::vector<std::string> RowsOf(const fw::PopupMenu& popup)
{
    std::vector<std::string> rows;
    for (std::int32_t i = 0; i < popup.ListCount(); ++i)
        rows.push_back(popup.List(i));
    return rows;
}

using PrefsWindowTest = ShellTest;

TEST_F(PrefsWindowTest, FirstUseFillsTheListsWithTheirDefaults)
{
    Start();
    ASSERT_FALSE(Exists<windows::preferences>());
    windows::preferences* prefs = win::preferences();
    ASSERT_NE(prefs, nullptr);
    EXPECT_FALSE(prefs->Visible());
    EXPECT_EQ(ShownBy(*prefs), Shown("5", "5", "2", true, true, true));
    EXPECT_EQ(RowsOf(*prefs->durmens), (std::vector<std::string>{"3", "4", "5", "6", "7"}));
    EXPECT_EQ(RowsOf(*prefs->fertpre), (std::vector<std::string>{"3", "4", "5"}));
    EXPECT_EQ(RowsOf(*prefs->fertpost), (std::vector<std::string>{"1", "2", "3"}));

    // Shown and hidden again, it keeps its rows: Open ran once.
    for (int i = 0; i < 3; ++i) {
        prefs->Show();
        testenv::click(prefs->PushButton1);
    }
    EXPECT_EQ(prefs->durmens->ListCount(), 5);
    EXPECT_EQ(prefs->fertpre->ListCount(), 3);
    EXPECT_EQ(prefs->fertpost->ListCount(), 3);
}

TEST_F(PrefsWindowTest, OkStoresTheSelectionsInMemoryAndGivesTheCalendarWindowBack)
{
    struct Row {
        const char* name;
        int menses, fertpre, fertpost;   // arrow-key steps from the defaults
        bool clickDisclaimer, clickHelptip, clickCkupdt;
        std::int32_t durmens, storedFertpre, storedFertpost;
    };
    const Row rows[] = {
        {"nothing changed", 0, 0, 0, false, false, false, 2, 2, 1},
        {"menses 7 stores position 4", 2, 0, 0, false, false, false, 4, 2, 1},
        {"every list at its first row", -2, -2, -1, false, false, false, 0, 0, 0},
        {"every box unchecked", 0, 0, 1, true, true, true, 2, 2, 2},
        {"help tips only", -1, 0, 0, false, true, false, 1, 2, 1},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        std::filesystem::remove(PrefsPath());
        FileWrites writes(folders.config(), "com.tarcyc Prefs");
        CalendarInputs in;
        StartWith(in);
        windows::main* calendar = win::main();
        fw::PushButton* calcular = calendar->calcular;
        windows::preferences* prefs = OpenPreferences();
        EXPECT_FALSE(calcular->Enabled());
        EXPECT_FALSE(in.durciclo->Enabled());

        auto step = [](fw::PopupMenu* popup, int steps) {
            popup->SetFocus();
            for (int i = 0; i < std::abs(steps); ++i)
                testenv::key(popup, steps > 0 ? Qt::Key_Down : Qt::Key_Up);
        };
        step(prefs->durmens, row.menses);
        step(prefs->fertpre, row.fertpre);
        step(prefs->fertpost, row.fertpost);
        if (row.clickDisclaimer)
            testenv::click(prefs->CheckBox1);
        if (row.clickHelptip)
            testenv::click(prefs->CheckBox2);
        if (row.clickCkupdt)
            testenv::click(prefs->CheckBox3);
        // Nothing reaches the store before Ok.
        EXPECT_FALSE(BPrefs::HasKey("durmens"));
        EXPECT_FALSE(BPrefs::HasKey("helptip"));

        // Return pushes Ok, the default button.
        QTest::keyClick(prefs->Handle(), Qt::Key_Return);
        EXPECT_FALSE(prefs->Visible());
        EXPECT_TRUE(Exists<windows::preferences>());
        EXPECT_EQ(BPrefs::IntegerValue("durmens"), row.durmens);
        EXPECT_EQ(BPrefs::IntegerValue("fertpre"), row.storedFertpre);
        EXPECT_EQ(BPrefs::IntegerValue("fertpost"), row.storedFertpost);
        EXPECT_EQ(BPrefs::BooleanValue("disclaimer"), !row.clickDisclaimer);
        EXPECT_EQ(BPrefs::BooleanValue("helptip"), !row.clickHelptip);
        EXPECT_EQ(BPrefs::BooleanValue("ckupdt"), !row.clickCkupdt);
        EXPECT_TRUE(calcular->Enabled());
        EXPECT_TRUE(in.durciclo->Enabled());
        EXPECT_EQ(calendar->MenuBar(), MenuBar1());
        EXPECT_TRUE(calendar->Visible());
        // The file waits for the next save.
        EXPECT_EQ(writes.Count(), 0);
        End();
    }
}

TEST_F(PrefsWindowTest, DisclaimerBoxesMirrorEachOtherWithoutEcho)
{
    CalendarInputs in;
    StartWith(in);
    windows::preferences* prefs = OpenPreferences();

    testenv::click(prefs->CheckBox1);
    EXPECT_FALSE(prefs->CheckBox1->Value());
    EXPECT_FALSE(in.disclaimer->Value());
    EXPECT_EQ(in.disclaimerActions, 1);
    // The setting is stored by Ok only.
    EXPECT_FALSE(BPrefs::HasKey("disclaimer"));

    in.disclaimer->SetValue(true);
    EXPECT_TRUE(prefs->CheckBox1->Value());
    EXPECT_EQ(in.disclaimerActions, 2);

    // The other boxes change nothing else.
    testenv::click(prefs->CheckBox2);
    testenv::click(prefs->CheckBox3);
    EXPECT_TRUE(in.disclaimer->Value());
    EXPECT_TRUE(prefs->CheckBox1->Value());
    EXPECT_EQ(in.disclaimerActions, 2);
}

TEST_F(PrefsWindowTest, SettingsSurviveAQuitAndARestart)
{
    Start();
    windows::preferences* prefs = OpenPreferences();
    prefs->durmens->SetListIndex(0);
    prefs->fertpre->SetListIndex(1);
    prefs->fertpost->SetListIndex(2);
    testenv::click(prefs->CheckBox1);
    testenv::click(prefs->CheckBox2);
    testenv::click(prefs->CheckBox3);
    testenv::click(prefs->PushButton1);
    Choose(MenuBar1(), "FileQuit");
    ASSERT_TRUE(application->Quitting());
    End();

    Start();
    ASSERT_TRUE(Exists<windows::preferences>());
    EXPECT_EQ(ShownBy(*win::preferences()), Shown("3", "4", "3", false, false, false));
    End();

    // Settings changed but not confirmed with Ok are not kept.
    Start();
    prefs = OpenPreferences();
    prefs->durmens->SetListIndex(4);
    testenv::click(prefs->CheckBox2);
    Choose(MenuBar2(), "FileQuit");
    End();
    Start();
    EXPECT_EQ(ShownBy(*win::preferences()), Shown("3", "4", "3", false, false, false));
}

TEST_F(PrefsWindowTest, Screenshot)
{
    Start();
    windows::preferences* prefs = OpenPreferences();
    testenv::screenshot(prefs, "prefswindow");
}

} // namespace
