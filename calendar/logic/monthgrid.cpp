// SPDX-License-Identifier: GPL-3.0-or-later
#include "calendar/logic/monthgrid.h"

#include <algorithm>

namespace calendar {

MonthGrid NumberDays(std::int32_t first, std::int32_t length)
{
    MonthGrid grid;
    const std::int64_t from = std::max<std::int64_t>(std::int64_t(first) - 1, 0);
    const std::int64_t to = std::min<std::int64_t>(std::int64_t(first) + length - 2, kCells - 1);
    for (std::int64_t i = from; i <= to; ++i)
        grid.day[std::size_t(i)] = std::uint8_t(i - first + 2);
    return grid;
}

} // namespace calendar
