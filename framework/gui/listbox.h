// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "framework/gui/textcontrol.h"

#include <string>
#include <vector>

class QTableWidget;

namespace fw {

// A list of rows of text cells, rows and columns counted from 0.
// ListIndex -1: no row selected. Change follows every change of ListIndex.
// The rows live here; the list's widget is made when it first shows, so a
// list kept out of sight never has one.
class ListBox : public TextControl {
public:
    explicit ListBox(fw::Window& window);
    std::string_view ClassName() const override { return "Listbox"; }
    static std::span<const PropertyInfo> StoredProperties();

    std::int32_t ColumnCount() const { return m_columns; }
    void SetColumnCount(std::int32_t count);
    bool HasHeading() const { return m_hasHeading; }
    void SetHasHeading(bool on);

    // Appends a row whose column 0 holds the text and the others are empty.
    void AddRow(std::string_view text);
    void InsertRow(std::int32_t row, std::string_view text);
    void DeleteAllRows();
    std::int32_t ListCount() const { return static_cast<std::int32_t>(m_rows.size()); }
    // Empty for a cell outside the list; setting one there does nothing.
    std::string Cell(std::int32_t row, std::int32_t column) const;
    void SetCell(std::int32_t row, std::int32_t column, std::string_view text);
    // The text of column 0.
    std::string List(std::int32_t row) const { return Cell(row, 0); }

    std::int32_t ListIndex() const;

    // The design rows, one per line; setting it replaces the rows.
    void SetInitialValue(std::string_view rows);

    Event<void()> Change;

protected:
    void Event_Change() { Change.Raise(); }
    bool MakesWidgetWhenShown() const override { return true; }
    QWidget* MakeWidget(QWidget* content) override;
    void WidgetMade() override;

private:
    void IndexMaybeChanged();

    QTableWidget* m_table = nullptr;
    std::vector<std::vector<std::string>> m_rows;
    std::int32_t m_columns = 1;
    bool m_hasHeading = false;
    std::int32_t m_lastIndex = -1;
};

} // namespace fw
