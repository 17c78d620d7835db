// SPDX-License-Identifier: GPL-3.0-or-later
#include "framework/gui/pushbutton.h"

#include "framework/gui/application.h"
#include "framework/gui/gui_p.h"

#include <QPushButton>

namespace fw {

PushButton::PushButton(fw::Window& window) : TextControl(window) {}

QWidget* PushButton::MakeWidget(QWidget* content)
{
    auto* button = new QPushButton(content);
    button->setAutoDefault(false);
    QObject::connect(button, &QPushButton::clicked, button, [this] { Dispatch([this] { Event_Action(); }); });
    return button;
}

void PushButton::WidgetMade()
{
    TextControl::WidgetMade();
    auto* button = static_cast<QPushButton*>(Handle());
    button->setText(detail::DisplayText(m_caption));
    button->setDefault(m_default);
}

std::span<const PropertyInfo> PushButton::StoredProperties()
{
    static constexpr auto kRows = JoinRows(std::to_array<PropertyInfo>({
                                               Row<&PushButton::SetCaption>(0x20, "Caption"),
                                               Row<&PushButton::SetDefault>(0x21, "Default"),
                                               Row<&PushButton::SetCancel>(0x22, "Cancel"),
                                           }),
                                           TextStyleRows(0x23));
    return kRows;
}

void PushButton::SetCaption(std::string_view caption)
{
    m_caption = caption;
    if (Handle())
        static_cast<QPushButton*>(Handle())->setText(detail::DisplayText(caption));
}

void PushButton::SetDefault(bool on)
{
    m_default = on;
    if (Handle())
        static_cast<QPushButton*>(Handle())->setDefault(on);
}

void PushButton::Push()
{
    Event_Action();
}

bool PushButton::TakeDefaultKey(bool isReturn)
{
    if (!Enabled() || !Shown() || !(isReturn ? m_default : m_cancel))
        return false;
    Push();
    return true;
}

} // namespace fw
