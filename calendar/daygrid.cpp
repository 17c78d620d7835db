// SPDX-License-Identifier: GPL-3.0-or-later
#include "calendar/daygrid.h"

#include "resources/pictureresources.h"
#include "framework/core/date.h"
#include "framework/core/text.h"
#include "framework/gui/canvas.h"
#include "framework/gui/editfield.h"
#include "framework/gui/listbox.h"
#include "framework/gui/shapes.h"
#include "framework/gui/statictext.h"
#include "framework/gui/window.h"

#include <stdexcept>
#include <string>
#include <type_traits>

namespace calendar {

using namespace std::chrono;

namespace {

constexpr fw::Color kInMonth{0, 0, 0};
constexpr fw::Color kOutsideMonth{0, 0, 1};

template <class T>
T* need(fw::Window& window, std::string_view name)
{
    T* control = window.Find<T>(name);
    if (!control)
        throw std::logic_error("calendar window lacks " + std::string(name));
    return control;
}

fw::PicturePtr pictureOf(DayMark mark)
{
    switch (mark) {
    case DayMark::Heart:
        return heart();
    case DayMark::Female:
        return female();
    case DayMark::Male:
        return male();
    case DayMark::Forbid:
        return forbid();
    case DayMark::None:
        break;
    }
    return nullptr;
}

} // namespace

DayGrid::DayGrid(fw::Window& window)
{
    // The cells' controls and the palette in one pass over the window: found
    // by name and index one by one, each 42-strong array is searched 42 times.
    const auto take = [](auto*& slot, fw::Control* c) {
        if (!slot)
            slot = dynamic_cast<std::remove_reference_t<decltype(slot)>>(c);
    };
    for (std::size_t i = 0; i < window.ControlCount(); ++i) {
        fw::Control* c = window.ControlAt(i);
        const std::int32_t k = c->Index();
        if (k < 0 || k >= kCells)
            continue;
        Cell& cell = m_cells[std::size_t(k)];
        const std::string& name = c->Name();
        if (name == "std")
            take(cell.number, c);
        else if (name == "bg")
            take(cell.background, c);
        else if (name == "recfondofecha")
            take(cell.strip, c);
        else if (name == "Cansex")
            take(cell.mark, c);
        else if (name == "ovalo" && std::size_t(k) < m_palette.size())
            take(m_palette[std::size_t(k)], c);
    }
    const auto check = [](const void* found, std::string_view name, int k) {
        if (!found)
            throw std::logic_error("calendar window lacks " + std::string(name) + "(" + std::to_string(k) + ")");
    };
    for (int k = 0; k < kCells; ++k) {
        const Cell& cell = m_cells[std::size_t(k)];
        check(cell.number, "std", k);
        check(cell.background, "bg", k);
        check(cell.strip, "recfondofecha", k);
        check(cell.mark, "Cansex", k);
    }
    for (int k = 0; k < int(m_palette.size()); ++k)
        check(m_palette[std::size_t(k)], "ovalo", k);
    m_todayStrip = need<fw::Rectangle>(window, "Rectangle2");
    m_todayNumber = need<fw::Rectangle>(window, "Rectangle4");
    m_month = need<fw::EditField>(window, "mes");
    m_year = need<fw::EditField>(window, "ano");
    m_table = need<fw::ListBox>(window, "ListBox1");
}

Palette DayGrid::ReadPalette() const
{
    return {m_palette[0]->FillColor(), m_palette[8]->FillColor(), m_palette[1]->FillColor(),
            m_palette[6]->FillColor(), m_palette[2]->FillColor(), m_todayStrip->FillColor(),
            m_todayNumber->FillColor()};
}

void DayGrid::Refill(const MonthGrid& days)
{
    const Palette palette = ReadPalette();
    for (int k = 0; k < kCells; ++k) {
        Cell& cell = m_cells[std::size_t(k)];
        const unsigned d = days.day[std::size_t(k)];
        const bool today = k == days.todayCell;
        cell.number->SetText(d ? fw::Str(std::int32_t(d)) : std::string());
        cell.number->SetEnabled(true);
        cell.number->SetTextColor(today ? palette.todayNumber : d ? kInMonth : kOutsideMonth);
        cell.number->SetBold(today);
        cell.background->SetFillColor(palette.regularBackground);
        cell.background->SetBorderWidth(0);
        cell.strip->SetFillColor(today ? palette.todayStrip : palette.regularStrip);
        SetMark(cell, nullptr);
    }
}

bool DayGrid::ShowsMonthOf(const fw::Date& now) const
{
    return fw::Val(m_year->Text()) == now.Year() && fw::Val(m_month->Text()) == now.Month();
}

std::optional<year_month> DayGrid::ShownMonth() const
{
    const std::int32_t m = fw::ToInt32(fw::Val(m_month->Text()));
    const std::int32_t y = fw::ToInt32(fw::Val(m_year->Text()));
    if (m < 1 || m > 12 || y < 1 || y > 9999)
        return std::nullopt;
    return year(y) / std::chrono::month(unsigned(m));
}

MonthGrid DayGrid::ShownGrid() const
{
    MonthGrid grid;
    const auto shown = ShownMonth();
    if (!shown)
        return grid;
    grid.month = *shown;
    const fw::Color todayColour = m_todayNumber->FillColor();
    const unsigned length = unsigned((*shown / last).day());
    for (int k = 0; k < kCells; ++k) {
        const fw::StaticText* number = m_cells[std::size_t(k)].number;
        if (number->TextColor() != kInMonth && number->TextColor() != todayColour)
            continue;
        const std::int32_t d = fw::ToInt32(fw::Val(number->Text()));
        if (d >= 1 && unsigned(d) <= length)
            grid.day[std::size_t(k)] = std::uint8_t(d);
    }
    return grid;
}

void DayGrid::Apply(const Painting& painting)
{
    if (!painting.cells)
        return;
    const fw::Color todayColour = m_todayNumber->FillColor();
    for (int k = 0; k < kCells; ++k) {
        const CellLook& look = (*painting.cells)[std::size_t(k)];
        Cell& cell = m_cells[std::size_t(k)];
        SetMark(cell, pictureOf(look.mark));
        cell.background->SetFillColor(look.background);
        cell.background->SetBorderWidth(0);
        // Today's cell is the one whose number the fill gave today's colour.
        if (cell.number->TextColor() != todayColour)
            cell.strip->SetFillColor(look.strip);
    }
}

void DayGrid::SetMark(Cell& cell, const fw::PicturePtr& picture)
{
    // A canvas repaints on every backdrop set; most cells keep theirs.
    if (cell.mark->Backdrop() != picture)
        cell.mark->SetBackdrop(picture);
}

std::vector<CycleDayRecord> DayGrid::ReadTable() const
{
    std::vector<CycleDayRecord> table(std::size_t(m_table->ListCount()));
    for (std::size_t r = 0; r < table.size(); ++r)
        for (int c = 0; c < 5; ++c)
            table[r][std::size_t(c)] = m_table->Cell(std::int32_t(r), c);
    return table;
}

void DayGrid::WriteTable(const std::vector<CycleDayRecord>& table)
{
    m_table->DeleteAllRows();
    for (std::size_t r = 0; r < table.size(); ++r) {
        m_table->AddRow(table[r][0]);
        for (int c = 1; c < 5; ++c)
            if (!table[r][std::size_t(c)].empty())
                m_table->SetCell(std::int32_t(r), c, table[r][std::size_t(c)]);
    }
}

} // namespace calendar
