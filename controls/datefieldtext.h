// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "framework/core/date.h"

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

// The text of a date field and its part-by-part editing, without a window:
// the field applies these results to its text and selection.
namespace controls {

// Where the parts of the shown text end: the index of the first "/", the
// index of the second "/" and the length of the whole text.
using DateParts = std::array<std::int32_t, 3>;

enum class DatePart { Year, Month, Day };

struct DateFieldText {
    std::string text;
    DateParts parts{};
};

// "January" .. "December"; "January" for any other number.
std::string Month2STR(std::int32_t month);
// "Sunday" (1) .. "Saturday" (7); "Sunday" for any other number.
std::string Day2STR(std::int32_t dayOfWeek);
// Days of a Gregorian month; 30 for a month outside 1 to 12.
std::int32_t DaysOfMonth(std::int32_t month, std::int32_t year);
// Two digits below 10 ("09"), else the plain digits.
std::string Complete(std::int32_t n);

// year "/" month "/" day: the month as two digits or its English name, the
// day without a leading zero, then with dayName " " and the weekday's name,
// which belongs to the day part.
DateFieldText MakeDateFieldText(const fw::Date& date, bool monthName, bool dayName);

// The part a caret index belongs to: an index just before a "/" belongs to
// the part on its left, one just after it to the part on its right.
DatePart PartAt(std::int32_t caret, const DateParts& parts);

struct TextRange {
    std::int32_t start = 0;
    std::int32_t length = 0;
    friend bool operator==(const TextRange&, const TextRange&) = default;
};
// The characters of a part.
TextRange PartRange(DatePart part, const DateParts& parts);
// The caret index that moves into the part before (Left) or after (Right)
// this one, cyclically.
std::int32_t CaretLeftOf(DatePart part, const DateParts& parts);
std::int32_t CaretRightOf(DatePart part, const DateParts& parts);
// Where a caret goes when the text is rebuilt: it stays in the part it was
// in, at the same index when that part still covers it.
std::int32_t CaretAfterRedraw(std::int32_t caret, const DateParts& before, const DateParts& after);

// The date with one part moved by delta. The day carries into the month and
// year; a month or year step keeps the day within the target month (31
// January + 1 month is the end of February). A step that would leave the
// years 1 to 9999 gives the date unchanged. The time of day is kept.
fw::Date StepDatePart(const fw::Date& date, DatePart part, std::int32_t delta);

// A key typed into a part ("0".."9", or "\x08" Backspace for the year).
// Nothing when the part does not take the key; otherwise the new date, which
// is the same date when the key would make the year, month or day 0.
std::optional<fw::Date> TypeDateKey(const fw::Date& date, DatePart part, std::string_view key);

} // namespace controls
