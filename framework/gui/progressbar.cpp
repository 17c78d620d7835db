// SPDX-License-Identifier: GPL-3.0-or-later
#include "framework/gui/progressbar.h"

#include "framework/gui/gui_p.h"

#include <QProgressBar>

#include <algorithm>

namespace fw {

ProgressBar::ProgressBar(fw::Window& window) : Control(window) {}

QWidget* ProgressBar::MakeWidget(QWidget* content)
{
    auto* bar = new QProgressBar(content);
    bar->setTextVisible(false);
    return bar;
}

void ProgressBar::WidgetMade()
{
    Update();
}

std::span<const PropertyInfo> ProgressBar::StoredProperties()
{
    static constexpr PropertyInfo kRows[] = {
        Row<&ProgressBar::SetValue>(0x20, "Value"),
        Row<&ProgressBar::SetMaximum>(0x21, "Maximum"),
    };
    return kRows;
}

void ProgressBar::SetValue(std::int32_t value)
{
    m_value = value;
    Update();
}

void ProgressBar::SetMaximum(std::int32_t maximum)
{
    m_maximum = maximum;
    Update();
}

void ProgressBar::Update()
{
    auto* bar = static_cast<QProgressBar*>(Handle());
    if (!bar)
        return;
    const int maximum = std::max(m_maximum, 0);
    bar->setRange(0, maximum);
    bar->setValue(maximum == 0 ? 0 : std::clamp(m_value, 0, maximum));
}

} // namespace fw
