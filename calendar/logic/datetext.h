// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "framework/core/date.h"

#include <cstdint>
#include <string>
#include <string_view>

// The date text that the calendar hands its dates around in: month, day and
// year joined by "/" with no blanks ("3/5/07", "3/01/07", "3/5/2007"). Its
// numbers are read with Val, so a leading zero reads as nothing. Two year
// digits name 1951 to 2050 (51 to 99 the 1900s, 00 to 50 the 2000s); a longer
// year field names that very year, so that every year a date holds can be
// written.
namespace Module1 {

// Today as M/D/YY.
std::string hoy();
// A new date on the day s names, at the current time of day.
fw::Date Str2date(std::string_view s);
// The localised name of the month of s.
std::string mes(std::string_view s);
// The full year of s ("2007").
std::string year(std::string_view s);
// The weekday of the first of the month of s: 1 Sunday to 7 Saturday, so
// day 1 lies in grid cell primero(s) - 1.
std::int32_t primero(std::string_view s);

// The two characters of the month-length table for the month of s ("31";
// February "29" in a leap year).
std::string MonthLengthField(std::string_view s);
// A date as M/D/YY; a year outside the two-digit window keeps all its digits.
std::string DateText(const fw::Date& date);
// A year as the four-digit year field ("2007", "0005").
std::string FourDigitYear(std::int32_t year);

} // namespace Module1
