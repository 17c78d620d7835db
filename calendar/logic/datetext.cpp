// SPDX-License-Identifier: GPL-3.0-or-later
#include "calendar/logic/datetext.h"

#include "resources/textos.h"
#include "framework/core/text.h"

namespace Module1 {

std::string hoy()
{
    return DateText(fw::Date());
}

std::string DateText(const fw::Date& date)
{
    return fw::Str(date.Month()) + "/" + fw::Str(date.Day()) + "/" + fw::Right(fw::Str(date.Year()), 2);
}

fw::Date Str2date(std::string_view s)
{
    const std::int64_t slash = fw::InStr(s, "/");
    const std::int32_t month = slash > 0 ? fw::ToInt32(fw::Val(fw::Left(s, slash - 1))) : 0;
    const std::int32_t day = fw::ToInt32(fw::Val(fw::Mid(s, slash + 1)));
    const std::int32_t n = fw::ToInt32(fw::Val(fw::Right(s, 2)));
    const std::int32_t fullYear = n > 50 ? 1900 + n : 2000 + n;

    // Month and day go onto 1 January, not onto today, so that the result does
    // not depend on today's day: 2/01/07 read on 31 January must not land in March.
    const fw::Date now;
    fw::Date result(fullYear, 1, 1, now.Hour(), now.Minute(), now.Second());
    result.SetMonth(month);
    result.SetDay(day);
    return result;
}

std::string mes(std::string_view s)
{
    return mes(Str2date(s).Month());
}

std::string mes(std::int32_t month)
{
    if (month < 1 || month > 12)
        return {};
    // Fields of ten characters, not bytes: translated names need not be ASCII.
    return fw::RTrim(fw::Mid(Textos::k300(), std::int64_t(month - 1) * 10 + 1, 10));
}

std::string year(std::string_view s)
{
    return fw::Str(Str2date(s).Year());
}

std::int32_t durames(std::string_view s)
{
    const fw::Date d = Str2date(s);
    std::string lengths = " 312831303130313130313031";
    const std::int32_t y = d.Year();
    if ((y % 4 == 0 && y % 100 != 0) || y % 400 == 0)
        lengths[lengths.find('8')] = '9';
    return fw::ToInt32(fw::Val(fw::Mid(lengths, 2 * std::int64_t(d.Month()), 2)));
}

std::int32_t primero(std::string_view s)
{
    fw::Date d = Str2date(s);
    d.SetDay(1);
    return d.DayOfWeek();
}

} // namespace Module1
