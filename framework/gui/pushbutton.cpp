// SPDX-License-Identifier: GPL-3.0-or-later
#include "framework/gui/pushbutton.h"

#include "framework/gui/application.h"
#include "framework/gui/gui_p.h"

#include <QPushButton>

namespace fw {

PushButton::PushButton(fw::Window& window) : TextControl(window, new QPushButton(ContentOf(window)))
{
    auto* button = static_cast<QPushButton*>(Handle());
    button->setAutoDefault(false);
    QObject::connect(button, &QPushButton::clicked, button, [this] { Dispatch([this] { Event_Action(); }); });
}

void PushButton::ApplyProperty(std::string_view name, const PropertyValue& value)
{
    using namespace detail;
    if (name == "Caption")
        SetCaption(AsString(value, name));
    else if (name == "Default")
        SetDefault(AsBool(value, name));
    else if (name == "Cancel")
        SetCancel(AsBool(value, name));
    else
        TextControl::ApplyProperty(name, value);
}

void PushButton::SetCaption(std::string_view caption)
{
    m_caption = caption;
    static_cast<QPushButton*>(Handle())->setText(detail::DisplayText(caption));
}

void PushButton::SetDefault(bool on)
{
    m_default = on;
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
