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

CheckBox::CheckBox(fw::Window& window) : TextControl(window) {}

QWidget* CheckBox::MakeWidget(QWidget* content)
{
    auto* box = new CheckWidget(content);
    QObject::connect(box, &QCheckBox::toggled, box, [this](bool on) {
        if (on == m_value)
            return;
        m_value = on;
        Dispatch([this] { Event_Action(); });
    });
    return box;
}

void CheckBox::WidgetMade()
{
    TextControl::WidgetMade();
    auto* box = static_cast<QCheckBox*>(Handle());
    box->setText(detail::DisplayText(m_caption));
    QSignalBlocker block(box);
    box->setChecked(m_value);
}

std::span<const PropertyInfo> CheckBox::StoredProperties()
{
    static constexpr auto kRows = JoinRows(std::to_array<PropertyInfo>({Row<&CheckBox::SetValue>(0x21, "Value")}),
                                           TextStyleRows(0x23),
                                           std::to_array<PropertyInfo>({
                                               {0x28, "DataSource", PropertyKind::String},
                                               {0x29, "DataField", PropertyKind::String},
                                           }));
    return kRows;
}

void CheckBox::SetCaption(std::string_view caption)
{
    m_caption = caption;
    if (Handle())
        static_cast<QCheckBox*>(Handle())->setText(detail::DisplayText(caption));
}

void CheckBox::SetValue(bool on)
{
    if (on == m_value)
        return;
    m_value = on;
    if (Handle()) {
        QSignalBlocker block(Handle());
        static_cast<QCheckBox*>(Handle())->setChecked(on);
    }
    if (!Quiet())
        Event_Action();
}

} // namespace fw
