// SPDX-License-Identifier: GPL-3.0-or-later
#include "framework/gui/groupbox.h"

#include "framework/gui/gui_p.h"

#include <QGroupBox>

namespace fw {

GroupBox::GroupBox(fw::Window& window) : TextControl(window, new QGroupBox(ContentOf(window))) {}

void GroupBox::ApplyProperty(std::string_view name, const PropertyValue& value)
{
    if (name == "Caption")
        SetCaption(detail::AsString(value, name));
    else
        TextControl::ApplyProperty(name, value);
}

void GroupBox::SetCaption(std::string_view caption)
{
    m_caption = caption;
    static_cast<QGroupBox*>(Handle())->setTitle(detail::DisplayText(caption));
}

} // namespace fw
