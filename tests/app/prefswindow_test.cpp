// SPDX-License-Identifier: GPL-3.0-or-later
#include "tests/app/shell_fixture.h"

#include "app/menubars.h"
#include "app/splashreg.h"
#include "calendar/mainwindow.h"
#include "calendar/module1.h"
#include "framework/gui/checkbox.h"
#include "framework/gui/editfield.h"
#include "framework/gui/popupmenu.h"
#include "framework/gui/pushbutton.h"
#include "framework/gui/statictext.h"
#include "prefs/window/cyclesettings.h"
#include "prefs/window/preferences.h"
#include "support/gui.h"

#include <QAction>

#include <optional>

namespace {

using shelltest::FileWrites;
using shelltest::ShellTest;

struct Shown {
    std::string durmens, fertpre, fertpost;
    bool disclaimer, helptip, ckupdt;
};

Shown ShownBy(windows::preferences& prefs)
{
    return {prefs.durmens->Text(),     prefs.fertpre->Text(),     prefs.fertpost->Text(),
            prefs.CheckBox1->Value(), prefs.CheckBox2->Value(), prefs.CheckBox3->Value()};
}

void ExpectShown(windows::preferences& prefs, const Shown& expected)
{
    const Shown shown = ShownBy(prefs);
    EXPECT_EQ(shown.durmens, expected.durmens);
    EXPECT_EQ(shown.fertpre, expected.fertpre);
    EXPECT_EQ(shown.fertpost, expected.fertpost);
    EXPECT_EQ(shown.disclaimer, expected.disclaimer);
    EXPECT_EQ(shown.helptip, expected.helptip);
    EXPECT_EQ(shown.ckupdt, expected.ckupdt);
}

std::vector<std::string> RowsOf(const fw::PopupMenu& popup)
{
    std::vector<std::string> rows;
    for (std::int32_t i = 0; i < popup.ListCount(); ++i)
        rows.push_back(popup.List(i));
    return rows;
}

class PrefsWindowTest : public ShellTest {
protected:
    // What the calendar window's Preferences button does.
    windows::preferences* OpenPreferences()
    {
        testenv::click(win::splashreg()->PushButton1);
        windows::main* calendar = win::main();
        Module1::botonesmain(false);
        calendar->SetMenuBar(MenuBar2());
        windows::preferences* prefs = win::preferences();
        prefs->Show();
        WaitShown(prefs);
        return prefs;
    }
};

TEST(CycleSettingsTest, ListsHoldTheirNumbersInRisingOrder)
{
    EXPECT_EQ(CycleSettings::Rows(CycleSettings::kMenses), (std::vector<std::string>{"3", "4", "5", "6", "7"}));
    EXPECT_EQ(CycleSettings::Rows(CycleSettings::kFertilePre), (std::vector<std::string>{"3", "4", "5"}));
    EXPECT_EQ(CycleSettings::Rows(CycleSettings::kFertilePost), (std::vector<std::string>{"1", "2", "3"}));
}

TEST(CycleSettingsTest, OnlyAnInt32PositionOfTheListSelectsARow)
{
    struct Row {
        const char* name;
        const CycleSettings::List& list;
        std::optional<fw::Variant> stored;
        std::optional<std::int32_t> position;
    };
    const Row rows[] = {
        {"absent", CycleSettings::kMenses, std::nullopt, std::nullopt},
        {"first row", CycleSettings::kMenses, fw::Variant(std::int32_t{0}), 0},
        {"last menses row", CycleSettings::kMenses, fw::Variant(std::int32_t{4}), 4},
        {"one past the menses rows", CycleSettings::kMenses, fw::Variant(std::int32_t{5}), std::nullopt},
        {"last fertile row", CycleSettings::kFertilePost, fw::Variant(std::int32_t{2}), 2},
        {"one past the fertile rows", CycleSettings::kFertilePre, fw::Variant(std::int32_t{3}), std::nullopt},
        {"negative", CycleSettings::kFertilePost, fw::Variant(std::int32_t{-1}), std::nullopt},
        {"most negative", CycleSettings::kMenses, fw::Variant(std::int32_t{INT32_MIN}), std::nullopt},
        {"a 64-bit number", CycleSettings::kMenses, fw::Variant(std::int64_t{1}), std::nullopt},
        {"text", CycleSettings::kMenses, fw::Variant("1"), std::nullopt},
        {"Boolean", CycleSettings::kMenses, fw::Variant(true), std::nullopt},
        {"double", CycleSettings::kMenses, fw::Variant(1.0), std::nullopt},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        EXPECT_EQ(CycleSettings::StoredPosition(row.list, row.stored), row.position);
    }
}

TEST_F(PrefsWindowTest, FirstUseFillsTheListsWithTheirDefaults)
{
    Start();
    ASSERT_FALSE(Exists<windows::preferences>());
    windows::preferences* prefs = win::preferences();
    ASSERT_NE(prefs, nullptr);
    EXPECT_FALSE(prefs->Visible());
    EXPECT_EQ(prefs->Title(), "Preferences");
    EXPECT_EQ(prefs->Width(), 266);
    EXPECT_EQ(prefs->Height(), 304);
    EXPECT_EQ(prefs->MenuBar(), MenuBar2());
    EXPECT_FALSE(prefs->CloseButton());
    EXPECT_TRUE(prefs->PushButton1->Default());
    ExpectShown(*prefs, {"5", "5", "2", true, true, true});
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

TEST_F(PrefsWindowTest, StartUpRestoresStoredSettingsAndKeepsDefaultsForBadOnes)
{
    struct Row {
        const char* name;
        std::vector<std::pair<std::string, fw::Variant>> stored;
        Shown shown;
    };
    const std::int32_t i0 = 0, i2 = 2, i4 = 4;
    const Row rows[] = {
        {"menses position 4 shows 7", {{"durmens", i4}}, {"7", "5", "2", true, true, true}},
        {"menses position 0 shows 3", {{"durmens", i0}}, {"3", "5", "2", true, true, true}},
        {"fertile-after position 0 shows 1", {{"fertpost", i0}}, {"5", "5", "1", true, true, true}},
        {"all three", {{"durmens", i0}, {"fertpre", i0}, {"fertpost", i2}}, {"3", "3", "3", true, true, true}},
        {"disclaimer off", {{"disclaimer", false}}, {"5", "5", "2", false, true, true}},
        {"help tips off", {{"helptip", false}}, {"5", "5", "2", true, false, true}},
        {"update check off", {{"ckupdt", false}}, {"5", "5", "2", true, true, false}},
        {"options on", {{"disclaimer", true}, {"helptip", true}, {"ckupdt", true}}, {"5", "5", "2", true, true, true}},
        {"menses position past the end", {{"durmens", std::int32_t{5}}}, {"5", "5", "2", true, true, true}},
        {"fertile-before position past the end", {{"fertpre", std::int32_t{3}}}, {"5", "5", "2", true, true, true}},
        {"negative position", {{"fertpost", std::int32_t{-1}}}, {"5", "5", "2", true, true, true}},
        {"position as text", {{"durmens", "0"}}, {"5", "5", "2", true, true, true}},
        {"position as Boolean", {{"fertpre", true}}, {"5", "5", "2", true, true, true}},
        {"position as a double", {{"fertpost", 0.0}}, {"5", "5", "2", true, true, true}},
        {"position as a date", {{"durmens", fw::Date(2007, 3, 5)}}, {"5", "5", "2", true, true, true}},
        {"option as a number", {{"helptip", std::int32_t{0}}}, {"5", "5", "2", true, true, true}},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        StoreFile(row.stored);
        Start();
        // A stored key of the window makes start-up create it, hidden.
        ASSERT_TRUE(Exists<windows::preferences>());
        windows::preferences* prefs = win::preferences();
        EXPECT_FALSE(prefs->Visible());
        ExpectShown(*prefs, row.shown);
        EXPECT_EQ(prefs->durmens->ListCount(), 5);
        End();
    }
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
        Start();
        windows::main* calendar = win::main();
        auto* calcular = calendar->AddControl<fw::PushButton>("calcular", fw::kNoIndex);
        auto* durciclo = calendar->AddControl<fw::EditField>("durciclo", fw::kNoIndex);
        windows::preferences* prefs = OpenPreferences();
        EXPECT_FALSE(calcular->Enabled());
        EXPECT_FALSE(durciclo->Enabled());

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
        EXPECT_TRUE(durciclo->Enabled());
        EXPECT_EQ(calendar->MenuBar(), MenuBar1());
        EXPECT_TRUE(calendar->Visible());
        // The file waits for the next save.
        EXPECT_EQ(writes.Count(), 0);
        End();
    }
}

TEST_F(PrefsWindowTest, DisclaimerBoxesMirrorEachOtherWithoutEcho)
{
    Start();
    windows::main* calendar = win::main();
    // The calendar window's "Always show this alert." box, with its copy back.
    auto* always = calendar->AddControl<fw::CheckBox>("CheckBox1", fw::kNoIndex);
    always->SetValue(true);
    int alwaysActions = 0;
    always->Action.Bind([&] {
        ++alwaysActions;
        win::preferences()->CheckBox1->SetValue(always->Value());
    });
    windows::preferences* prefs = OpenPreferences();

    testenv::click(prefs->CheckBox1);
    EXPECT_FALSE(prefs->CheckBox1->Value());
    EXPECT_FALSE(always->Value());
    EXPECT_EQ(alwaysActions, 1);
    // The setting is stored by Ok only.
    EXPECT_FALSE(BPrefs::HasKey("disclaimer"));

    always->SetValue(true);
    EXPECT_TRUE(prefs->CheckBox1->Value());
    EXPECT_EQ(alwaysActions, 2);

    // The other boxes change nothing else.
    testenv::click(prefs->CheckBox2);
    testenv::click(prefs->CheckBox3);
    EXPECT_TRUE(always->Value());
    EXPECT_TRUE(prefs->CheckBox1->Value());
    EXPECT_EQ(alwaysActions, 2);
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
    MenuBar1()->EnableMenuItems();
    MenuBar1()->FindItem("FileQuit")->Handle()->trigger();
    ASSERT_TRUE(application->Quitting());
    End();

    Start();
    ASSERT_TRUE(Exists<windows::preferences>());
    ExpectShown(*win::preferences(), {"3", "4", "3", false, false, false});
    End();

    // Settings changed but not confirmed with Ok are not kept.
    Start();
    prefs = OpenPreferences();
    prefs->durmens->SetListIndex(4);
    testenv::click(prefs->CheckBox2);
    MenuBar2()->EnableMenuItems();
    MenuBar2()->FindItem("FileQuit")->Handle()->trigger();
    End();
    Start();
    ExpectShown(*win::preferences(), {"3", "4", "3", false, false, false});
}

TEST_F(PrefsWindowTest, Screenshot)
{
    Start();
    windows::preferences* prefs = OpenPreferences();
    testenv::screenshot(prefs, "prefswindow");
}

} // namespace
