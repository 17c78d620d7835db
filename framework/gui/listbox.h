// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "framework/gui/textcontrol.h"

class QTableWidget;

namespace fw {

// A list of rows of text cells, rows and columns counted from 0.
// ListIndex -1: no row selected. Change follows every change of ListIndex.
class ListBox : public TextControl {
public:
    explicit ListBox(fw::Window& window);
    std::string_view ClassName() const override { return "Listbox"; }
    static std::span<const PropertyInfo> StoredProperties();

    std::int32_t ColumnCount() const;
    void SetColumnCount(std::int32_t count);
    bool HasHeading() const { return m_hasHeading; }
    void SetHasHeading(bool on);

    // Appends a row whose column 0 holds the text and the others are empty.
    void AddRow(std::string_view text);
    void InsertRow(std::int32_t row, std::string_view text);
    void DeleteAllRows();
    std::int32_t ListCount() const;
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

private:
    void IndexMaybeChanged();

    QTableWidget* m_table;
    bool m_hasHeading = false;
    std::int32_t m_lastIndex = -1;
};

} // namespace fw
