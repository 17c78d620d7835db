// SPDX-License-Identifier: GPL-3.0-or-later
#include "calendar/logic/monthgrid.h"

namespace calendar {

using namespace std::chrono;

int FirstCell(year_month month)
{
    return int(weekday(sys_days(month / 1)).c_encoding());
}

int TodayCell(year_month shown, year_month_day today)
{
    if (today.year() / today.month() != shown)
        return -1;
    return FirstCell(shown) + int(unsigned(today.day())) - 1;
}

MonthGrid MakeMonthGrid(year_month shown, year_month_day today)
{
    MonthGrid grid;
    grid.month = shown;
    const int first = FirstCell(shown);
    const int days = int(unsigned((shown / last).day()));
    for (int d = 1; d <= days; ++d)
        grid.day[std::size_t(first + d - 1)] = std::uint8_t(d);
    grid.todayCell = TodayCell(shown, today);
    return grid;
}

year_month_day CivilDay(const fw::Date& date)
{
    return year(date.Year()) / std::chrono::month(unsigned(date.Month())) / day(unsigned(date.Day()));
}

year_month PageMonth(year_month month, int delta)
{
    const int index = int(month.year()) * 12 + int(unsigned(month.month())) - 1 + delta;
    constexpr int lowest = 1 * 12;
    constexpr int highest = 9999 * 12 + 11;
    const int clamped = index < lowest ? lowest : index > highest ? highest : index;
    return year(clamped / 12) / std::chrono::month(unsigned(clamped % 12 + 1));
}

} // namespace calendar
