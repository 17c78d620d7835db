// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "framework/core/date.h"

#include <array>
#include <chrono>
#include <cstdint>

namespace calendar {

// The day grid: six rows of seven cells, Sunday in the first column.
inline constexpr int kCells = 42;

// Which cell of the grid holds which day of the shown month, and which cell
// is today when the shown month is today's.
struct MonthGrid {
    std::chrono::year_month month;
    // Day of the month in each cell; 0 for a cell outside the month.
    std::array<std::uint8_t, kCells> day{};
    // Today's cell, or -1 when another month is shown.
    int todayCell = -1;
};

// Cell of day 1 of a month: its weekday, Sunday 0.
int FirstCell(std::chrono::year_month month);
// Today's cell in the grid of `shown`, or -1 when today lies in another month.
int TodayCell(std::chrono::year_month shown, std::chrono::year_month_day today);
MonthGrid MakeMonthGrid(std::chrono::year_month shown, std::chrono::year_month_day today);

// The civil day of a framework date.
std::chrono::year_month_day CivilDay(const fw::Date& date);

// The month `delta` months from `month`, across year ends, kept within the
// years 1 to 9999 that dates can hold.
std::chrono::year_month PageMonth(std::chrono::year_month month, int delta);

} // namespace calendar
