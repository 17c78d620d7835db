// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Tests fix the time that a new Date reads.

#include <cstdint>
#include <functional>

namespace fw {

// A function giving local civil seconds since 1904-01-01; an empty function
// restores the system clock.
using DateClock = std::function<std::int64_t()>;
void SetDateClock(DateClock clock);

} // namespace fw
