// SPDX-License-Identifier: GPL-3.0-or-later
#include "calendar/logic/daypainting.h"

#include <cmath>

namespace calendar {

using namespace std::chrono;

namespace {

constexpr double kDay = 86400;
// The framework counts its seconds from 1904-01-01 00:00:00.
constexpr sys_days kEpoch = sys_days(year(1904) / January / 1);

} // namespace

DayMark MarkFor(const CycleDayRecord& record, Goal goal)
{
    switch (goal) {
    case Goal::Conceive:
        return record[kConceiveColumn] == "s" ? DayMark::Heart : DayMark::None;
    case Goal::Avoid:
        return record[kAvoidColumn] == "x" ? DayMark::Forbid : DayMark::None;
    case Goal::Boy:
        return record[kBoyColumn] == "b"   ? DayMark::Male
               : record[kBoyColumn] == "x" ? DayMark::Forbid
                                           : DayMark::None;
    case Goal::Girl:
        return record[kGirlColumn] == "g"   ? DayMark::Female
               : record[kGirlColumn] == "x" ? DayMark::Forbid
                                            : DayMark::None;
    case Goal::None:
        break;
    }
    return DayMark::None;
}

Painting PaintMonth(const PaintInput& in, const Palette& palette)
{
    Painting painting;
    if (!in.table || in.table->empty())
        return painting;

    std::array<CellLook, kCells> cells;
    cells.fill({palette.regularBackground, palette.regularStrip, DayMark::None});
    const auto& table = *in.table;
    if (in.start && table.size() >= 3) {
        const std::int64_t C = std::int64_t(table.size()) - 2;
        for (int k = 0; k < kCells; ++k) {
            const unsigned d = in.grid.day[std::size_t(k)];
            if (d == 0)
                continue;
            const std::int64_t n = (sys_days(in.grid.month / day(d)) - *in.start).count();
            if (n < 0)
                continue;
            const CycleDayRecord& record = table[std::size_t(n % C + 1)];
            CellLook& cell = cells[std::size_t(k)];
            const std::string& phase = record[kPhaseColumn];
            if (phase == "m")
                cell.background = cell.strip = palette.menses;
            else if (phase == "f")
                cell.background = cell.strip = palette.fertile;
            else if (phase == "o")
                cell.background = cell.strip = palette.ovulation;
            cell.mark = MarkFor(record, in.goal);
        }
    }
    painting.cells = cells;
    return painting;
}

double CycleStartSeconds(double enteredSeconds)
{
    return enteredSeconds - kDay;
}

std::optional<sys_days> EnteredDay(double startSeconds)
{
    // Years 1 to 9999 lie well within these bounds.
    if (!std::isfinite(startSeconds) || std::fabs(startSeconds) > 4e11)
        return std::nullopt;
    const auto days = std::int64_t(std::floor(startSeconds / kDay)) + 1;
    return kEpoch + std::chrono::days(days);
}

} // namespace calendar
