// SPDX-License-Identifier: GPL-3.0-or-later
// A page's runs in one line, for the renderer's tables.
#pragma once

#include "help/render/htmlrender.h"

#include <string>
#include <utility>

namespace helptest {

// Arrays in the order bolds, italics, headers, fonts, sizes, colors, links,
// anchors: "b0-4 h1-7:1 l0-2:#top a0:top".
inline std::string RunsLine(const help::HTMLRuns& page)
{
    std::string out;
    auto add = [&out](const std::string& item) { out += (out.empty() ? "" : " ") + item; };
    const std::pair<const char*, const std::vector<help::HTMLStyleSpan>*> arrays[] = {
        {"b", &page.bolds}, {"i", &page.italics}, {"h", &page.headers}, {"f", &page.fonts},
        {"s", &page.sizes}, {"c", &page.colors},  {"l", &page.links},
    };
    for (const auto& [tag, runs] : arrays)
        for (const help::HTMLStyleSpan& run : *runs)
            add(tag + std::to_string(run.start) + "-" + std::to_string(run.end)
                + (run.value.empty() ? "" : ":") + run.value);
    for (const help::HTMLAnchor& anchor : page.anchors)
        add("a" + std::to_string(anchor.position) + ":" + anchor.name);
    return out;
}

} // namespace helptest
