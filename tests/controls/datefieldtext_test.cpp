// SPDX-License-Identifier: GPL-3.0-or-later
#include "controls/datefieldtext.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

namespace {

using controls::DatePart;
using controls::DateParts;

std::string Ymd(const fw::Date& d) { return d.SQLDate(); }

TEST(DateFieldText, TextAndParts)
{
    struct Row { const char* name; fw::Date date; bool monthName, dayName; const char* text; DateParts parts; };
    const fw::Date monday(2007, 3, 5);
    const Row rows[] = {
        {"one-digit day", monday, false, false, "2007/03/5", {4, 7, 9}},
        {"weekday", monday, false, true, "2007/03/5 Monday", {4, 7, 16}},
        {"month name", monday, true, false, "2007/March/5", {4, 10, 12}},
        {"both names", monday, true, true, "2007/March/5 Monday", {4, 10, 19}},
        {"year 2 has one digit", fw::Date(2, 3, 5), false, false, "2/03/5", {1, 4, 6}},
        {"two-digit month and day", fw::Date(2007, 11, 26), false, false, "2007/11/26", {4, 7, 10}},
        {"Saturday in September", fw::Date(2007, 9, 15), true, true, "2007/September/15 Saturday", {4, 14, 26}},
        {"Sunday", fw::Date(2007, 3, 4), false, true, "2007/03/4 Sunday", {4, 7, 16}},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        const controls::DateFieldText shown = controls::MakeDateFieldText(row.date, row.monthName, row.dayName);
        EXPECT_EQ(shown.text, row.text);
        EXPECT_EQ(shown.parts, row.parts);
    }
    // The weekday's name is in the day part: "5 Monday".
    EXPECT_EQ(controls::PartRange(DatePart::Day, {4, 7, 16}), (controls::TextRange{8, 8}));
    EXPECT_EQ(controls::PartAt(15, {4, 7, 16}), DatePart::Day);
}

TEST(DateFieldText, CaretStaysInItsPartWhenTheTextChanges)
{
    struct Row { const char* name; int caret; DateParts before; DateParts after; int expected; };
    const Row rows[] = {
        // 2007/03/31 -> 2007/04/1: the caret at the day's end stays at its end.
        {"day caret at its end when the day shrinks", 10, {4, 7, 10}, {4, 7, 9}, 9},
        {"day caret when the day grows", 9, {4, 7, 9}, {4, 7, 10}, 9},
        // 999/03/5 -> 9997/03/5
        {"month caret when the year grows", 4, {3, 6, 8}, {4, 7, 9}, 5},
        {"year caret when the year shrinks", 4, {4, 7, 9}, {1, 4, 6}, 1},
        {"caret at 0 of an empty text", 0, {0, 0, 0}, {4, 7, 9}, 0},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        const int caret = controls::CaretAfterRedraw(row.caret, row.before, row.after);
        EXPECT_EQ(caret, row.expected);
        EXPECT_EQ(controls::PartAt(caret, row.after), controls::PartAt(row.caret, row.before));
    }
}

// Every row of the typing table, plus the edges around it. After each key:
// the date, or "" when the key is not taken. The time of day stays.
TEST(DateFieldText, TypingBuildsThePartDigitByDigit)
{
    struct Row { fw::Date start; DatePart part; std::vector<std::string> keys, after; };
    constexpr DatePart Y = DatePart::Year, M = DatePart::Month, D = DatePart::Day;
    const fw::Date d(2007, 3, 5, 14, 25, 36);
    const std::string bs = "\x08";
    const Row rows[] = {
        {d, Y, {"1", "9", "9", "5"}, {"0001-03-05", "0019-03-05", "0199-03-05", "1995-03-05"}},
        {fw::Date(1995, 3, 5), Y, {bs, bs, bs, bs}, {"0199-03-05", "0019-03-05", "0001-03-05", ""}},
        {d, M, {"1", "2", "5"}, {"2007-01-05", "2007-12-05", "2007-05-05"}},
        {fw::Date(2007, 1, 5), M, {"0"}, {"2007-10-05"}},
        {d, D, {"2", "8", "4", "3", "1"},
         {"2007-03-02", "2007-03-28", "2007-03-04", "2007-03-03", "2007-03-31"}},
        {fw::Date(2007, 2, 5), D, {"2", "9"}, {"2007-02-02", "2007-02-09"}},
        {fw::Date(2008, 2, 5), D, {"2", "9"}, {"2008-02-02", "2008-02-29"}},
        {fw::Date(999, 3, 5), Y, {"7"}, {"9997-03-05"}},
        {fw::Date(1000, 3, 5), Y, {"7"}, {"0007-03-05"}},
        {fw::Date(2007, 1, 5), M, {"1"}, {"2007-11-05"}},
        {fw::Date(2007, 3, 5), M, {"3"}, {"2007-03-05"}},
        {fw::Date(2007, 3, 5), M, {"0"}, {"2007-03-05"}},
        {fw::Date(2007, 3, 15), D, {"0"}, {"2007-03-15"}},
        {fw::Date(2007, 3, 2), D, {"0"}, {"2007-03-20"}},
        {fw::Date(2007, 3, 5), Y, {"0"}, {"2007-03-05"}},
        {fw::Date(9, 3, 5), Y, {bs}, {""}},
        // The day is kept within the new month.
        {fw::Date(2007, 3, 31), M, {"4"}, {"2007-04-30"}},
        {fw::Date(2007, 1, 31), M, {"2"}, {"2007-12-31"}},
        {fw::Date(2008, 2, 29), Y, {"1", "9"}, {"0001-02-28", "0019-02-28"}},
        // Letters, and Backspace outside the year, are not taken.
        {fw::Date(2007, 3, 5), M, {"a", bs, "12"}, {"", "", ""}},
        {fw::Date(2007, 3, 5), D, {"x", " "}, {"", ""}},
        {fw::Date(2007, 3, 5), Y, {"x"}, {""}},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(Ymd(row.start) + " part " + std::to_string(int(row.part)));
        ASSERT_EQ(row.keys.size(), row.after.size());
        fw::Date date = row.start;
        for (std::size_t i = 0; i < row.keys.size(); ++i) {
            SCOPED_TRACE("key " + std::to_string(i + 1));
            const std::optional<fw::Date> typed = controls::TypeDateKey(date, row.part, row.keys[i]);
            ASSERT_EQ(typed.has_value(), !row.after[i].empty());
            if (typed) {
                EXPECT_EQ(Ymd(*typed), row.after[i]);
                EXPECT_EQ(typed->SQLDateTime().substr(10), row.start.SQLDateTime().substr(10));
                date = *typed;
            }
        }
    }
}

TEST(DateFieldText, SteppingCarriesTheDayAndClampsMonthAndYear)
{
    struct Row { const char* name; fw::Date start; DatePart part; int delta; const char* after; };
    const Row rows[] = {
        {"31 December 2007, day + 1", fw::Date(2007, 12, 31), DatePart::Day, 1, "2008-01-01"},
        {"31 January 2008, month + 1", fw::Date(2008, 1, 31), DatePart::Month, 1, "2008-02-29"},
        {"29 February 2008, year + 1", fw::Date(2008, 2, 29), DatePart::Year, 1, "2009-02-28"},
        {"year 9999, year + 1 stays", fw::Date(9999, 3, 5), DatePart::Year, 1, "9999-03-05"},
        {"31 December 9999, day + 1 stays", fw::Date(9999, 12, 31, 12), DatePart::Day, 1, "9999-12-31"},
        {"30 December 9999, day + 1", fw::Date(9999, 12, 30, 23, 59, 59), DatePart::Day, 1, "9999-12-31"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        const fw::Date stepped = controls::StepDatePart(row.start, row.part, row.delta);
        EXPECT_EQ(Ymd(stepped), row.after);
        // The time of day never moves, also where a step is refused.
        EXPECT_EQ(stepped.SQLDateTime().substr(10), row.start.SQLDateTime().substr(10));
    }
}

} // namespace
