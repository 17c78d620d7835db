// SPDX-License-Identifier: GPL-3.0-or-later
#include "framework/gui/timer.h"

#include "framework/gui/application.h"
#include "framework/gui/gui_p.h"

#include <QTimer>

#include <algorithm>

namespace fw {

Timer::Timer() : m_timer(std::make_unique<QTimer>())
{
    QObject::connect(m_timer.get(), &QTimer::timeout, m_timer.get(), [this] {
        // A single-shot timer is off once it has fired; its handler may arm
        // it again.
        if (m_mode == kModeSingle)
            m_mode = kModeOff;
        Dispatch([this] { Action.Raise(); });
    });
    Restart();
}

Timer::Timer(Window&) : Timer() {}

Timer::~Timer() = default;

std::span<const PropertyInfo> Timer::StoredProperties()
{
    static constexpr PropertyInfo kRows[] = {Row<&Timer::SetMode>(0x00, "Mode"), Row<&Timer::SetPeriod>(0x01, "Period")};
    return kRows;
}

void Timer::SetMode(std::int32_t mode)
{
    if (mode == m_mode)
        return;
    m_mode = mode;
    Restart();
}

void Timer::SetPeriod(std::int32_t ms)
{
    if (ms == m_period)
        return;
    m_period = ms;
    Restart();
}

void Timer::Restart()
{
    if (m_mode != kModeSingle && m_mode != kModeMultiple) {
        m_timer->stop();
        return;
    }
    m_timer->setSingleShot(m_mode == kModeSingle);
    m_timer->start(std::max(m_period, 0));
}

} // namespace fw
