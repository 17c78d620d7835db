// SPDX-License-Identifier: GPL-3.0-or-later
#include "framework/gui/listbox.h"

#include "framework/gui/application.h"
#include "framework/gui/gui_p.h"

#include <QHeaderView>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QTableWidget>

#include <algorithm>

namespace fw {

ListBox::ListBox(fw::Window& window) : TextControl(window) {}

QWidget* ListBox::MakeWidget(QWidget* content)
{
    m_table = new QTableWidget(content);
    m_table->verticalHeader()->hide();
    m_table->horizontalHeader()->setStretchLastSection(true);
    m_table->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_table->setSelectionMode(QAbstractItemView::SingleSelection);
    m_table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_table->setShowGrid(false);
    return m_table;
}

void ListBox::WidgetMade()
{
    TextControl::WidgetMade();
    AdoptChild(m_table->viewport());
    m_table->horizontalHeader()->setVisible(m_hasHeading);
    m_table->setColumnCount(m_columns);
    m_table->setRowCount(ListCount());
    for (std::size_t r = 0; r < m_rows.size(); ++r)
        for (std::size_t c = 0; c < m_rows[r].size(); ++c)
            if (c == 0 || !m_rows[r][c].empty())
                m_table->setItem(int(r), int(c), new QTableWidgetItem(detail::ToQString(m_rows[r][c])));
    QObject::connect(m_table, &QTableWidget::itemSelectionChanged, m_table, [this] { IndexMaybeChanged(); });
}

std::span<const PropertyInfo> ListBox::StoredProperties()
{
    static constexpr auto kRows = JoinRows(TextStyleRows(0x20), std::to_array<PropertyInfo>({
        Row<&ListBox::SetColumnCount>(0x28, "ColumnCount"),
        {0x29, "ColumnWidths", PropertyKind::String},
        {0x2a, "Hierarchical", PropertyKind::Boolean},
        {0x2c, "EnableDrag", PropertyKind::Boolean},
        {0x2d, "EnableDragReorder", PropertyKind::Boolean},
        {0x2e, "SelectionType", PropertyKind::Integer},
        Row<&ListBox::SetInitialValue>(0x30, "InitialValue"),
        Row<&ListBox::SetHasHeading>(0x31, "HasHeading"),
        {0x32, "UseFocusRing", PropertyKind::Boolean},
        {0x33, "HeadingIndex", PropertyKind::Integer},
        {0x36, "ScrollBarHorizontal", PropertyKind::Boolean},
        {0x37, "ScrollBarVertical", PropertyKind::Boolean},
        {0x38, "DataSource", PropertyKind::String},
        {0x39, "DataField", PropertyKind::String},
        {0x3a, "GridLinesHorizontal", PropertyKind::Integer},
        {0x3b, "GridLinesVertical", PropertyKind::Integer},
        {0x3c, "DefaultRowHeight", PropertyKind::Integer},
        {0x3f, "ColumnsResizable", PropertyKind::Boolean},
        {0x40, "RequiresSelection", PropertyKind::Boolean},
        {0x41, "AutoHideScrollbars", PropertyKind::Boolean},
        {0x42, "_ScrollWidth", PropertyKind::Integer},
        {0x43, "_ScrollOffset", PropertyKind::Integer},
    }));
    return kRows;
}

void ListBox::SetColumnCount(std::int32_t count)
{
    m_columns = std::max(count, 1);
    for (auto& row : m_rows)
        row.resize(std::size_t(m_columns));
    if (m_table)
        m_table->setColumnCount(m_columns);
}

void ListBox::SetHasHeading(bool on)
{
    m_hasHeading = on;
    if (m_table)
        m_table->horizontalHeader()->setVisible(on);
}

void ListBox::AddRow(std::string_view text)
{
    InsertRow(ListCount(), text);
}

void ListBox::InsertRow(std::int32_t row, std::string_view text)
{
    row = std::clamp(row, 0, ListCount());
    // Kept as the list would show and give it back.
    const QString shown = detail::ToQString(text);
    std::vector<std::string> cells(static_cast<std::size_t>(m_columns));
    cells[0] = shown.toStdString();
    m_rows.insert(m_rows.begin() + row, std::move(cells));
    if (m_table) {
        QSignalBlocker block(m_table);
        m_table->insertRow(row);
        m_table->setItem(row, 0, new QTableWidgetItem(shown));
    }
    m_lastIndex = ListIndex();
}

void ListBox::DeleteAllRows()
{
    m_rows.clear();
    if (m_table) {
        QSignalBlocker block(m_table);
        m_table->setRowCount(0);
    }
    IndexMaybeChanged();
}

std::string ListBox::Cell(std::int32_t row, std::int32_t column) const
{
    if (row < 0 || row >= ListCount() || column < 0 || column >= ColumnCount())
        return {};
    return m_rows[std::size_t(row)][std::size_t(column)];
}

void ListBox::SetCell(std::int32_t row, std::int32_t column, std::string_view text)
{
    if (row < 0 || row >= ListCount() || column < 0 || column >= ColumnCount())
        return;
    const QString shown = detail::ToQString(text);
    m_rows[std::size_t(row)][std::size_t(column)] = shown.toStdString();
    if (!m_table)
        return;
    if (QTableWidgetItem* item = m_table->item(row, column))
        item->setText(shown);
    else
        m_table->setItem(row, column, new QTableWidgetItem(shown));
}

std::int32_t ListBox::ListIndex() const
{
    if (!m_table)
        return -1;
    const QList<QTableWidgetSelectionRange> ranges = m_table->selectedRanges();
    return ranges.isEmpty() ? -1 : static_cast<std::int32_t>(ranges.first().topRow());
}

void ListBox::SetInitialValue(std::string_view rows)
{
    DeleteAllRows();
    QString all = detail::DisplayText(rows);
    if (all.isEmpty())
        return;
    for (const QString& row : all.split(QLatin1Char('\n')))
        AddRow(row.toStdString());
}

void ListBox::IndexMaybeChanged()
{
    const std::int32_t index = ListIndex();
    if (index == m_lastIndex)
        return;
    m_lastIndex = index;
    if (!Quiet())
        Dispatch([this] { Event_Change(); });
}

} // namespace fw
