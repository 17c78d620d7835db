// SPDX-License-Identifier: GPL-3.0-or-later
#include "framework/gui/radiobutton.h"

#include "framework/gui/application.h"
#include "framework/gui/gui_p.h"
#include "framework/gui/window.h"

#include <QRadioButton>
#include <QSignalBlocker>

namespace fw {

namespace {
// A click selects; it never clears. The group is the framework's business.
class RadioWidget : public QRadioButton {
public:
    explicit RadioWidget(QWidget* parent) : QRadioButton(parent) { setAutoExclusive(false); }

protected:
    // The whole box takes the click, not only the caption.
    bool hitButton(const QPoint& pos) const override { return rect().contains(pos); }
    void nextCheckState() override
    {
        if (!isChecked())
            setChecked(true);
    }
};
} // namespace

RadioButton::RadioButton(fw::Window& window) : TextControl(window) {}

QWidget* RadioButton::MakeWidget(QWidget* content)
{
    auto* radio = new RadioWidget(content);
    QObject::connect(radio, &QRadioButton::toggled, radio, [this](bool on) {
        if (on && !m_value)
            Dispatch([this] { SetValue(true); });
    });
    return radio;
}

void RadioButton::WidgetMade()
{
    TextControl::WidgetMade();
    static_cast<QRadioButton*>(Handle())->setText(detail::DisplayText(m_caption));
    Store(m_value);
}

std::span<const PropertyInfo> RadioButton::StoredProperties()
{
    static constexpr auto kRows = JoinRows(std::to_array<PropertyInfo>({
                                               Row<&RadioButton::SetCaption>(0x20, "Caption"),
                                               Row<&RadioButton::SetValue>(0x21, "Value"),
                                           }),
                                           TextStyleRows(0x22));
    return kRows;
}

void RadioButton::SetCaption(std::string_view caption)
{
    m_caption = caption;
    if (Handle())
        static_cast<QRadioButton*>(Handle())->setText(detail::DisplayText(caption));
}

void RadioButton::Store(bool on)
{
    m_value = on;
    if (!Handle())
        return;
    QSignalBlocker block(Handle());
    static_cast<QRadioButton*>(Handle())->setChecked(on);
}

void RadioButton::SetValue(bool on)
{
    if (on == m_value)
        return;
    Store(on);
    if (!on)
        return;
    // The radio buttons of the same logical parent form the group.
    Window& window = ParentWindow();
    for (std::size_t i = 0; i < window.ControlCount(); ++i) {
        auto* other = dynamic_cast<RadioButton*>(window.ControlAt(i));
        if (other && other != this && other->m_value && other->InitialParent() == InitialParent())
            other->Store(false);
    }
    if (!Quiet())
        Event_Action();
}

} // namespace fw
