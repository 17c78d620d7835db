// SPDX-License-Identifier: GPL-3.0-or-later
#include "framework/core/date.h"
#include "framework/core/date_seam.h"
#include "support/testenv.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>

using fw::Date;

namespace {
constexpr std::int32_t kMax = std::numeric_limits<std::int32_t>::max();
constexpr std::int32_t kMin = std::numeric_limits<std::int32_t>::min();

Date fromSQL(const char* text)
{
    Date d(2000, 1, 1);
    EXPECT_TRUE(d.SetSQLDateTime(text)) << text;
    return d;
}

// Puts the system clock back when the test ends.
struct ClockGuard {
    ~ClockGuard() { fw::SetDateClock({}); }
};

const char* const kBerlin = "Europe/Berlin";
const char* const kNewYork = "America/New_York";
} // namespace

TEST(Date, SetDayCarriesIntoTheMonth)
{
    struct Row { const char* start; std::int32_t value; const char* expected; };
    const Row rows[] = {
        {"2007-03-15 08:30:00", 0, "2007-02-28 08:30:00"},
        {"2008-03-15 08:30:00", 0, "2008-02-29 08:30:00"},
        {"2007-02-15 08:30:00", 31, "2007-03-03 08:30:00"},
        {"2000-01-15 00:00:00", 1000000, "4737-11-27 00:00:00"},
        {"2007-05-10 08:30:00", kMax, "9999-12-31 23:59:59"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.expected);
        Date d = fromSQL(row.start);
        d.SetDay(row.value);
        EXPECT_EQ(d.SQLDateTime(), row.expected);
    }
}

TEST(Date, FieldSettersCarryAtOnce)
{
    enum Field { Year, Month, Day, Hour, Minute, Second };
    struct Row { const char* start; Field field; std::int32_t value; const char* expected; };
    const Row rows[] = {
        {"2007-12-15 08:30:00", Month, 13, "2008-01-15 08:30:00"},
        {"2007-01-15 08:30:00", Month, 0, "2006-12-15 08:30:00"},
        {"2007-01-31 08:30:00", Month, 2, "2007-03-03 08:30:00"},
        {"2008-01-31 08:30:00", Month, 2, "2008-03-02 08:30:00"},
        {"2007-05-31 08:30:00", Month, -11, "2006-01-31 08:30:00"},
        {"2007-01-31 00:00:00", Day, 32, "2007-02-01 00:00:00"},
        {"2008-02-29 10:00:00", Year, 2007, "2007-03-01 10:00:00"},
        {"2007-06-15 10:00:00", Year, 0, "0001-01-01 00:00:00"},
        {"2007-06-15 10:00:00", Year, 10000, "9999-12-31 23:59:59"},
        {"2007-12-31 23:00:00", Hour, 24, "2008-01-01 00:00:00"},
        {"2007-03-01 00:10:00", Hour, -1, "2007-02-28 23:10:00"},
        {"2007-12-31 23:59:00", Minute, 60, "2008-01-01 00:00:00"},
        {"2007-12-31 23:59:59", Second, 60, "2008-01-01 00:00:00"},
        {"2007-01-01 00:00:00", Second, -1, "2006-12-31 23:59:59"},
        {"2007-05-10 08:30:00", Month, kMax, "9999-12-31 23:59:59"},
        {"2007-05-10 08:30:00", Month, kMin, "0001-01-01 00:00:00"},
        {"2007-05-10 08:30:00", Second, kMin, "1939-04-22 05:15:52"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(std::string(row.start) + " -> " + row.expected);
        Date d = fromSQL(row.start);
        switch (row.field) {
        case Year: d.SetYear(row.value); break;
        case Month: d.SetMonth(row.value); break;
        case Day: d.SetDay(row.value); break;
        case Hour: d.SetHour(row.value); break;
        case Minute: d.SetMinute(row.value); break;
        case Second: d.SetSecond(row.value); break;
        }
        EXPECT_EQ(d.SQLDateTime(), row.expected);
    }
}

TEST(Date, DayOfWeekCountsFromSunday)
{
    struct Row { std::int32_t y, mo, d, weekday; };
    const Row rows[] = {
        {1904, 1, 1, 6},  {1903, 12, 31, 5}, {2007, 3, 1, 5},  {2007, 4, 1, 1},   {2007, 12, 1, 7},
        {2008, 2, 29, 6}, {2000, 1, 1, 7},   {1, 1, 1, 2},     {9999, 12, 31, 6}, {2026, 12, 7, 2},
    };
    for (const Row& row : rows) {
        EXPECT_EQ(Date(row.y, row.mo, row.d).DayOfWeek(), row.weekday) << row.y << "-" << row.mo << "-" << row.d;
        EXPECT_EQ(Date(row.y, row.mo, row.d, 23, 59, 59).DayOfWeek(), row.weekday) << "late in the day";
    }
}

TEST(Date, ConstructorCarriesAndClampsTheWholeDate)
{
    struct Row { std::int32_t y, mo, d, h, mi, s; const char* expected; };
    const Row rows[] = {
        {10000, 1, -400, 0, 0, 0, "9998-11-26 00:00:00"}, {0, 13, 1, 0, 0, 0, "0001-01-01 00:00:00"},
        {9999, 12, 31, 23, 59, 60, "9999-12-31 23:59:59"}, {1, 1, 1, 0, 0, -1, "0001-01-01 00:00:00"},
        {kMax, kMax, kMax, kMax, kMax, kMax, "9999-12-31 23:59:59"},
        {kMin, kMin, kMin, kMin, kMin, kMin, "0001-01-01 00:00:00"},
        {1900, 2, 29, 0, 0, 0, "1900-03-01 00:00:00"}, {2000, 2, 29, 0, 0, 0, "2000-02-29 00:00:00"},
        {2100, 2, 29, 0, 0, 0, "2100-03-01 00:00:00"},
    };
    for (const Row& row : rows)
        EXPECT_EQ(Date(row.y, row.mo, row.d, row.h, row.mi, row.s).SQLDateTime(), row.expected);
}

TEST(Date, TotalSecondsCountsWholeDaysFrom1904)
{
    EXPECT_EQ(Date(1904, 1, 2).TotalSeconds(), 86400.0);
    EXPECT_EQ(Date(1903, 12, 31, 23, 59, 59).TotalSeconds(), -1.0);
    EXPECT_EQ(Date(2007, 3, 15).TotalSeconds(), 3256761600.0);
    EXPECT_EQ(Date(9999, 12, 31).TotalSeconds() - Date(1, 1, 1).TotalSeconds(), 3652058.0 * 86400);

    const double inf = std::numeric_limits<double>::infinity();
    const std::pair<double, const char*> rows[] = {
        {0.5, "1904-01-01 00:00:00"},  {-0.5, "1903-12-31 23:59:59"},  {3256761600.0, "2007-03-15 00:00:00"},
        {inf, "9999-12-31 23:59:59"},  {-inf, "0001-01-01 00:00:00"},  {1e300, "9999-12-31 23:59:59"},
        {-1e19, "0001-01-01 00:00:00"}, {std::nan(""), "2007-05-10 08:30:00"},
    };
    for (const auto& [seconds, expected] : rows) {
        Date d(2007, 5, 10, 8, 30);
        d.SetTotalSeconds(seconds);
        EXPECT_EQ(d.SQLDateTime(), expected) << seconds;
    }
}

TEST(Date, SQLDateTimeIsStrict)
{
    for (const char* good : {"0001-01-01 00:00:00", "9999-12-31 23:59:59", "2000-02-29 12:34:56"}) {
        Date d(1999, 9, 9);
        EXPECT_TRUE(d.SetSQLDateTime(good));
        EXPECT_EQ(d.SQLDateTime(), good);
    }
    const std::string rows[] = {
        "2007-02-29 00:00:00", "1900-02-29 00:00:00", "2007-13-01 00:00:00", "2007-00-10 00:00:00",
        "2007-03-00 00:00:00", "2007-04-31 00:00:00", "2007-01-32 00:00:00", "0000-01-01 00:00:00",
        "2007-03-15 24:00:00", "2007-03-15 23:60:00", "2007-03-15 23:59:60", "2007-03-15T00:00:00",
        "2007-3-15 00:00:00",  "2007-03-15 00:00:0",  "2007-03-15 00:00:000", "2007-03-15 00:00:00 ",
        " 2007-03-15 00:00:0", "2007-03-15 0 :00:00", "2007-0a-15 00:00:00", "+007-03-15 00:00:00",
        "-007-03-15 00:00:00", "2007/03/15 00:00:00", "2007-03-15 00-00-00", "",
        std::string("2007-03-15\0" "00:00:00", 19), std::string("2007-03-15 00:00:00\0", 20),
        "2007-03-15 00:00:0\xD9\xA0", // a non-ASCII digit
    };
    for (const std::string& text : rows) {
        Date d(2011, 7, 9, 13, 14, 15);
        EXPECT_FALSE(d.SetSQLDateTime(text)) << text;
        EXPECT_EQ(d.SQLDateTime(), "2011-07-09 13:14:15");
    }
}

TEST(Date, NewDateReadsTheLocalCivilClock)
{
    ClockGuard guard;
    struct Row { const char* zone; std::int64_t unix; const char* expected; };
    const Row rows[] = {
        {kBerlin, 1174784399, "2007-03-25 01:59:59"}, {kBerlin, 1174784400, "2007-03-25 03:00:00"},
        {kBerlin, 1193533199, "2007-10-28 02:59:59"}, {kBerlin, 1193533200, "2007-10-28 02:00:00"},
        {"UTC", 0, "1970-01-01 00:00:00"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.expected);
        testenv::ScopedTimeZone zone(row.zone);
        fw::SetDateClock([&] { return Date::LocalCivilSeconds(row.unix); });
        EXPECT_EQ(Date().SQLDateTime(), row.expected);
    }
}

TEST(Date, DaylightSavingNeverShiftsDayCounts)
{
    ClockGuard guard;
    // Noon the day before and noon the day after each 2007 change, as moments.
    struct Row { const char* zone; std::int64_t before, after; };
    const Row rows[] = {
        {kBerlin, 1174734000, 1174903200}, {kBerlin, 1193479200, 1193655600},
        {kNewYork, 1173546000, 1173715200}, {kNewYork, 1194105600, 1194282000},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.before);
        testenv::ScopedTimeZone zone(row.zone);
        std::int64_t now = row.before;
        fw::SetDateClock([&] { return Date::LocalCivilSeconds(now); });
        Date d;
        now = row.after;
        const Date after;
        EXPECT_EQ(after.Hour(), 12);
        EXPECT_EQ(after.TotalSeconds() - d.TotalSeconds(), 2 * 86400.0);
        d.SetDay(d.Day() + 1);
        d.SetDay(d.Day() + 1);
        EXPECT_EQ(d, after);
    }
}
