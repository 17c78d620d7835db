// SPDX-License-Identifier: GPL-3.0-or-later
#include "help/render/htmllinks.h"

namespace help {

std::vector<LinkAction> LinkActionsAt(const HTMLRuns& runs, std::int32_t p)
{
    std::vector<LinkAction> actions;
    for (const HTMLStyleSpan& link : runs.links) {
        if (p < link.start || p > link.end)
            continue;
        if (link.value.starts_with('#')) {
            for (const HTMLAnchor& anchor : runs.anchors)
                if ("#" + anchor.name == link.value)
                    actions.push_back({anchor.position, {}});
        } else
            actions.push_back({std::nullopt, link.value});
    }
    return actions;
}

} // namespace help
