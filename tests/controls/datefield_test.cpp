// SPDX-License-Identifier: GPL-3.0-or-later
#include "controls/datefield.h"

#include "controls/controltestwindow.h"
#include "framework/core/date_seam.h"
#include "framework/gui/editfield.h"
#include "framework/gui/updownarrows.h"
#include "prefs/bprefs.h"
#include "prefs/bprefs_seam.h"
#include "support/gui.h"

#include <QLineEdit>

#include <gtest/gtest.h>

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace {

using controls::DateField;
using controls::DatePart;
using controltest::ControlTest;
using controltest::ControlWindow;

class DateFieldTest : public ControlTest {
protected:
    void SetUp() override
    {
        ControlTest::SetUp();
        BPrefs::ResetForTesting();
        const auto now = std::int64_t(fw::Date(2007, 3, 5, 10, 30, 0).TotalSeconds());
        fw::SetDateClock([now] { return now; });
    }
    void TearDown() override
    {
        fw::SetDateClock({});
        BPrefs::ResetForTesting();
        ControlTest::TearDown();
    }

    // The date field (of class Field) with an arrow pair bound to its
    // stepping, and another field to take the focus away.
    template <class Field = DateField>
    ControlWindow* MakeDateWindow(std::function<void(DateField&)> configure = {})
    {
        return MakeWindow([this, configure](ControlWindow& w) {
            // First, so that it has the focus when the window opens.
            other = w.Add<fw::EditField>("other", 20, 60, 100, 22);
            field = w.Add<Field>("fechamens1", 20, 20, 200, 22);
            field->SetProperty("ReadOnly", false);
            field->SetProperty("UseFocusRing", false);
            field->SetProperty("Editable", false);
            if (configure)
                configure(*field);
            field->DateChanged.InstallInstanceEventHandler([this] { ++dateChanged; });
            arrows = w.Add<fw::UpDownArrows>("UpDownArrows1", 230, 20, 13, 23);
            arrows->Up.InstallInstanceEventHandler([this] { field->SelectionUp(); });
            arrows->Down.InstallInstanceEventHandler([this] { field->SelectionDown(); });
        });
    }

    // A click on a character inside the part, as the user aims at it.
    void ClickPart(DatePart part)
    {
        const controls::TextRange range = controls::PartRange(part, field->Parts());
        const int target = range.start + (range.length + 1) / 2;
        auto* edit = qobject_cast<QLineEdit*>(field->Handle());
        ASSERT_NE(edit, nullptr);
        const int y = field->Height() / 2;
        for (int x = 0; x < field->Width(); ++x)
            if (edit->cursorPositionAt(QPoint(x, y)) == target)
                return testenv::clickAt(&field->ParentWindow(), field->Left() + x, field->Top() + y);
        FAIL() << "no point of the field places the caret at " << target;
    }

    controls::TextRange Selection() const { return {field->SelStart(), field->SelLength()}; }
    controls::TextRange RangeOf(DatePart part) const { return controls::PartRange(part, field->Parts()); }

    DateField* field = nullptr;
    fw::UpDownArrows* arrows = nullptr;
    fw::EditField* other = nullptr;
    int dateChanged = 0;
};

// A click selects the whole part; Left and Right move between the parts,
// also in a field that is not editable; back with the focus, the whole part
// is selected again.
TEST_F(DateFieldTest, ClicksAndLeftRightSelectWholeParts)
{
    MakeDateWindow();
    ClickPart(DatePart::Year);
    const std::pair<int, DatePart> steps[] = {
        {Qt::Key_Left, DatePart::Day},    {Qt::Key_Left, DatePart::Month}, {Qt::Key_Left, DatePart::Year},
        {Qt::Key_Right, DatePart::Month}, {Qt::Key_Right, DatePart::Day},  {Qt::Key_Right, DatePart::Year},
    };
    for (const auto& [key, selected] : steps) {
        testenv::key(field, key);
        EXPECT_EQ(Selection(), RangeOf(selected)) << int(selected);
    }
    ClickPart(DatePart::Month);
    EXPECT_EQ(Selection(), (controls::TextRange{5, 2}));
    ClickPart(DatePart::Day);
    EXPECT_EQ(Selection(), (controls::TextRange{8, 1}));
    testenv::click(other);
    EXPECT_FALSE(field->HasFocus());
    field->Handle()->setFocus();
    EXPECT_EQ(Selection(), (controls::TextRange{8, 1}));
    EXPECT_EQ(dateChanged, 0);
    const auto png = testenv::screenshot(&field->ParentWindow(), "datefield-day-selected");
    EXPECT_TRUE(std::filesystem::exists(png));
}

// Keys edit the selected part of an editable field only, and the part stays
// selected (the typing table itself is the pure logic's test). The arrow
// buttons step the part that holds the caret, also without the focus.
// DateChanged comes exactly when the date changes.
TEST_F(DateFieldTest, KeysAndArrowButtonsEditTheSelectedPart)
{
    constexpr int kArrowUp = -1;   // a click on the up arrow, with the focus elsewhere
    const std::vector<int> all = {Qt::Key_5,  Qt::Key_0,    Qt::Key_Backspace,
                                  Qt::Key_Up, Qt::Key_Down, Qt::Key_Delete};
    struct Row {
        const char* name;
        bool editable;
        std::optional<DatePart> part;   // none: never clicked, the caret is at 0
        std::vector<int> keys;
        const char* text;
        int changes;
    };
    const Row rows[] = {
        {"up in the month", true, DatePart::Month, {Qt::Key_Up}, "2007/04/5", 1},
        {"1995", true, DatePart::Year, {Qt::Key_1, Qt::Key_9, Qt::Key_9, Qt::Key_5}, "1995/03/5", 4},
        {"not editable: the year", false, DatePart::Year, all, "2007/03/5", 0},
        {"no selection", true, {}, {Qt::Key_Up, Qt::Key_5, Qt::Key_Left, Qt::Key_Down}, "2007/03/5", 0},
        {"arrow before any click: the year", false, {}, {kArrowUp}, "2008/03/5", 1},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        MakeDateWindow([&row](DateField& f) { f.SetProperty("Editable", row.editable); });
        dateChanged = 0;
        if (row.part)
            ClickPart(*row.part);
        for (const int key : row.keys) {
            if (key != kArrowUp) {
                testenv::key(field, key);
                continue;
            }
            // The focus goes elsewhere; the caret keeps the part.
            testenv::click(other);
            testenv::clickAt(&field->ParentWindow(), arrows->Left() + arrows->Width() / 2, arrows->Top() + 4);
        }
        EXPECT_EQ(field->Text(), row.text);
        EXPECT_EQ(dateChanged, row.changes);
        EXPECT_EQ(controls::PartAt(field->SelStart(), field->Parts()), row.part.value_or(DatePart::Year));
        EXPECT_EQ(field->SelLength(), row.part ? RangeOf(*row.part).length : 0);
    }
}

// Shown with both names: the month's name is the month part and the
// weekday's name belongs to the day part, for clicks, values and steps. A
// step keeps the caret in its part however the names change, and every step
// raises DateChanged, also one that cannot move the date.
TEST_F(DateFieldTest, NamesArePartsOfTheText)
{
    MakeDateWindow([](DateField& f) {
        f.SetProperty("DisplayingMonthName", true);
        f.SetProperty("DisplayingDayName", true);
    });
    EXPECT_EQ(field->Text(), "2007/March/5 Monday");
    struct Row { DatePart part; controls::TextRange selected; int value; };
    const Row rows[] = {{DatePart::Year, {0, 4}, 2007}, {DatePart::Month, {5, 5}, 3}, {DatePart::Day, {11, 8}, 5}};
    for (const Row& row : rows) {
        ClickPart(row.part);
        EXPECT_EQ(Selection(), row.selected) << int(row.part);
        EXPECT_EQ(field->SelectionValue(), row.value) << int(row.part);
    }
    field->SetDate(fw::Date(2007, 5, 31));
    EXPECT_EQ(Selection(), (controls::TextRange{9, 11}));
    field->SelectionUp();
    EXPECT_EQ(field->Text(), "2007/June/1 Friday");
    EXPECT_EQ(Selection(), (controls::TextRange{10, 8}));
    field->SelectionUp();
    EXPECT_EQ(field->Text(), "2007/June/2 Saturday");
    EXPECT_EQ(field->SelectionValue(), 2);
    const auto png = testenv::screenshot(&field->ParentWindow(), "datefield-names");
    EXPECT_TRUE(std::filesystem::exists(png));

    field->SetDate(fw::Date(9999, 12, 31));
    ClickPart(DatePart::Year);
    dateChanged = 0;
    field->SelectionUp();
    EXPECT_EQ(field->Text(), "9999/December/31 Friday");
    EXPECT_EQ(dateChanged, 1);

    // A name setter redraws when the value changes, and only then.
    field->SetText("typed over");
    field->SetDisplayDayName(true);
    field->SetDisplayMonthName(true);
    EXPECT_EQ(field->Text(), "typed over");
    field->SetDisplayDayName(false);
    EXPECT_EQ(field->Text(), "9999/December/31");
    EXPECT_FALSE(field->DisplayDayName());
    field->SetDisplayMonthName(false);
    EXPECT_EQ(field->Text(), "9999/12/31");
    EXPECT_EQ(dateChanged, 1);
}

// Every selection change ends on one whole part while the field has the
// focus, and on a bare caret or a whole part without it: also the changes
// that the field makes itself, as it moves to the next part, steps, types
// or redraws its text with the names growing and shrinking.
TEST_F(DateFieldTest, EverySelectionChangeEndsOnAWholePart)
{
    struct Watched : DateField {
        using DateField::DateField;
        void Event_SelChange() override
        {
            DateField::Event_SelChange();
            ++changes;
            const controls::TextRange selected{SelStart(), SelLength()};
            if ((HasFocus() || selected.length > 0)
                && selected != controls::PartRange(controls::PartAt(selected.start, Parts()), Parts()))
                stray.push_back(Text() + " at " + std::to_string(selected.start) + "+"
                                + std::to_string(selected.length) + (HasFocus() ? " with" : " without")
                                + " the focus");
        }
        int changes = 0;
        std::vector<std::string> stray;
    };
    for (const bool names : {false, true}) {
        SCOPED_TRACE(names ? "names" : "digits");
        MakeDateWindow<Watched>([names](DateField& f) {
            f.SetProperty("Editable", true);
            f.SetProperty("DisplayingMonthName", names);
            f.SetProperty("DisplayingDayName", names);
        });
        auto* watched = static_cast<Watched*>(field);
        field->SetDate(fw::Date(2007, 5, 31));
        ClickPart(DatePart::Day);
        for (const int key : {Qt::Key_Up, Qt::Key_Left, Qt::Key_Left, Qt::Key_Right, Qt::Key_Down, Qt::Key_1,
                              Qt::Key_2, Qt::Key_Left, Qt::Key_Backspace, Qt::Key_Right, Qt::Key_Right})
            testenv::key(field, key);
        // Without the focus a bare caret steps its part; a selection made by
        // code widens to the part and stays over the step.
        testenv::click(other);
        const auto arrowUp = [this] {
            testenv::clickAt(&field->ParentWindow(), arrows->Left() + arrows->Width() / 2, arrows->Top() + 4);
        };
        arrowUp();
        EXPECT_EQ(field->SelLength(), 0);
        field->SetSelStart(RangeOf(DatePart::Month).start + 1);
        field->SetSelLength(1);
        EXPECT_EQ(Selection(), RangeOf(DatePart::Month));
        arrowUp();
        EXPECT_EQ(field->Text(), names ? "201/January/2 Friday" : "201/01/2");
        EXPECT_EQ(Selection(), RangeOf(DatePart::Month));
        EXPECT_GE(watched->changes, 11); // one at least for each key
        EXPECT_EQ(watched->stray, std::vector<std::string>{});
    }
}

// The field shows the stored date object itself, so that a step of the field
// changes the stored date too; without a stored date, or with a value of
// another kind, it starts at now. The getter gives the field's own object: a
// change made through it is the field's date, shown at the next redraw.
TEST_F(DateFieldTest, TheDateIsTheFieldsOwnObjectAndTheStoredOne)
{
    struct Row { const char* name; std::optional<fw::Variant> stored; const char* shown; };
    const Row rows[] = {
        {"nothing stored", std::nullopt, "2007/03/5"},
        {"a date", fw::Date(2011, 8, 17, 9, 0, 0), "2011/08/17"},
        {"a text", "2011-08-17", "2007/03/5"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        BPrefs::ResetForTesting();
        if (row.stored)
            BPrefs::SetValue("fechamens1", *row.stored);
        MakeDateWindow();
        EXPECT_EQ(field->Text(), row.shown);
        const fw::DatePtr stored = row.stored ? row.stored->AsDate() : nullptr;
        EXPECT_EQ(field->Date() == stored, stored != nullptr);
        field->Date()->SetYear(2020);
        EXPECT_EQ(field->SelectionValue(), 2020);
        EXPECT_EQ(field->Text(), row.shown);
        field->SelectionUp();
        EXPECT_EQ(field->Text().substr(0, 5), "2021/");
        if (stored) {
            EXPECT_EQ(BPrefs::Value("fechamens1").AsDate()->Year(), 2021);
        }
    }
}

TEST(DateFieldNames, EveryNumberHasAName)
{
    struct Row { std::int32_t value; const char* month; const char* day; };
    const Row rows[] = {
        {-1, "January", "Sunday"}, {0, "January", "Sunday"}, {1, "January", "Sunday"},  {7, "July", "Saturday"},
        {8, "August", "Sunday"},   {12, "December", "Sunday"}, {13, "January", "Sunday"},
    };
    for (const Row& row : rows) {
        EXPECT_EQ(DateField::Month2STR(row.value), row.month) << row.value;
        EXPECT_EQ(DateField::Day2STR(row.value), row.day) << row.value;
    }
}

} // namespace
