// SPDX-License-Identifier: GPL-3.0-or-later
#include "framework/core/date.h"
#include "framework/core/date_seam.h"

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <ctime>

namespace fw {

namespace {
using namespace std::chrono;

constexpr std::int64_t kDay = 86400;

constexpr std::int64_t floorDiv(std::int64_t a, std::int64_t b)
{
    const std::int64_t q = a / b;
    return (a % b != 0 && (a < 0) != (b < 0)) ? q - 1 : q;
}

constexpr std::int64_t floorMod(std::int64_t a, std::int64_t b)
{
    return a - floorDiv(a, b) * b;
}

constexpr sys_days kEpoch = year(1904) / January / 1;

// Days since 1904-01-01 of the first of a month, for any year: whole 400-year
// cycles (146097 days each) are taken out first so that the calendar types
// only see years they can represent.
constexpr std::int64_t daysOfMonthStart(std::int64_t y, std::int64_t month)
{
    const std::int64_t cycles = floorDiv(y - 2000, 400);
    const int inCycle = int(y - cycles * 400);
    const sys_days first = year(inCycle) / std::chrono::month(unsigned(month)) / 1;
    return (first - kEpoch).count() + cycles * 146097;
}

constexpr std::int64_t civilSeconds(std::int64_t y, std::int64_t m, std::int64_t d, std::int64_t hh, std::int64_t mm, std::int64_t ss)
{
    const std::int64_t months = y * 12 + (m - 1);
    const std::int64_t days = daysOfMonthStart(floorDiv(months, 12), floorMod(months, 12) + 1) + (d - 1);
    return days * kDay + hh * 3600 + mm * 60 + ss;
}

constexpr std::int64_t kMin = civilSeconds(1, 1, 1, 0, 0, 0);
constexpr std::int64_t kMax = civilSeconds(9999, 12, 31, 23, 59, 59);

struct Fields {
    year_month_day ymd;
    std::int64_t secondOfDay;
};

Fields fields(std::int64_t seconds)
{
    return {year_month_day(kEpoch + days(floorDiv(seconds, kDay))), floorMod(seconds, kDay)};
}

std::int64_t systemClock()
{
    return Date::LocalCivilSeconds(std::time(nullptr));
}

DateClock& clock()
{
    static DateClock current;
    return current;
}
} // namespace

std::int64_t Date::LocalCivilSeconds(std::int64_t unixSeconds)
{
    const std::time_t t = std::time_t(unixSeconds);
    std::tm tm{};
    if (!localtime_r(&t, &tm))
        return civilSeconds(1970, 1, 1, 0, 0, 0) + unixSeconds;
    return civilSeconds(std::int64_t(tm.tm_year) + 1900, tm.tm_mon + 1, tm.tm_mday, tm.tm_hour, tm.tm_min,
                        std::min(tm.tm_sec, 59)); // a leap second reads as :59
}

void SetDateClock(DateClock c)
{
    clock() = std::move(c);
}

Date::Date()
{
    setSeconds(clock() ? clock()() : systemClock());
}

Date::Date(std::int32_t year, std::int32_t month, std::int32_t day, std::int32_t hour, std::int32_t minute,
           std::int32_t second)
{
    setFields(year, month, day, hour, minute, second);
}

void Date::setSeconds(std::int64_t seconds)
{
    m_seconds = std::clamp(seconds, kMin, kMax);
}

void Date::setFields(std::int64_t year, std::int64_t month, std::int64_t day, std::int64_t hour, std::int64_t minute,
                     std::int64_t second)
{
    setSeconds(civilSeconds(year, month, day, hour, minute, second));
}

std::int32_t Date::Year() const { return int(fields(m_seconds).ymd.year()); }
std::int32_t Date::Month() const { return std::int32_t(unsigned(fields(m_seconds).ymd.month())); }
std::int32_t Date::Day() const { return std::int32_t(unsigned(fields(m_seconds).ymd.day())); }
std::int32_t Date::Hour() const { return std::int32_t(fields(m_seconds).secondOfDay / 3600); }
std::int32_t Date::Minute() const { return std::int32_t(fields(m_seconds).secondOfDay / 60 % 60); }
std::int32_t Date::Second() const { return std::int32_t(fields(m_seconds).secondOfDay % 60); }

void Date::SetYear(std::int32_t year) { setFields(year, Month(), Day(), Hour(), Minute(), Second()); }
void Date::SetMonth(std::int32_t month) { setFields(Year(), month, Day(), Hour(), Minute(), Second()); }
void Date::SetDay(std::int32_t day) { setFields(Year(), Month(), day, Hour(), Minute(), Second()); }
void Date::SetHour(std::int32_t hour) { setFields(Year(), Month(), Day(), hour, Minute(), Second()); }
void Date::SetMinute(std::int32_t minute) { setFields(Year(), Month(), Day(), Hour(), minute, Second()); }
void Date::SetSecond(std::int32_t second) { setFields(Year(), Month(), Day(), Hour(), Minute(), second); }

std::int32_t Date::DayOfWeek() const
{
    return std::int32_t(weekday(kEpoch + days(floorDiv(m_seconds, kDay))).c_encoding()) + 1;
}

double Date::TotalSeconds() const
{
    return double(m_seconds);
}

void Date::SetTotalSeconds(double seconds)
{
    if (std::isnan(seconds))
        return;
    // Compared as doubles first: the range is far inside what a double holds
    // exactly, and converting an out-of-range double to an integer is undefined.
    const double whole = std::floor(seconds);
    if (whole <= double(kMin))
        setSeconds(kMin);
    else if (whole >= double(kMax))
        setSeconds(kMax);
    else
        setSeconds(std::int64_t(whole));
}

std::string Date::SQLDate() const
{
    const Fields f = fields(m_seconds);
    char text[16];
    std::snprintf(text, sizeof text, "%04d-%02u-%02u", int(f.ymd.year()), unsigned(f.ymd.month()), unsigned(f.ymd.day()));
    return text;
}

std::string Date::SQLDateTime() const
{
    const std::int64_t s = fields(m_seconds).secondOfDay;
    char time[16];
    std::snprintf(time, sizeof time, " %02d:%02d:%02d", int(s / 3600), int(s / 60 % 60), int(s % 60));
    return SQLDate() + time;
}

bool Date::SetSQLDateTime(std::string_view text)
{
    static constexpr std::string_view pattern = "dddd-dd-dd dd:dd:dd";
    if (text.size() != pattern.size())
        return false;
    for (std::size_t i = 0; i < pattern.size(); ++i) {
        const bool digit = text[i] >= '0' && text[i] <= '9';
        if (pattern[i] == 'd' ? !digit : text[i] != pattern[i])
            return false;
    }
    const auto number = [&](std::size_t at, std::size_t width) {
        int n = 0;
        for (std::size_t i = at; i < at + width; ++i)
            n = n * 10 + (text[i] - '0');
        return n;
    };
    const year_month_day ymd{year(number(0, 4)), month(unsigned(number(5, 2))), day(unsigned(number(8, 2)))};
    const int hh = number(11, 2), mm = number(14, 2), ss = number(17, 2);
    if (!ymd.ok() || int(ymd.year()) < 1 || hh > 23 || mm > 59 || ss > 59)
        return false;
    setFields(int(ymd.year()), unsigned(ymd.month()), unsigned(ymd.day()), hh, mm, ss);
    return true;
}

} // namespace fw
