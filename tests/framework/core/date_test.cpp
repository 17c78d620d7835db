// SPDX-License-Identifier: GPL-3.0-or-later
#include "framework/core/date.h"
#include "support/testenv.h"

#include <gtest/gtest.h>

#include <cmath>
#include <ctime>
#include <limits>
#include <vector>

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
    ~ClockGuard() { Date::SetClock({}); }
};
} // namespace

TEST(Date, SettersCarryIntoTheNextUnit)
{
    struct Row {
        const char* name;
        const char* start;
        void (Date::*setter)(std::int32_t);
        std::int32_t value;
        const char* expected;
    };
    const Row rows[] = {
        {"month 0 is December before", "2007-01-15 08:30:00", &Date::SetMonth, 0, "2006-12-15 08:30:00"},
        {"month 13 is January after", "2007-01-15 08:30:00", &Date::SetMonth, 13, "2008-01-15 08:30:00"},
        {"month 25", "2007-05-10 08:30:00", &Date::SetMonth, 25, "2009-01-10 08:30:00"},
        {"day 0 is end of previous month", "2007-03-15 08:30:00", &Date::SetDay, 0, "2007-02-28 08:30:00"},
        {"day 0 in a leap year", "2008-03-15 08:30:00", &Date::SetDay, 0, "2008-02-29 08:30:00"},
        {"day 32 of January", "2007-01-15 08:30:00", &Date::SetDay, 32, "2007-02-01 08:30:00"},
        {"31 February 2007", "2007-02-15 08:30:00", &Date::SetDay, 31, "2007-03-03 08:30:00"},
        {"day -1", "2007-03-15 08:30:00", &Date::SetDay, -1, "2007-02-27 08:30:00"},
        {"day one million", "2000-01-15 00:00:00", &Date::SetDay, 1000000, "4737-11-27 00:00:00"},
        {"29 February to a common year", "2000-02-29 08:30:00", &Date::SetYear, 2001, "2001-03-01 08:30:00"},
        {"hour 24", "2007-12-31 10:00:00", &Date::SetHour, 24, "2008-01-01 00:00:00"},
        {"hour -1", "2007-03-01 10:00:00", &Date::SetHour, -1, "2007-02-28 23:00:00"},
        {"minute -1 at new year", "2007-01-01 00:00:00", &Date::SetMinute, -1, "2006-12-31 23:59:00"},
        {"second 86400", "2007-03-15 08:30:00", &Date::SetSecond, 86400, "2007-03-16 08:30:00"},
        {"second Int32 min", "2007-05-10 08:30:00", &Date::SetSecond, kMin, "1939-04-22 05:15:52"},
        {"second Int32 max", "2007-05-10 08:30:00", &Date::SetSecond, kMax, "2075-05-28 11:44:07"},
        {"day Int32 max clamps", "2007-05-10 08:30:00", &Date::SetDay, kMax, "9999-12-31 23:59:59"},
        {"day Int32 min clamps", "2007-05-10 08:30:00", &Date::SetDay, kMin, "0001-01-01 00:00:00"},
        {"month Int32 min clamps", "2007-05-10 08:30:00", &Date::SetMonth, kMin, "0001-01-01 00:00:00"},
        {"minute Int32 min clamps", "2007-05-10 08:30:00", &Date::SetMinute, kMin, "0001-01-01 00:00:00"},
        {"year 0 clamps", "2007-05-10 08:30:00", &Date::SetYear, 0, "0001-01-01 00:00:00"},
        {"year 10000 clamps", "2007-05-10 08:30:00", &Date::SetYear, 10000, "9999-12-31 23:59:59"},
        {"year 1", "2007-05-10 08:30:00", &Date::SetYear, 1, "0001-05-10 08:30:00"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        Date d = fromSQL(row.start);
        (d.*row.setter)(row.value);
        EXPECT_EQ(d.SQLDateTime(), row.expected);
    }
}

TEST(Date, ConstructorCarriesAndClampsTheWholeDate)
{
    struct Row { const char* name; std::int32_t y, mo, d, h, mi, s; const char* expected; };
    const Row rows[] = {
        {"plain", 2007, 3, 15, 0, 0, 0, "2007-03-15 00:00:00"},
        {"carried back into range", 10000, 1, -400, 0, 0, 0, "9998-11-26 00:00:00"},
        {"carried up into range", 0, 13, 1, 0, 0, 0, "0001-01-01 00:00:00"},
        {"one second past the end", 9999, 12, 31, 23, 59, 60, "9999-12-31 23:59:59"},
        {"one second before the start", 1, 1, 1, 0, 0, -1, "0001-01-01 00:00:00"},
        {"all Int32 max", kMax, kMax, kMax, kMax, kMax, kMax, "9999-12-31 23:59:59"},
        {"all Int32 min", kMin, kMin, kMin, kMin, kMin, kMin, "0001-01-01 00:00:00"},
        {"1900 is not leap", 1900, 2, 29, 0, 0, 0, "1900-03-01 00:00:00"},
        {"2000 is leap", 2000, 2, 29, 0, 0, 0, "2000-02-29 00:00:00"},
        {"2100 is not leap", 2100, 2, 29, 0, 0, 0, "2100-03-01 00:00:00"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        const Date d(row.y, row.mo, row.d, row.h, row.mi, row.s);
        EXPECT_EQ(d.SQLDateTime(), row.expected);
    }
}

TEST(Date, DayOfWeekAndFields)
{
    struct Row { const char* name; const char* date; std::int32_t dayOfWeek; };
    const Row rows[] = {
        {"epoch was a Friday", "1904-01-01 00:00:00", 6},
        {"leap day 2000 was a Tuesday", "2000-02-29 23:59:59", 3},
        {"a Sunday", "2024-12-29 00:00:00", 1},
        {"first day of year 1 was a Monday", "0001-01-01 00:00:00", 2},
        {"last day was a Friday", "9999-12-31 23:59:59", 6},
        {"day before the epoch was a Thursday", "1903-12-31 23:59:59", 5},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        const Date d = fromSQL(row.date);
        EXPECT_EQ(d.DayOfWeek(), row.dayOfWeek);
        EXPECT_EQ(d.SQLDate(), std::string(row.date).substr(0, 10));
    }
    const Date d(2011, 7, 9, 13, 14, 15);
    EXPECT_EQ(std::vector({d.Year(), d.Month(), d.Day(), d.Hour(), d.Minute(), d.Second()}),
              std::vector({2011, 7, 9, 13, 14, 15}));
}

TEST(Date, TotalSecondsCountsWholeDaysFrom1904)
{
    EXPECT_EQ(Date(1904, 1, 1).TotalSeconds(), 0.0);
    EXPECT_EQ(Date(1904, 1, 2).TotalSeconds(), 86400.0);
    EXPECT_EQ(Date(1903, 12, 31, 23, 59, 59).TotalSeconds(), -1.0);
    EXPECT_EQ(Date(2007, 3, 15).TotalSeconds(), 3256761600.0);
    EXPECT_EQ(Date(9999, 12, 31).TotalSeconds() - Date(1, 1, 1).TotalSeconds(), 3652058.0 * 86400);

    struct Row { const char* name; double seconds; const char* expected; };
    const double inf = std::numeric_limits<double>::infinity();
    const Row rows[] = {
        {"zero", 0, "1904-01-01 00:00:00"},
        {"half a second rounds down", 0.5, "1904-01-01 00:00:00"},
        {"minus half a second rounds down", -0.5, "1903-12-31 23:59:59"},
        {"2007-03-15", 3256761600.0, "2007-03-15 00:00:00"},
        {"infinity clamps", inf, "9999-12-31 23:59:59"},
        {"minus infinity clamps", -inf, "0001-01-01 00:00:00"},
        {"huge clamps", 1e300, "9999-12-31 23:59:59"},
        {"beyond Int64 clamps", -1e19, "0001-01-01 00:00:00"},
        {"NaN is ignored", std::nan(""), "2007-05-10 08:30:00"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        Date d(2007, 5, 10, 8, 30);
        d.SetTotalSeconds(row.seconds);
        EXPECT_EQ(d.SQLDateTime(), row.expected);
    }
    const Date a(2011, 7, 9, 13, 14, 15);
    Date b(1950, 1, 1);
    b.SetTotalSeconds(a.TotalSeconds());
    EXPECT_EQ(a, b);
}

TEST(Date, SQLDateTimeIsStrict)
{
    for (const char* good : {"2007-03-15 00:00:00", "0001-01-01 00:00:00", "9999-12-31 23:59:59", "2000-02-29 12:34:56"}) {
        SCOPED_TRACE(good);
        Date d(1999, 9, 9);
        EXPECT_TRUE(d.SetSQLDateTime(good));
        EXPECT_EQ(d.SQLDateTime(), good);
    }
    struct Row { const char* name; std::string text; };
    const Row rows[] = {
        {"29 February of a common year", "2007-02-29 00:00:00"},
        {"1900 is not leap", "1900-02-29 00:00:00"},
        {"month 13", "2007-13-01 00:00:00"},
        {"month 0", "2007-00-10 00:00:00"},
        {"day 0", "2007-03-00 00:00:00"},
        {"31 April", "2007-04-31 00:00:00"},
        {"day 32", "2007-01-32 00:00:00"},
        {"year 0", "0000-01-01 00:00:00"},
        {"hour 24", "2007-03-15 24:00:00"},
        {"minute 60", "2007-03-15 23:60:00"},
        {"second 60", "2007-03-15 23:59:60"},
        {"T separator", "2007-03-15T00:00:00"},
        {"one-digit month", "2007-3-15 00:00:00"},
        {"18 characters", "2007-03-15 00:00:0"},
        {"20 characters", "2007-03-15 00:00:000"},
        {"trailing blank", "2007-03-15 00:00:00 "},
        {"leading blank", " 2007-03-15 00:00:0"},
        {"blank for a digit", "2007-03-15 0 :00:00"},
        {"letter", "2007-0a-15 00:00:00"},
        {"plus sign", "+007-03-15 00:00:00"},
        {"minus sign", "-007-03-15 00:00:00"},
        {"slashes", "2007/03/15 00:00:00"},
        {"colons swapped", "2007-03-15 00-00-00"},
        {"embedded NUL", std::string("2007-03-15\0" "00:00:00", 19)},
        {"trailing NUL", std::string("2007-03-15 00:00:00\0", 20)},
        {"empty", ""},
        {"non-ASCII digit", "2007-03-15 00:00:0\xD9\xA0"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        Date d(2011, 7, 9, 13, 14, 15);
        EXPECT_FALSE(d.SetSQLDateTime(row.text));
        EXPECT_EQ(d.SQLDateTime(), "2011-07-09 13:14:15");
    }
}

TEST(Date, NewDateReadsTheLocalCivilClock)
{
    ClockGuard guard;
    struct Row { const char* name; const char* zone; std::int64_t unix; const char* expected; };
    const Row rows[] = {
        {"Berlin before spring forward", "Europe/Berlin", 1174784399, "2007-03-25 01:59:59"},
        {"Berlin after spring forward", "Europe/Berlin", 1174784400, "2007-03-25 03:00:00"},
        {"Berlin before fall back", "Europe/Berlin", 1193533199, "2007-10-28 02:59:59"},
        {"Berlin after fall back", "Europe/Berlin", 1193533200, "2007-10-28 02:00:00"},
        {"New York before spring forward", "America/New_York", 1173596399, "2007-03-11 01:59:59"},
        {"New York after spring forward", "America/New_York", 1173596400, "2007-03-11 03:00:00"},
        {"New York before fall back", "America/New_York", 1194155999, "2007-11-04 01:59:59"},
        {"New York after fall back", "America/New_York", 1194156000, "2007-11-04 01:00:00"},
        {"UTC", "UTC", 0, "1970-01-01 00:00:00"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        testenv::ScopedTimeZone zone(row.zone);
        Date::SetClock([&] { return Date::LocalCivilSeconds(row.unix); });
        EXPECT_EQ(Date().SQLDateTime(), row.expected);
    }
}

TEST(Date, DaylightSavingNeverShiftsDayCounts)
{
    ClockGuard guard;
    // Noon the day before and noon the day after each 2007 change, as moments.
    struct Row { const char* name; const char* zone; std::int64_t before, after; };
    const Row rows[] = {
        {"Berlin spring", "Europe/Berlin", 1174734000, 1174903200},
        {"Berlin autumn", "Europe/Berlin", 1193479200, 1193655600},
        {"New York spring", "America/New_York", 1173546000, 1173715200},
        {"New York autumn", "America/New_York", 1194105600, 1194282000},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        testenv::ScopedTimeZone zone(row.zone);
        std::int64_t now = row.before;
        Date::SetClock([&] { return Date::LocalCivilSeconds(now); });
        const Date before;
        now = row.after;
        const Date after;
        EXPECT_EQ(before.Hour(), 12);
        EXPECT_EQ(after.Hour(), 12);
        EXPECT_EQ(after.TotalSeconds() - before.TotalSeconds(), 2 * 86400.0);
        // Stepping day by day across the change keeps every day 86400 s long.
        Date d = before;
        for (int i = 1; i <= 2; ++i) {
            const double previous = d.TotalSeconds();
            d.SetDay(d.Day() + 1);
            EXPECT_EQ(d.TotalSeconds() - previous, 86400.0);
        }
        EXPECT_EQ(d, after);
    }
}

TEST(Date, EmptyClockRestoresTheSystemClock)
{
    Date::SetClock([] { return std::int64_t(0); });
    EXPECT_EQ(Date().SQLDateTime(), "1904-01-01 00:00:00");
    Date::SetClock({});
    const double now = Date::LocalCivilSeconds(std::time(nullptr));
    EXPECT_NEAR(Date().TotalSeconds(), now, 5.0);
}
