// SPDX-License-Identifier: GPL-3.0-or-later
#include "calendar/logic/datetext.h"
#include "framework/core/date_seam.h"
#include "framework/core/text.h"
#include "support/scopedtable.h"

#include <gtest/gtest.h>

#include <chrono>
#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace {

// Pins the clock that a new Date reads for the test's lifetime.
struct ScopedClock {
    explicit ScopedClock(const fw::Date& now)
    {
        fw::SetDateClock([s = std::int64_t(now.TotalSeconds())] { return s; });
    }
    ~ScopedClock() { fw::SetDateClock({}); }
};

} // namespace

// The day a text names, read at 14:05:09 on the given day: the parsed date
// keeps that time of day, whatever the day of the month; and its year.
TEST(DateText, Str2dateAndYear)
{
    struct Row { const char* name; const char* text; fw::Date now; const char* date; const char* year; };
    const fw::Date jan29(2007, 1, 29, 14, 5, 9), jan31(2007, 1, 31, 14, 5, 9), mar31(2007, 3, 31, 14, 5, 9);
    const Row rows[] = {
        {"50 is 2050", "1/1/50", jan29, "2050-01-01", "2050"},
        {"51 is 1951", "1/1/51", jan29, "1951-01-01", "1951"},
        {"00 is 2000", "1/1/00", jan29, "2000-01-01", "2000"},
        {"99 is 1999", "12/31/99", jan29, "1999-12-31", "1999"},
        {"four-digit year", "3/1/2007", jan29, "2007-03-01", "2007"},
        {"day with a leading zero", "3/01/07", jan29, "2007-03-01", "2007"},
        {"plain", "3/5/07", jan29, "2007-03-05", "2007"},
        {"2051 in full names 2051", "1/1/2051", jan29, "2051-01-01", "2051"},
        {"1950 in full names 1950", "12/31/1950", jan29, "1950-12-31", "1950"},
        {"year 5 in four digits", "6/5/0005", jan29, "0005-06-05", "5"},
        {"February on the 29th", "2/01/07", jan29, "2007-02-01", "2007"},
        {"February on the 30th", "2/01/07", fw::Date(2007, 1, 30, 14, 5, 9), "2007-02-01", "2007"},
        {"February on the 31st", "2/01/07", jan31, "2007-02-01", "2007"},
        {"April on the 31st", "4/1/07", mar31, "2007-04-01", "2007"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        const ScopedClock clock(row.now);
        EXPECT_EQ(Module1::Str2date(row.text).SQLDateTime(), std::string(row.date) + " 14:05:09");
        EXPECT_EQ(Module1::year(row.text), row.year);
    }
}

// Today's text on the listed days, and the day it reads back as. Outside
// 1951 to 2050 two digits would name another century: the year stays whole.
TEST(DateText, Hoy)
{
    struct Row { fw::Date now; const char* expected; };
    const Row rows[] = {
        {fw::Date(2007, 3, 5, 10, 30, 0), "3/5/07"},   {fw::Date(2000, 1, 1, 0, 0, 0), "1/1/00"},
        {fw::Date(2009, 11, 12, 23, 59, 59), "11/12/09"}, {fw::Date(2050, 12, 31, 12, 0, 0), "12/31/50"},
        {fw::Date(1951, 1, 1, 12, 0, 0), "1/1/51"},    {fw::Date(2051, 1, 1, 12, 0, 0), "1/1/2051"},
        {fw::Date(1950, 12, 31, 12, 0, 0), "12/31/1950"},
    };
    for (const Row& row : rows) {
        const ScopedClock clock(row.now);
        EXPECT_EQ(Module1::hoy(), row.expected);
        EXPECT_EQ(Module1::Str2date(Module1::hoy()), row.now) << row.expected;
    }
}

// The field of the month-length table, February's with the leap-year swap.
TEST(DateText, MonthLengthField)
{
    struct Row { const char* text; const char* expected; };
    const Row rows[] = {
        {"2/1/00", "29"}, {"2/1/04", "29"}, {"2/1/07", "28"}, {"4/1/07", "30"}, {"12/1/07", "31"}, {"2/1/1900", "28"},
    };
    for (const Row& row : rows)
        EXPECT_EQ(Module1::MonthLengthField(row.text), row.expected) << row.text;
    // On the 31st of a month, a 30-day month is still read from its first.
    const ScopedClock clock(fw::Date(2007, 3, 31, 9, 0, 0));
    EXPECT_EQ(Module1::MonthLengthField("4/1/07"), "30");
}

// Names are cut by characters, not bytes, without their trailing blanks; a
// month that a short table lacks has no name.
TEST(DateText, MonthNames)
{
    const std::string full = "Janvier   Février   Mars      Avril     Mai       Juin      "
                             "Juillet   Août      Septembre Octobre   Novembre  Décembre  ";
    struct Row { const char* table; const char* text; const char* expected; };
    const Row rows[] = {
        {"en", "5/1/07", "May"},        {"en", "12/1/07", "December"},     {"en", "9/1/07", "September"},
        {"full", "2/1/07", "Février"},  {"full", "9/1/07", "Septembre"},   {"full", "12/31/07", "Décembre"},
        {"full", "13/1/07", "Janvier"}, {"full", "0/1/07", "Décembre"},    {"short", "3/1/07", "Mar"},
        {"short", "4/1/07", ""},        {"short", "12/1/07", ""},
    };
    for (const Row& row : rows) {
        const std::string table = row.table;
        std::optional<testenv::ScopedTable> scoped;
        if (table != "en")
            scoped.emplace(table, std::vector<std::pair<std::string, std::string>>{
                                      {"Textos.k300", table == "full" ? full : "Janvier   Février   Mar"}});
        EXPECT_EQ(Module1::mes(row.text), row.expected) << row.table << " " << row.text;
    }
}

TEST(DateText, Primero)
{
    struct Row { const char* text; std::int32_t expected; };
    const Row rows[] = {{"3/5/07", 5}, {"4/20/07", 1}, {"9/1/07", 7}, {"12/31/07", 7}, {"2/28/09", 1}, {"1/1/2051", 1}};
    for (const Row& row : rows)
        EXPECT_EQ(Module1::primero(row.text), row.expected) << row.text;
}

// Every month of every year a date holds, written as the calendar writes it:
// it reads back as itself, its first falls on its weekday, its length is the
// civil calendar's.
TEST(DateText, EveryMonthAgainstTheCivilCalendar)
{
    using namespace std::chrono;
    for (int y = 1; y <= 9999; ++y)
        for (unsigned m = 1; m <= 12; ++m) {
            const year_month ym = year(y) / month(m);
            const std::string text = Module1::DateText(fw::Date(y, std::int32_t(m), 1, 12, 0, 0));
            const fw::Date read = Module1::Str2date(text);
            ASSERT_EQ(read.Year(), y) << text;
            ASSERT_EQ(read.Month(), std::int32_t(m)) << text;
            ASSERT_EQ(read.Day(), 1) << text;
            ASSERT_EQ(Module1::primero(text), std::int32_t(weekday(sys_days(ym / 1)).c_encoding()) + 1) << text;
            ASSERT_EQ(fw::Val(Module1::MonthLengthField(text)), double(unsigned((ym / last).day()))) << text;
        }
}
