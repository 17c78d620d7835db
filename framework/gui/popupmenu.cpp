// SPDX-License-Identifier: GPL-3.0-or-later
#include "framework/gui/popupmenu.h"

#include "framework/gui/application.h"
#include "framework/gui/gui_p.h"

#include <QComboBox>
#include <QSignalBlocker>

#include <algorithm>

namespace fw {

PopupMenu::PopupMenu(fw::Window& window) : TextControl(window) {}

QWidget* PopupMenu::MakeWidget(QWidget* content)
{
    m_combo = new QComboBox(content);
    QObject::connect(m_combo, &QComboBox::currentIndexChanged, m_combo, [this](int row) { Choose(row); });
    return m_combo;
}

void PopupMenu::WidgetMade()
{
    TextControl::WidgetMade();
    Mirror();
}

std::span<const PropertyInfo> PopupMenu::StoredProperties()
{
    static constexpr auto kRows = JoinRows(TextStyleRows(0x20), std::to_array<PropertyInfo>({
        Row<&PopupMenu::SetListIndex>(0x26, "ListIndex"),
        Row<&PopupMenu::SetInitialValue>(0x28, "InitialValue"),
        {0x29, "DataSource", PropertyKind::String},
        {0x2a, "DataField", PropertyKind::String},
    }));
    return kRows;
}

void PopupMenu::AddRow(std::string_view text)
{
    InsertRow(ListCount(), text);
}

void PopupMenu::InsertRow(std::int32_t row, std::string_view text)
{
    row = std::clamp(row, 0, ListCount());
    m_rows.insert(m_rows.begin() + row, std::string(text));
    // A new row is not chosen by being added: the chosen row stays chosen.
    if (m_index >= 0 && row <= m_index)
        ++m_index;
    if (m_combo) {
        QSignalBlocker block(m_combo);
        m_combo->insertItem(row, detail::ToQString(text));
        m_combo->setCurrentIndex(m_index);
    }
}

void PopupMenu::DeleteAllRows()
{
    m_rows.clear();
    if (m_combo) {
        QSignalBlocker block(m_combo);
        m_combo->clear();
    }
    Choose(-1);
}

std::string PopupMenu::List(std::int32_t row) const
{
    if (row < 0 || row >= ListCount())
        return {};
    return m_rows[static_cast<std::size_t>(row)];
}

void PopupMenu::SetListIndex(std::int32_t row)
{
    Choose(row >= 0 && row < ListCount() ? row : -1);
}

std::string PopupMenu::Text() const
{
    return List(ListIndex());
}

void PopupMenu::SetInitialValue(std::string_view rows)
{
    m_initialValue = rows;
    m_rows.clear();
    QString all = detail::ToQString(rows);
    all.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    all.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    if (!all.isEmpty())
        for (const QString& row : all.split(QLatin1Char('\n')))
            m_rows.push_back(row.toStdString());
    Choose(-1);
    Mirror();
}

void PopupMenu::Mirror()
{
    if (!m_combo)
        return;
    QSignalBlocker block(m_combo);
    m_combo->clear();
    for (const std::string& row : m_rows)
        m_combo->addItem(detail::ToQString(row));
    m_combo->setCurrentIndex(m_index);
}

void PopupMenu::Choose(std::int32_t row)
{
    if (row == m_index)
        return;
    m_index = row;
    if (m_combo && m_combo->currentIndex() != row) {
        QSignalBlocker block(m_combo);
        m_combo->setCurrentIndex(row);
    }
    if (!Quiet())
        Dispatch([this] { Event_Change(); });
}

} // namespace fw
