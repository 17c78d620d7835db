// SPDX-License-Identifier: GPL-3.0-or-later
#include "calendar/logic/datetext.h"

#include "resources/textos.h"
#include "framework/core/text.h"

#include <cstdio>

namespace Module1 {

namespace {

// The year a text names: its year field (after the second "/") when that is
// longer than two characters, else the window over its last two characters.
std::int32_t yearOf(std::string_view s, std::size_t firstSlash)
{
    const std::size_t second = firstSlash == std::string_view::npos ? firstSlash : s.find('/', firstSlash + 1);
    if (second != std::string_view::npos && fw::Len(s.substr(second + 1)) > 2)
        return fw::ToInt32(fw::Val(s.substr(second + 1)));
    const std::int32_t n = fw::ToInt32(fw::Val(fw::Right(s, 2)));
    return n > 50 ? 1900 + n : 2000 + n;
}

} // namespace

std::string hoy()
{
    return DateText(fw::Date());
}

fw::Date Str2date(std::string_view s)
{
    // Without a "/" the month reads as nothing and the day from the start.
    const std::size_t p = s.find('/');
    const std::string_view month = p == std::string_view::npos ? std::string_view() : s.substr(0, p);
    const std::string_view day = p == std::string_view::npos ? s : s.substr(p + 1);
    const fw::Date now;
    // All three fields at once: setting them one by one would carry on the
    // 29th to 31st of a month.
    return fw::Date(yearOf(s, p), fw::ToInt32(fw::Val(month)), fw::ToInt32(fw::Val(day)), now.Hour(), now.Minute(),
                    now.Second());
}

std::string mes(std::string_view s)
{
    const std::int32_t m = Str2date(s).Month();
    // Fields of ten characters, not bytes: translated names need not be ASCII.
    return fw::RTrim(fw::Mid(Textos::k300(), std::int64_t(m - 1) * 10 + 1, 10));
}

std::string year(std::string_view s)
{
    return fw::Str(Str2date(s).Year());
}

std::int32_t primero(std::string_view s)
{
    fw::Date d = Str2date(s);
    d.SetDay(1);
    return d.DayOfWeek();
}

std::string MonthLengthField(std::string_view s)
{
    const fw::Date d = Str2date(s);
    std::string t = " 312831303130313130313031";
    const std::int32_t y = d.Year();
    if ((y % 4 == 0 && y % 100 != 0) || y % 400 == 0)
        t[t.find('8')] = '9';
    return fw::Mid(t, 2 * std::int64_t(d.Month()), 2);
}

std::string DateText(const fw::Date& date)
{
    const std::int32_t y = date.Year();
    const std::string yy = y >= 1951 && y <= 2050 ? fw::Right(fw::Str(y), 2) : FourDigitYear(y);
    return fw::Str(date.Month()) + "/" + fw::Str(date.Day()) + "/" + yy;
}

std::string FourDigitYear(std::int32_t year)
{
    char text[16];
    std::snprintf(text, sizeof text, "%04d", int(year));
    return text;
}

} // namespace Module1
