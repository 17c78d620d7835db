// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "framework/gui/textcontrol.h"

namespace fw {

// A push button. Return, once released, pushes the window's topmost shown,
// enabled Default button, Escape its Cancel button.
class PushButton : public TextControl {
public:
    explicit PushButton(fw::Window& window);
    std::string_view ClassName() const override { return "PushButton"; }
    static std::span<const PropertyInfo> StoredProperties();

    const std::string& Caption() const { return m_caption; }
    void SetCaption(std::string_view caption);
    bool Default() const { return m_default; }
    void SetDefault(bool on);
    bool Cancel() const { return m_cancel; }
    void SetCancel(bool on) { m_cancel = on; }

    // Raises Action as a click would.
    void Push();

    Event<void()> Action;

protected:
    void Event_Action() { Action.Raise(); }
    bool TakeDefaultKey(bool isReturn) override;
    bool MakesWidgetWhenShown() const override { return true; }
    QWidget* MakeWidget(QWidget* content) override;
    void WidgetMade() override;

private:
    std::string m_caption;
    bool m_default = false;
    bool m_cancel = false;
};

} // namespace fw
