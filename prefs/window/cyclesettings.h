// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "framework/core/variant.h"

// The three cycle settings chosen from lists of the preferences window. A
// setting's value is the number its selected row shows; the store keeps the
// row's position, counted from 0, under the list's name.
namespace CycleSettings {

struct List {
    std::string_view name;          // the pop-up menu and its preference key
    std::int32_t first;             // the number of the first row
    std::int32_t last;              // the number of the last row
    std::int32_t defaultPosition;   // selected when the list is created

    std::int32_t Count() const { return last - first + 1; }
};

// Average menses length, fertile days before and after the ovulation day.
inline constexpr List kMenses{"durmens", 3, 7, 2};
inline constexpr List kFertilePre{"fertpre", 3, 5, 2};
inline constexpr List kFertilePost{"fertpost", 1, 3, 1};
// In the order the lists are filled, restored and stored.
inline constexpr List kLists[] = {kMenses, kFertilePre, kFertilePost};

// The rows' texts, in rising order: "3", "4", ...
std::vector<std::string> Rows(const List& list);

// A stored position that selects a row of the list: an Int32 from 0 to the
// last position. Anything else (absent, negative, too large, another kind)
// gives nothing, and the list keeps its selection.
std::optional<std::int32_t> StoredPosition(const List& list, const std::optional<fw::Variant>& stored);

} // namespace CycleSettings
