// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "framework/core/stylerun.h"
#include "help/render/htmlrender.h"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace help {

// The page's runs as character styles, in seven passes: bolds, italics,
// headers (bold at 24, 18 or 16), fonts, sizes, colors, links (linkColor,
// underlined). Where runs overlap, a later pass wins for what it sets, and
// within a pass the later run. The result does not overlap and leaves the
// field's own style where no run lies.
std::vector<fw::StyleRun> DoStyles(const HTMLPage& page);

// What a selection starting at p does: for every link run that holds p (both
// ends included), in stored order, a "#name" target scrolls to each anchor of
// that name, any other target is handed on as a clicked link.
struct LinkAction {
    std::optional<std::int32_t> scrollTo;   // an anchor's position
    std::string clicked;                    // otherwise, the target
    friend bool operator==(const LinkAction&, const LinkAction&) = default;
};
std::vector<LinkAction> LinkActionsAt(const HTMLPage& page, std::int32_t p);

} // namespace help
