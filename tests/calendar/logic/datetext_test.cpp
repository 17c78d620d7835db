// SPDX-License-Identifier: GPL-3.0-or-later
#include "calendar/logic/datetext.h"
#include "support/scopedtable.h"

#include <gtest/gtest.h>

#include <string>

using fw::Date;

namespace {

// Pins the clock to one moment for the test's lifetime.
struct ScopedClock {
    explicit ScopedClock(const Date& moment)
    {
        Date::SetClock([seconds = std::int64_t(moment.TotalSeconds())] { return seconds; });
    }
    ~ScopedClock() { Date::SetClock({}); }
};

} // namespace

// Str2date and year read the same date, well formed or not; malformed parts
// carry like the date setters.
TEST(DateText, Str2dateAndYearReadTheWrittenForms)
{
    struct Row { const char* text; std::string expected; };
    const Row rows[] = {
        {"3/1/2007", "2007-03-01"}, {"3/01/07", "2007-03-01"},   {"2/29/04", "2004-02-29"},
        {"1/1/50", "2050-01-01"},   {"1/1/51", "1951-01-01"},    {"1/1/00", "2000-01-01"},
        {"1/1/2051", "1951-01-01"}, {"10/31/2050", "2050-10-31"}, {"a/b/cd", "1999-11-30"},
        {"-2/10/07", "2006-10-10"},
        {"13/1/07", "2008-01-01"}, // month 13 is January after
        {"0/1/07", "2006-12-01"},  // month 0 is December before
        {"2/30/07", "2007-03-02"}, // past the month's end
        {"2/0/07", "2007-01-31"},  // day 0 is the day before the first
        {"", "1999-11-30"},        // month 0, day 0 of 2000
        {"7", "2006-12-07"},       // no "/": month 0, day 7, year 07
        {"3/5/7", "2000-03-05"},   // "/7" reads 0
    };
    const ScopedClock clock(Date(2007, 6, 15, 14, 5, 9));
    for (const Row& row : rows) {
        SCOPED_TRACE(row.text);
        const Date d = Module1::Str2date(row.text);
        EXPECT_EQ(d.SQLDateTime(), row.expected + " 14:05:09");
        EXPECT_EQ(Module1::year(row.text), std::to_string(std::stoi(row.expected)));
    }
    // Numbers beyond Int32 saturate; the date stays within its range.
    for (const char* huge : {"99999999999/1/07", "1/99999999999/07", "-99999999999/-99999999999/07"}) {
        SCOPED_TRACE(huge);
        const Date d = Module1::Str2date(huge);
        EXPECT_GE(d.Year(), 1);
        EXPECT_LE(d.Year(), 9999);
        EXPECT_GE(Module1::durames(huge), 28);
        EXPECT_GE(Module1::primero(huge), 1);
        EXPECT_FALSE(Module1::mes(huge).empty());
    }
}

TEST(DateText, Str2dateDoesNotDependOnTodaysDayOfMonth)
{
    for (const Date& today : {Date(2007, 1, 30, 8, 0, 0), Date(2007, 1, 31, 8, 0, 0), Date(2007, 3, 31, 8, 0, 0),
                              Date(2008, 2, 29, 8, 0, 0)}) {
        SCOPED_TRACE(today.SQLDate());
        const ScopedClock clock(today);
        EXPECT_EQ(Module1::Str2date("2/01/07").SQLDate(), "2007-02-01");
        EXPECT_EQ(Module1::Str2date("4/1/07").SQLDate(), "2007-04-01");
        EXPECT_EQ(Module1::durames("4/1/07"), 30);
        EXPECT_EQ(Module1::durames("2/01/07"), 28);
    }
}

// A month number outside the year has no name.
TEST(DateText, MesOutsideTheYearIsEmpty)
{
    for (const std::int32_t outside : {0, 13, -1, 2147483647, -2147483647 - 1})
        EXPECT_EQ(Module1::mes(outside), "") << outside;
}

// Names are cut by characters, not bytes; a short table gives no name for
// the months it lacks.
TEST(DateText, TranslatedMonthNames)
{
    const std::string full = "Janvier   Février   Mars      Avril     Mai       Juin      "
                             "Juillet   Août      Septembre Octobre   Novembre  Décembre  ";
    struct Row { const char* table; std::int32_t month; const char* expected; };
    const Row rows[] = {{"full", 2, "Février"}, {"full", 9, "Septembre"}, {"full", 12, "Décembre"},
                        {"short", 3, "Mar"},    {"short", 4, ""},          {"short", 13, ""}};
    for (const Row& row : rows) {
        const std::string names = std::string(row.table) == "full" ? full : "Janvier   Février   Mar";
        const testenv::ScopedTable table(row.table, {{"Textos.k300", names}});
        EXPECT_EQ(Module1::mes(row.month), row.expected) << row.table << " " << row.month;
        if (row.month <= 12) {
            EXPECT_EQ(Module1::mes(std::to_string(row.month) + "/1/07"), row.expected);
        }
    }
}
