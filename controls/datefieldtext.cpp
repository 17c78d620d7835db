// SPDX-License-Identifier: GPL-3.0-or-later
#include "controls/datefieldtext.h"

#include <algorithm>

namespace controls {

namespace {

constexpr std::int32_t kFirstYear = 1;
constexpr std::int32_t kLastYear = 9999;
constexpr double kSecondsPerDay = 86400.0;

// The same day and time in another month, the day pulled back to the
// month's last day when the month is shorter.
fw::Date InMonth(const fw::Date& date, std::int32_t year, std::int32_t month)
{
    const std::int32_t day = std::min(date.Day(), DaysOfMonth(month, year));
    return fw::Date(year, month, day, date.Hour(), date.Minute(), date.Second());
}

std::optional<std::int32_t> DigitOf(std::string_view key)
{
    if (key.size() != 1 || key[0] < '0' || key[0] > '9')
        return std::nullopt;
    return key[0] - '0';
}

} // namespace

std::string Month2STR(std::int32_t month)
{
    static constexpr const char* kNames[] = {"January", "February", "March",     "April",   "May",      "June",
                                             "July",    "August",   "September", "October", "November", "December"};
    if (month < 1 || month > 12)
        return kNames[0];
    return kNames[month - 1];
}

std::string Day2STR(std::int32_t dayOfWeek)
{
    static constexpr const char* kNames[] = {"Sunday",   "Monday", "Tuesday", "Wednesday",
                                             "Thursday", "Friday", "Saturday"};
    if (dayOfWeek < 1 || dayOfWeek > 7)
        return kNames[0];
    return kNames[dayOfWeek - 1];
}

std::int32_t DaysOfMonth(std::int32_t month, std::int32_t year)
{
    switch (month) {
    case 1: case 3: case 5: case 7: case 8: case 10: case 12:
        return 31;
    case 2: {
        const bool leap = (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
        return leap ? 29 : 28;
    }
    default:
        return 30;
    }
}

std::string Complete(std::int32_t n)
{
    return n < 10 ? "0" + std::to_string(n) : std::to_string(n);
}

DateFieldText MakeDateFieldText(const fw::Date& date, bool monthName, bool dayName)
{
    DateFieldText result;
    std::string& text = result.text;
    text = std::to_string(date.Year()) + "/";
    result.parts[0] = static_cast<std::int32_t>(text.size()) - 1;
    text += monthName ? Month2STR(date.Month()) : Complete(date.Month());
    text += "/";
    result.parts[1] = static_cast<std::int32_t>(text.size()) - 1;
    text += std::to_string(date.Day());
    if (dayName)
        text += " " + Day2STR(date.DayOfWeek());
    result.parts[2] = static_cast<std::int32_t>(text.size());
    return result;
}

DatePart PartAt(std::int32_t caret, const DateParts& parts)
{
    if (caret <= parts[0])
        return DatePart::Year;
    if (caret <= parts[1])
        return DatePart::Month;
    return DatePart::Day;
}

TextRange PartRange(DatePart part, const DateParts& parts)
{
    switch (part) {
    case DatePart::Year:
        return {0, parts[0]};
    case DatePart::Month:
        return {parts[0] + 1, parts[1] - parts[0] - 1};
    case DatePart::Day:
        break;
    }
    return {parts[1] + 1, parts[2] - parts[1] - 1};
}

std::int32_t CaretLeftOf(DatePart part, const DateParts& parts)
{
    switch (part) {
    case DatePart::Year:
        return parts[2];
    case DatePart::Month:
        return 0;
    case DatePart::Day:
        break;
    }
    return parts[1];
}

std::int32_t CaretRightOf(DatePart part, const DateParts& parts)
{
    switch (part) {
    case DatePart::Year:
        return parts[1];
    case DatePart::Month:
        return parts[2];
    case DatePart::Day:
        break;
    }
    return 0;
}

std::int32_t CaretAfterRedraw(std::int32_t caret, const DateParts& before, const DateParts& after)
{
    // The caret positions of a part run from its first character to just
    // before the next "/" (or the end of the text).
    const TextRange range = PartRange(PartAt(caret, before), after);
    return std::clamp(caret, range.start, range.start + range.length);
}

fw::Date StepDatePart(const fw::Date& date, DatePart part, std::int32_t delta)
{
    switch (part) {
    case DatePart::Year: {
        const std::int64_t year = std::int64_t(date.Year()) + delta;
        if (year < kFirstYear || year > kLastYear)
            return date;
        return InMonth(date, std::int32_t(year), date.Month());
    }
    case DatePart::Month: {
        const std::int64_t months = std::int64_t(date.Year()) * 12 + (date.Month() - 1) + delta;
        // Months before year 1 need no exact year: they are refused anyway.
        const std::int64_t year = months / 12;
        if (months < 0 || year < kFirstYear || year > kLastYear)
            return date;
        return InMonth(date, std::int32_t(year), std::int32_t(months - year * 12 + 1));
    }
    case DatePart::Day:
        break;
    }
    // Every day is 86400 seconds, so this carries into the month and year and
    // keeps the time of day. A date past the first or last day stops at the
    // limit instead: then the step is refused.
    const double target = date.TotalSeconds() + kSecondsPerDay * delta;
    fw::Date next = date;
    next.SetTotalSeconds(target);
    return next.TotalSeconds() == target ? next : date;
}

std::optional<fw::Date> TypeDateKey(const fw::Date& date, DatePart part, std::string_view key)
{
    const std::optional<std::int32_t> digit = DigitOf(key);
    switch (part) {
    case DatePart::Year: {
        const std::int32_t year = date.Year();
        std::int32_t typed = 0;
        if (digit)
            typed = year < 1000 ? year * 10 + *digit : *digit;
        else if (key == "\x08" && year > 9)
            typed = year / 10;
        else
            return std::nullopt;
        if (typed == 0)
            return date;
        return InMonth(date, typed, date.Month());
    }
    case DatePart::Month: {
        if (!digit)
            return std::nullopt;
        const std::int32_t month = date.Month();
        const std::int32_t typed = (month == 1 && *digit < 3) ? month * 10 + *digit : *digit;
        if (typed == 0)
            return date;
        return InMonth(date, date.Year(), typed);
    }
    case DatePart::Day:
        break;
    }
    if (!digit)
        return std::nullopt;
    const std::int32_t day = date.Day();
    const std::int32_t days = DaysOfMonth(date.Month(), date.Year());
    const std::int32_t tens = days / 10;
    const std::int32_t units = days % 10;
    const std::int32_t typed = (day < tens || (day == tens && *digit <= units)) ? day * 10 + *digit : *digit;
    if (typed == 0)
        return date;
    fw::Date result = date;
    result.SetDay(typed);
    return result;
}

} // namespace controls
