// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace calendar {

// Arrow limits of the two number fields, also what Calculate accepts.
inline constexpr int kShortestCycle = 15;
inline constexpr int kLongestCycle = 40;
inline constexpr int kShortestLuteal = 8;
inline constexpr int kLongestLuteal = 20;

// The five settings of one average cycle, in days.
struct CycleSettings {
    int cycle = 28;        // C
    int luteal = 14;       // L
    int menses = 5;        // M
    int fertileBefore = 5; // A
    int fertileAfter = 2;  // P

    // The cycle day that carries ovulation, C - L + 1.
    int OvulationDay() const { return cycle - luteal + 1; }
    // What the window keeps as the ovulation reference, one more than that day.
    int OvulationReference() const { return cycle - luteal + 2; }
};

// Column 0 is the phase (" ", "m", "f", "o"); columns 1 to 4 the marks for
// the goals avoid ("x"), girl ("g"/"x"), boy ("b"/"x") and conceive ("s").
using CycleDayRecord = std::array<std::string, 5>;

inline constexpr int kPhaseColumn = 0;
inline constexpr int kAvoidColumn = 1;
inline constexpr int kGirlColumn = 2;
inline constexpr int kBoyColumn = 3;
inline constexpr int kConceiveColumn = 4;

// Records 0 to C + 1; record d is cycle day d, the first and last are blank.
// The phases are clipped to the cycle where menses, fertile days and luteal
// phase do not fit in it: ovulation wins over a fertile day and a fertile day
// over menses, so that record d stays cycle day d. Needs C of at least 1.
std::vector<CycleDayRecord> BuildCycleTable(const CycleSettings& settings);

// The whole number that `text` holds when it lies within lo..hi: decimal
// digits only, blanks around them allowed; nothing otherwise.
std::optional<int> WholeNumberWithin(std::string_view text, int lo, int hi);

// Why Calculate refuses the typed lengths, if it does.
enum class LengthsProblem { None, Cycle, Luteal, LutealNotShorter };
LengthsProblem CheckLengths(std::optional<int> cycle, std::optional<int> luteal);

// What an arrow button writes into a number field: the field's number one
// step toward `up` ? hi : lo, or nothing when it already stands at or past
// that limit. A text that is no finite number counts as 0, like an empty one.
std::optional<std::string> StepNumber(std::string_view text, bool up, int lo, int hi);

} // namespace calendar
