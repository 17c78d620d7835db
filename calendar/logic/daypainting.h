// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "calendar/logic/cycletable.h"
#include "calendar/logic/monthgrid.h"
#include "framework/core/color.h"

#include <array>
#include <chrono>
#include <optional>
#include <string_view>
#include <vector>

namespace calendar {

enum class Goal { None, Avoid, Conceive, Boy, Girl };
enum class DayMark { None, Heart, Female, Male, Forbid };

// The colours the grid is painted with, as the window's palette holds them.
struct Palette {
    fw::Color regularBackground; // ovalo(0)
    fw::Color regularStrip;      // ovalo(8)
    fw::Color menses;            // ovalo(1)
    fw::Color fertile;           // ovalo(6)
    fw::Color ovulation;         // ovalo(2)
    fw::Color todayStrip;        // Rectangle2
    fw::Color todayNumber;       // Rectangle4
};

struct CellLook {
    fw::Color background;
    fw::Color strip;
    DayMark mark = DayMark::None;
};

// What the painting does to the grid: the cells are repainted only when a
// cycle table exists. Today's highlight is the month grid fill's.
struct Painting {
    std::optional<std::array<CellLook, kCells>> cells;
};

struct PaintInput {
    MonthGrid grid;
    // The cycle table as built last; may be empty (no Calculate yet).
    const std::vector<CycleDayRecord>* table = nullptr;
    // The entered day, cycle day 1; nothing before the first Calculate.
    std::optional<std::chrono::sys_days> start;
    Goal goal = Goal::None;
};

// Days on or after the start take the colour of their cycle day's phase and
// the selected goal's mark. The days repeat with the cycle length the table
// was built with (its records 0 to C + 1), so that a length typed since
// counts only from the next Calculate.
Painting PaintMonth(const PaintInput& input, const Palette& palette);

// The mark of the goal for one record.
DayMark MarkFor(const CycleDayRecord& record, Goal goal);

// The instant kept as the start of the cycle: one day before the entered
// date, at its time of day, in the framework's seconds.
double CycleStartSeconds(double enteredSeconds);
// The entered day back from that instant: civil, so an entry at midnight is
// still its own day. Nothing for a value that names no date.
std::optional<std::chrono::sys_days> EnteredDay(double startSeconds);

} // namespace calendar
