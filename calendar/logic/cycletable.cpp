// SPDX-License-Identifier: GPL-3.0-or-later
#include "calendar/logic/cycletable.h"

#include "framework/core/text.h"

#include <cmath>

namespace calendar {

namespace {

bool within(int d, int from, int to) { return from <= d && d <= to; }

} // namespace

std::vector<CycleDayRecord> BuildCycleTable(const CycleSettings& s)
{
    const int C = s.cycle < 0 ? 0 : s.cycle;
    const int M = s.menses, A = s.fertileBefore, P = s.fertileAfter;
    const int D = s.OvulationDay();

    std::vector<CycleDayRecord> table(std::size_t(C) + 2, CycleDayRecord{" ", "", "", "", ""});
    for (int d = 1; d <= C; ++d) {
        CycleDayRecord& r = table[std::size_t(d)];
        if (d == D)
            r[kPhaseColumn] = "o";
        else if (within(d, D - A, D - 1) || within(d, D + 1, D + P))
            r[kPhaseColumn] = "f";
        else if (d <= M)
            r[kPhaseColumn] = "m";

        if (within(d, D - A - 2, D + P + 2))
            r[kAvoidColumn] = "x";
        if (within(d, D - A, D - A + 1))
            r[kGirlColumn] = "g";
        else if (within(d, D - A + 2, D + 2))
            r[kGirlColumn] = "x";
        if (within(d, D, D + 1))
            r[kBoyColumn] = "b";
        else if (within(d, M + 1, D - 1) || d == D + 2)
            r[kBoyColumn] = "x";
        if (within(d, D - A, D + P))
            r[kConceiveColumn] = "s";
    }
    return table;
}

std::optional<int> WholeNumberWithin(std::string_view text, int lo, int hi)
{
    const std::string trimmed = fw::Trim(text);
    // Nine digits cannot overflow an int; longer texts are out of any range here.
    if (trimmed.empty() || trimmed.size() > 9)
        return std::nullopt;
    int value = 0;
    for (const char c : trimmed) {
        if (c < '0' || c > '9')
            return std::nullopt;
        value = value * 10 + (c - '0');
    }
    if (value < lo || value > hi)
        return std::nullopt;
    return value;
}

LengthsProblem CheckLengths(std::optional<int> cycle, std::optional<int> luteal)
{
    if (!cycle)
        return LengthsProblem::Cycle;
    if (!luteal)
        return LengthsProblem::Luteal;
    if (*luteal >= *cycle)
        return LengthsProblem::LutealNotShorter;
    return LengthsProblem::None;
}

std::optional<std::string> StepNumber(std::string_view text, bool up, int lo, int hi)
{
    double value = fw::Val(text);
    if (!std::isfinite(value))
        value = 0;
    if (up ? value < hi : lo < value)
        return fw::Str(up ? value + 1 : value - 1);
    return std::nullopt;
}

} // namespace calendar
