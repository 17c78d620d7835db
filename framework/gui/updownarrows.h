// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "framework/gui/control.h"

namespace fw {

// A pair of stepping arrows; Up and Down repeat while an arrow is held.
class UpDownArrows : public Control {
public:
    explicit UpDownArrows(fw::Window& window);
    std::string_view ClassName() const override { return "UpDownArrows"; }
    static std::span<const PropertyInfo> StoredProperties();

    bool AcceptFocus() const { return m_acceptFocus; }
    void SetAcceptFocus(bool on) { m_acceptFocus = on; }

    Event<void()> Up;
    Event<void()> Down;

protected:
    void Event_Up() { Up.Raise(); }
    void Event_Down() { Down.Raise(); }
    bool MakesWidgetWhenShown() const override { return true; }
    QWidget* MakeWidget(QWidget* content) override;
    void WidgetMade() override;

private:
    bool m_acceptFocus = false;
};

} // namespace fw
