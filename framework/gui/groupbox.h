// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "framework/gui/textcontrol.h"

namespace fw {

// A titled frame. The controls that name it as InitialParent show and hide
// with it.
class GroupBox : public TextControl {
public:
    explicit GroupBox(fw::Window& window);
    std::string_view ClassName() const override { return "GroupBox"; }
    static std::span<const PropertyInfo> StoredProperties();

    const std::string& Caption() const { return m_caption; }
    void SetCaption(std::string_view caption);

protected:
    bool MakesWidgetWhenShown() const override { return true; }
    QWidget* MakeWidget(QWidget* content) override;
    void WidgetMade() override;

private:
    std::string m_caption;
};

} // namespace fw
