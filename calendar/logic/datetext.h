// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "framework/core/date.h"

#include <cstdint>
#include <string>
#include <string_view>

// The date text passed between the calendar functions: month, day and year
// joined by "/" ("3/5/07", also "3/05/07" and "3/5/2007"). Only the last two
// characters name the year: 00 to 50 are 2000 to 2050, 51 to 99 1951 to 1999.
namespace Module1 {

// Today as M/D/YY.
std::string hoy();
// A date as M/D/YY.
std::string DateText(const fw::Date& date);
// The date that s names, at the current time of day. Out-of-range parts carry
// into the next or previous month or year.
fw::Date Str2date(std::string_view s);
// The localised name of the month that s names.
std::string mes(std::string_view s);
// The name of month 1 to 12; "" for any other number or when the translated
// table is too short.
std::string mes(std::int32_t month);
// The four-digit year that s names, as text.
std::string year(std::string_view s);
// The number of days of the month that s names.
std::int32_t durames(std::string_view s);
// The weekday of the first day of the month that s names, 1 = Sunday.
std::int32_t primero(std::string_view s);

} // namespace Module1
