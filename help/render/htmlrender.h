// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "framework/core/color.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace help {

// One style run: characters start .. end of the rendered text (0-based, end
// exclusive) and, for headings, faces, sizes, colours and links, a value.
struct HTMLStyleSpan {
    std::int32_t start = 0;
    std::int32_t end = 0;
    std::string value;
    friend bool operator==(const HTMLStyleSpan&, const HTMLStyleSpan&) = default;
};

// A named place of the page: the character that follows the anchor's tag.
struct HTMLAnchor {
    std::int32_t position = 0;
    std::string name;
    friend bool operator==(const HTMLAnchor&, const HTMLAnchor&) = default;
};

// What a page renders to. Runs are in the order their opening tags stand in
// the page, so an enclosing run comes before the runs inside it; every offset
// lies inside the text.
struct HTMLPage {
    std::string text;   // UTF-8, a CR for each line break
    std::vector<HTMLStyleSpan> bolds, italics, headers, fonts, colors, sizes, links;
    std::vector<HTMLAnchor> anchors;
    std::string title;
    fw::Color linkColor{0, 0, 255};
    fw::Color backColor{255, 255, 255};
    fw::Color textColor{0, 0, 0};
};

// Renders a page of the help pages' HTML subset. ownSize is the size the
// field shows text at, from which a font tag's +n and -n sizes count.
HTMLPage Render(std::string_view html, std::int32_t ownSize);

// "#rrggbb" or "#rgb", hex digits in either case; anything else is no colour.
std::optional<fw::Color> ColorFromHex(std::string_view s);

// A font tag's size: "+n" and "-n" relative to ownSize, otherwise n; always
// within 1 to 96.
std::int32_t GetSizeFromParam(std::string_view s, std::int32_t ownSize);

} // namespace help
