// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "framework/gui/control.h"

namespace fw {

// Shows Value out of Maximum; Maximum 0 shows an indeterminate bar.
class ProgressBar : public Control {
public:
    explicit ProgressBar(fw::Window& window);
    std::string_view ClassName() const override { return "ProgressBar"; }
    static std::span<const PropertyInfo> StoredProperties();

    std::int32_t Value() const { return m_value; }
    void SetValue(std::int32_t value);
    std::int32_t Maximum() const { return m_maximum; }
    void SetMaximum(std::int32_t maximum);

protected:
    bool MakesWidgetWhenShown() const override { return true; }
    QWidget* MakeWidget(QWidget* content) override;
    void WidgetMade() override;

private:
    void Update();

    std::int32_t m_value = 0;
    std::int32_t m_maximum = 100;
};

} // namespace fw
