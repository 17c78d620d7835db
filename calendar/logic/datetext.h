// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "framework/core/date.h"

#include <cstdint>
#include <string>

// The date text that the calendar keeps beside its dates: month, day and the
// year's last two digits joined by "/" ("3/5/07").
namespace Module1 {

// A date as M/D/YY.
std::string DateText(const fw::Date& date);
// The localised name of month 1 to 12; "" for any other number or when the
// translated table is too short.
std::string mes(std::int32_t month);

} // namespace Module1
