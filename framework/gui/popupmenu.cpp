// SPDX-License-Identifier: GPL-3.0-or-later
#include "framework/gui/popupmenu.h"

#include "framework/gui/application.h"
#include "framework/gui/gui_p.h"

#include <QComboBox>
#include <QSignalBlocker>

namespace fw {

PopupMenu::PopupMenu(fw::Window& window)
    : TextControl(window, new QComboBox(ContentOf(window))), m_combo(static_cast<QComboBox*>(Handle()))
{
    QObject::connect(m_combo, &QComboBox::currentIndexChanged, m_combo, [this] { IndexMaybeChanged(); });
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
    const std::int32_t index = m_lastIndex;
    QSignalBlocker block(m_combo);
    m_combo->insertItem(row, detail::ToQString(text));
    // A new row is not chosen by being added: the chosen row stays chosen.
    m_combo->setCurrentIndex(index >= 0 && row <= index ? index + 1 : index);
    m_lastIndex = static_cast<std::int32_t>(m_combo->currentIndex());
}

void PopupMenu::DeleteAllRows()
{
    {
        QSignalBlocker block(m_combo);
        m_combo->clear();
    }
    IndexMaybeChanged();
}

std::int32_t PopupMenu::ListCount() const
{
    return static_cast<std::int32_t>(m_combo->count());
}

std::string PopupMenu::List(std::int32_t row) const
{
    if (row < 0 || row >= ListCount())
        return {};
    return m_combo->itemText(row).toStdString();
}

std::int32_t PopupMenu::ListIndex() const
{
    return static_cast<std::int32_t>(m_combo->currentIndex());
}

void PopupMenu::SetListIndex(std::int32_t row)
{
    m_combo->setCurrentIndex(row >= 0 && row < ListCount() ? row : -1);
}

std::string PopupMenu::Text() const
{
    return List(ListIndex());
}

void PopupMenu::SetInitialValue(std::string_view rows)
{
    m_initialValue = rows;
    {
        QSignalBlocker block(m_combo);
        m_combo->clear();
        QString all = detail::ToQString(rows);
        all.replace(QLatin1String("\r\n"), QLatin1String("\n"));
        all.replace(QLatin1Char('\r'), QLatin1Char('\n'));
        if (!all.isEmpty())
            m_combo->addItems(all.split(QLatin1Char('\n')));
        m_combo->setCurrentIndex(-1);
    }
    IndexMaybeChanged();
}

void PopupMenu::IndexMaybeChanged()
{
    const std::int32_t index = ListIndex();
    if (index == m_lastIndex)
        return;
    m_lastIndex = index;
    if (!Quiet())
        Dispatch([this] { Event_Change(); });
}

} // namespace fw
