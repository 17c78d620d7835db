// SPDX-License-Identifier: GPL-3.0-or-later
#include "calendar/logic/monthgrid.h"

#include <gtest/gtest.h>

// The months of the grid's edge cases: day 1 in cell first - 1, the days in
// order up to the last, every other cell empty.
TEST(MonthGrid, NumberDays)
{
    struct Row { const char* name; std::int32_t first, length; int firstCell, lastCell; };
    const Row rows[] = {
        {"March 2007, a Thursday", 5, 31, 4, 34},       {"April 2007, a Sunday", 1, 30, 0, 29},
        {"September 2007, a Saturday", 7, 30, 6, 35},   {"December 2007, the last cell used", 7, 31, 6, 36},
        {"February 2009, four rows", 1, 28, 0, 27},     {"February 2008, leap year", 6, 29, 5, 33},
    };
    for (const Row& row : rows) {
        const calendar::MonthGrid grid = calendar::NumberDays(row.first, row.length);
        for (int k = 0; k < calendar::kCells; ++k) {
            const bool inMonth = k >= row.firstCell && k <= row.lastCell;
            EXPECT_EQ(grid.day[std::size_t(k)], inMonth ? k - row.firstCell + 1 : 0) << row.name << " cell " << k;
        }
        EXPECT_EQ(grid.todayCell, -1) << row.name;
    }
}
