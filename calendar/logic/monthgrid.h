// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

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

// The days of a month numbered from the cell of its first: first is the
// weekday of day 1 (1 Sunday to 7 Saturday), so day 1 lies in cell first - 1
// and day `length` in cell first + length - 2 (at most cell 36). No today
// cell.
MonthGrid NumberDays(std::int32_t first, std::int32_t length);

} // namespace calendar
