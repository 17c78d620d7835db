// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "framework/core/propertyblock.h"
#include "framework/gui/event.h"

#include <cstdint>
#include <memory>

class QTimer;

namespace fw {

class Window;

// Raises Action after Period milliseconds: once (Mode 1) or repeatedly
// (Mode 2); Mode 0 is off. Changing Mode or Period restarts the count.
class Timer : public PropertyTarget {
public:
    enum : std::int32_t { kModeOff = 0, kModeSingle = 1, kModeMultiple = 2 };

    Timer();
    explicit Timer(Window& owner);
    ~Timer() override;
    Timer(const Timer&) = delete;
    Timer& operator=(const Timer&) = delete;

    std::string_view ClassName() const override { return "Timer"; }
    static std::span<const PropertyInfo> StoredProperties();
    // Off once its window closes.
    void OwnerClosed() override { SetMode(kModeOff); }

    std::int32_t Mode() const { return m_mode; }
    void SetMode(std::int32_t mode);
    std::int32_t Period() const { return m_period; }
    void SetPeriod(std::int32_t ms);

    Event<void()> Action;

private:
    void Restart();

    std::unique_ptr<QTimer> m_timer;
    std::int32_t m_mode = kModeMultiple;
    std::int32_t m_period = 1000;
};

} // namespace fw
