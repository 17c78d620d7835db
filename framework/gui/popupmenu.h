// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "framework/gui/textcontrol.h"

#include <string>
#include <vector>

class QComboBox;

namespace fw {

// A pop-up menu of text rows, counted from 0. ListIndex -1: no row chosen.
// Change follows every change of ListIndex, by the user or by code.
class PopupMenu : public TextControl {
public:
    explicit PopupMenu(fw::Window& window);
    std::string_view ClassName() const override { return "PopupMenu"; }
    static std::span<const PropertyInfo> StoredProperties();

    void AddRow(std::string_view text);
    void InsertRow(std::int32_t row, std::string_view text);
    void DeleteAllRows();
    std::int32_t ListCount() const { return static_cast<std::int32_t>(m_rows.size()); }
    // The text of a row; empty for a row that does not exist.
    std::string List(std::int32_t row) const;

    std::int32_t ListIndex() const { return m_index; }
    // Out of range: no row chosen.
    void SetListIndex(std::int32_t row);
    // The chosen row's text.
    std::string Text() const;

    // The design rows, one per line (carriage return or line feed); setting
    // it replaces the rows.
    const std::string& InitialValue() const { return m_initialValue; }
    void SetInitialValue(std::string_view rows);

    Event<void()> Change;

protected:
    void Event_Change() { Change.Raise(); }
    bool MakesWidgetWhenShown() const override { return true; }
    QWidget* MakeWidget(QWidget* content) override;
    void WidgetMade() override;

private:
    // Chooses a row (-1: none), raising Change when it differs.
    void Choose(std::int32_t row);
    // Shows the rows and the chosen one in the widget, if there is one.
    void Mirror();

    QComboBox* m_combo = nullptr;
    std::vector<std::string> m_rows;
    std::int32_t m_index = -1;
    std::string m_initialValue;
};

} // namespace fw
