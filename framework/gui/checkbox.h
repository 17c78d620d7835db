// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "framework/gui/textcontrol.h"

namespace fw {

// A check box; Action follows every change of Value, by the user or by code.
class CheckBox : public TextControl {
public:
    explicit CheckBox(fw::Window& window);
    std::string_view ClassName() const override { return "CheckBox"; }
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
    std::string m_caption;
    bool m_value = false;
};

} // namespace fw
