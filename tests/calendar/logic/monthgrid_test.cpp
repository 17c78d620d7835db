// SPDX-License-Identifier: GPL-3.0-or-later
#include "calendar/logic/monthgrid.h"

#include <gtest/gtest.h>

using namespace std::chrono;
using calendar::MakeMonthGrid;

// Every month of 1900-2100: each day in the column of its weekday, in order
// from the first row, nothing else numbered.
TEST(MonthGrid, EveryMonthAgainstTheCivilCalendar)
{
    for (int y = 1900; y <= 2100; ++y)
        for (unsigned m = 1; m <= 12; ++m) {
            const year_month ym = year(y) / month(m);
            const auto grid = MakeMonthGrid(ym, 1800y / 1 / 1);
            unsigned expectedDay = 1;
            int first = -1;
            for (int k = 0; k < calendar::kCells; ++k) {
                const unsigned d = grid.day[std::size_t(k)];
                if (d == 0)
                    continue;
                if (first < 0)
                    first = k;
                ASSERT_EQ(d, expectedDay++) << y << "-" << m;
                ASSERT_EQ(weekday(sys_days(ym / day(d))).c_encoding(), unsigned(k % 7)) << y << "-" << m << "-" << d;
            }
            ASSERT_LT(first, 7);
            ASSERT_EQ(expectedDay - 1, unsigned((ym / last).day())) << y << "-" << m;
            ASSERT_EQ(grid.todayCell, -1);
        }
}

TEST(MonthGrid, Paging)
{
    using calendar::PageMonth;
    EXPECT_EQ(PageMonth(2007y / December, 1), 2008y / January);
    EXPECT_EQ(PageMonth(2008y / January, -1), 2007y / December);
    EXPECT_EQ(PageMonth(2007y / March, 13), 2008y / April);
    EXPECT_EQ(PageMonth(9999y / December, 1), 9999y / December);
    EXPECT_EQ(PageMonth(1y / January, -1), 1y / January);
}
