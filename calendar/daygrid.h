// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "calendar/logic/cycletable.h"
#include "calendar/logic/daypainting.h"
#include "calendar/logic/monthgrid.h"

#include <array>
#include <chrono>
#include <memory>
#include <optional>
#include <vector>

namespace fw {
class Date;
class EditField;
class ListBox;
class Oval;
class Rectangle;
class StaticText;
class Canvas;
class Picture;
class Window;
} // namespace fw

namespace calendar {

// The calendar window's day cells and the controls around them that the grid
// fill and the painting use: it applies what the pure logic decided and
// reads back what the window holds. Every control is found by name once.
class DayGrid {
public:
    // Throws std::logic_error when the window lacks one of the controls.
    explicit DayGrid(fw::Window& window);

    // The grid fill: every cell back to the regular look, the days of
    // `days` numbered in black, its today cell highlighted (the strip and the
    // number in today's colours, bold), the one place that does. Cells
    // outside the month get no number and the colour RGB 0, 0, 1, the
    // painting's mark for them. Each cell gets its final look at once, so
    // that a cell looking as before is not redrawn.
    void Refill(const MonthGrid& days);
    // Whether the hidden month and year fields name the month of `now`.
    bool ShowsMonthOf(const fw::Date& now) const;
    // The shown grid as the cells hold it: a cell is a day of the month when
    // its number is black or in today's colour. No today cell.
    MonthGrid ShownGrid() const;
    Palette ReadPalette() const;
    // The painted cells; today's cell keeps the strip the fill gave it.
    void Apply(const Painting& painting);

    std::vector<CycleDayRecord> ReadTable() const;
    void WriteTable(const std::vector<CycleDayRecord>& table);

private:
    struct Cell {
        fw::StaticText* number = nullptr;
        fw::Rectangle* background = nullptr;
        fw::Rectangle* strip = nullptr;
        fw::Canvas* mark = nullptr;
    };
    static void SetMark(Cell& cell, const std::shared_ptr<fw::Picture>& picture);
    // The shown month from the hidden month and year fields; nothing when
    // they do not name one.
    std::optional<std::chrono::year_month> ShownMonth() const;

    std::array<Cell, kCells> m_cells;
    std::array<fw::Oval*, 9> m_palette{};
    fw::Rectangle* m_todayStrip = nullptr;
    fw::Rectangle* m_todayNumber = nullptr;
    fw::EditField* m_month = nullptr;
    fw::EditField* m_year = nullptr;
    fw::ListBox* m_table = nullptr;
};

} // namespace calendar
