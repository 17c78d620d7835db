// SPDX-License-Identifier: GPL-3.0-or-later
#include "calendar/logic/daypainting.h"
#include "framework/core/date.h"
#include "framework/core/text.h"
#include "support/testenv.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>

using namespace std::chrono;
using namespace calendar;

namespace {

const Palette kPalette{fw::Color::FromRGB(0xFFEEE6), fw::Color::FromRGB(0xFEEDE6), fw::Color::FromRGB(0xFF6F7D),
                       fw::Color::FromRGB(0xD6FF00), fw::Color::FromRGB(0x9BDC5F), fw::Color::FromRGB(0xC68BA1),
                       fw::Color::FromRGB(0xFCFF81)};

// The start as the window keeps it: the entered date's seconds less a day,
// through the text of the hidden field.
std::optional<sys_days> startOf(const fw::Date& entered)
{
    return EnteredDay(fw::Val(fw::Str(CycleStartSeconds(entered.TotalSeconds()))));
}

// A month laid out as the grid shows it: day 1 in the column of its
// weekday, Sunday first.
MonthGrid gridOf(year_month month)
{
    MonthGrid grid;
    grid.month = month;
    const int first = int(weekday(sys_days(month / 1)).c_encoding());
    for (unsigned d = 1; d <= unsigned((month / last).day()); ++d)
        grid.day[std::size_t(first) + d - 1] = std::uint8_t(d);
    return grid;
}

// One character per day of the month: '.' regular, 'm', 'f', 'o'; and the
// marks: '.' none, 'H' heart, 'X' forbid, 'M' male, 'F' female.
struct Shown {
    std::string phases;
    std::string marks;
};

Shown paint(year_month month, const fw::Date& entered, Goal goal, const std::vector<CycleDayRecord>& table)
{
    const auto grid = gridOf(month);
    const Painting p = PaintMonth({grid, &table, startOf(entered), goal}, kPalette);
    Shown out;
    if (!p.cells)
        return out;
    for (int k = 0; k < kCells; ++k) {
        const CellLook& c = (*p.cells)[std::size_t(k)];
        if (grid.day[std::size_t(k)] == 0) {
            EXPECT_EQ(c.background, kPalette.regularBackground);
            EXPECT_EQ(c.mark, DayMark::None);
            continue;
        }
        out.phases += c.background == kPalette.menses      ? 'm'
                      : c.background == kPalette.fertile   ? 'f'
                      : c.background == kPalette.ovulation ? 'o'
                                                           : '.';
        EXPECT_EQ(c.strip, out.phases.back() == '.' ? kPalette.regularStrip : c.background);
        const char marks[] = ".HFMX";
        out.marks += marks[int(c.mark)];
    }
    return out;
}

} // namespace

// Entered 5 March 2007 with the default settings.
TEST(DayPainting, PaintedMonths)
{
    const auto table = BuildCycleTable({});
    struct Row {
        year_month month;
        const char* phases;
    };
    const Row rows[] = {
        {2007y / March, "....mmmmm....fffffoff.........."},
        {2007y / April, ".mmmmm....fffffoff...........m"},
        {2007y / December, ".........mmmmm....fffffoff....."},
        {2008y / January, "......mmmmm....fffffoff........"},
        {2008y / February, "...mmmmm....fffffoff........."},
        {2007y / February, "............................"},
    };
    for (const char* zone : {"UTC", "America/New_York", "Europe/Berlin"}) {
        const testenv::ScopedTimeZone tz(zone);
        for (const fw::Date& entered : {fw::Date(2007, 3, 5, 10, 30, 0), fw::Date(2007, 3, 5, 0, 0, 0)})
            for (const Row& row : rows) {
                SCOPED_TRACE(testing::Message() << zone << " " << entered.SQLDateTime() << " "
                                                << int(row.month.year()) << "-" << unsigned(row.month.month()));
                EXPECT_EQ(paint(row.month, entered, Goal::None, table).phases, row.phases);
            }
    }

    struct Marks {
        year_month month;
        Goal goal;
        const char* marks;
    };
    const Marks marks[] = {
        {2007y / March, Goal::Conceive, ".............HHHHHHHH.........."},
        {2007y / March, Goal::Avoid, "...........XXXXXXXXXXXX........"},
        {2007y / March, Goal::Boy, ".........XXXXXXXXXMMX.........."},
        {2007y / March, Goal::Girl, ".............FFXXXXXX.........."},
        {2007y / April, Goal::Conceive, "..........HHHHHHHH............"},
        {2007y / April, Goal::Avoid, "........XXXXXXXXXXXX.........."},
        {2007y / April, Goal::Boy, "......XXXXXXXXXMMX............"},
        {2007y / April, Goal::Girl, "..........FFXXXXXX............"},
        {2007y / April, Goal::None, ".............................."},
    };
    for (const Marks& row : marks)
        EXPECT_EQ(paint(row.month, fw::Date(2007, 3, 5, 10, 30, 0), row.goal, table).marks, row.marks)
            << unsigned(row.month.month()) << " " << int(row.goal);
}

TEST(DayPainting, MissingRowsAndFields)
{
    const auto table = BuildCycleTable({});
    const std::vector<CycleDayRecord> empty;
    const fw::Date entered(2007, 3, 5, 10, 30, 0);
    // No table yet: the cells are left as they are.
    EXPECT_FALSE(PaintMonth({gridOf(2007y / March), &empty, startOf(entered), Goal::Conceive}, kPalette).cells);
    // No start yet: only the reset.
    EXPECT_EQ(PaintMonth({gridOf(2007y / March), &table, std::nullopt, Goal::None}, kPalette).cells->at(10).background,
              kPalette.regularBackground);
    // A table of 35 days repeats every 35 days: 9 April is cycle day 1 again.
    const Shown longer = paint(2007y / April, entered, Goal::Conceive, BuildCycleTable({35, 14, 5, 5, 2}));
    EXPECT_EQ(longer.phases, "........mmmmm...........fffffo");
    EXPECT_EQ(longer.marks, "........................HHHHHH");
    // Far later the rhythm holds: 5 March 2107 is 36524 days on, cycle day 13.
    EXPECT_EQ(paint(2107y / March, entered, Goal::None, table).phases.substr(4, 3), "ffo");
    EXPECT_FALSE(EnteredDay(std::nan("")));
    EXPECT_FALSE(EnteredDay(1e300));
}
