// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "framework/gui/textcontrol.h"

namespace fw {

// A radio button. The radio buttons with the same logical parent form one
// group: selecting one clears the others. Action follows its selection.
class RadioButton : public TextControl {
public:
    explicit RadioButton(fw::Window& window);
    std::string_view ClassName() const override { return "RadioButton"; }
    static std::span<const PropertyInfo> StoredProperties();

    const std::string& Caption() const { return m_caption; }
    void SetCaption(std::string_view caption);
    bool Value() const { return m_value; }
    void SetValue(bool on);

    Event<void()> Action;

protected:
    void Event_Action() { Action.Raise(); }
    bool MakesWidgetWhenShown() const override { return true; }
    QWidget* MakeWidget(QWidget* content) override;
    void WidgetMade() override;

private:
    void Store(bool on);

    std::string m_caption;
    bool m_value = false;
};

} // namespace fw
