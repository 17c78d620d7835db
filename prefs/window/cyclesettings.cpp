// SPDX-License-Identifier: GPL-3.0-or-later
#include "prefs/window/cyclesettings.h"

#include "framework/core/text.h"
#include "framework/core/variant.h"

namespace CycleSettings {

std::vector<std::string> Rows(const List& list)
{
    std::vector<std::string> rows;
    for (std::int32_t n = list.first; n <= list.last; ++n)
        rows.push_back(fw::Str(n));
    return rows;
}

std::optional<std::int32_t> StoredPosition(const List& list, const std::optional<fw::Variant>& stored)
{
    if (!stored || stored->VarType() != fw::Variant::TypeInteger)
        return std::nullopt;
    const std::optional<std::int32_t> position = stored->AsInteger();
    if (!position || *position < 0 || *position >= list.Count())
        return std::nullopt;
    return position;
}

} // namespace CycleSettings
