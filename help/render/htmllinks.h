// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "help/render/htmlrender.h"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace help {

// What a selection starting at p does: for every link run that holds p (both
// ends included), in stored order, a "#name" target scrolls to each anchor of
// that name, any other target is handed on as a clicked link.
struct LinkAction {
    std::optional<std::int32_t> scrollTo;   // an anchor's position
    std::string clicked;                    // otherwise, the target
    friend bool operator==(const LinkAction&, const LinkAction&) = default;
};
std::vector<LinkAction> LinkActionsAt(const HTMLRuns& runs, std::int32_t p);

} // namespace help
