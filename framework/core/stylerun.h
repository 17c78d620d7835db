// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "framework/core/color.h"

#include <cstdint>
#include <optional>
#include <string>

namespace fw {

// Character styles over start .. end (character offsets, end exclusive) of a
// styled field's text. An attribute left unset keeps what lies under it; the
// field's own font, size and colour lie under everything.
struct StyleRun {
    std::int32_t start = 0;
    std::int32_t end = 0;
    std::optional<bool> bold;
    std::optional<bool> italic;
    std::optional<bool> underline;
    std::optional<std::string> font;
    // Pixel size, as every size of the design; 0 or less: the field's own.
    std::optional<std::int32_t> size;
    std::optional<Color> color;

    friend bool operator==(const StyleRun&, const StyleRun&) = default;
};

} // namespace fw
