// SPDX-License-Identifier: GPL-3.0-or-later
#include "framework/gui/checkbox.h"

#include "framework/gui/application.h"
#include "framework/gui/gui_p.h"

#include <QCheckBox>
#include <QSignalBlocker>

namespace fw {

namespace {
// The whole box takes the click, not only the caption.
class CheckWidget : public QCheckBox {
public:
    using QCheckBox::QCheckBox;

protected:
    bool hitButton(const QPoint& pos) const override { return rect().contains(pos); }
};
} // namespace

CheckBox::CheckBox(fw::Window& window) : TextControl(window, new CheckWidget(ContentOf(window)))
{
    auto* box = static_cast<QCheckBox*>(Handle());
    QObject::connect(box, &QCheckBox::toggled, box, [this](bool on) {
        if (on == m_value)
            return;
        m_value = on;
        Dispatch([this] { Event_Action(); });
    });
}

void CheckBox::ApplyProperty(std::string_view name, const PropertyValue& value)
{
    if (name == "Value")
        SetValue(detail::AsBool(value, name));
    else if (name == "Caption")
        SetCaption(detail::AsString(value, name));
    else
        TextControl::ApplyProperty(name, value);
}

void CheckBox::SetCaption(std::string_view caption)
{
    m_caption = caption;
    static_cast<QCheckBox*>(Handle())->setText(detail::DisplayText(caption));
}

void CheckBox::SetValue(bool on)
{
    if (on == m_value)
        return;
    m_value = on;
    {
        QSignalBlocker block(Handle());
        static_cast<QCheckBox*>(Handle())->setChecked(on);
    }
    if (!Quiet())
        Event_Action();
}

} // namespace fw
