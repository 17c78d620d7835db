// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "framework/gui/stylerun.h"
#include "help/render/htmlrender.h"

#include <cstdio>
#include <string>
#include <utility>
#include <vector>

namespace helptest {

// A page's runs in one line, arrays in the order bolds, italics, headers,
// fonts, sizes, colors, links, anchors: "b0-4 h1-7:1 l0-2:#top a0:top".
inline std::string Runs(const help::HTMLPage& page)
{
    std::string out;
    auto add = [&out](const std::string& item) { out += (out.empty() ? "" : " ") + item; };
    const std::pair<const char*, const std::vector<help::HTMLStyleSpan>*> arrays[] = {
        {"b", &page.bolds}, {"i", &page.italics}, {"h", &page.headers}, {"f", &page.fonts},
        {"s", &page.sizes}, {"c", &page.colors},  {"l", &page.links},
    };
    for (const auto& [tag, runs] : arrays)
        for (const help::HTMLStyleSpan& run : *runs)
            add(tag + std::to_string(run.start) + "-" + std::to_string(run.end) + (run.value.empty() ? "" : ":")
                + run.value);
    for (const help::HTMLAnchor& anchor : page.anchors)
        add("a" + std::to_string(anchor.position) + ":" + anchor.name);
    return out;
}

// Character styles in one line: "1-3 b 18; 3-4 b u #0000ff".
inline std::string Styles(const std::vector<fw::StyleRun>& runs)
{
    std::string out;
    for (const fw::StyleRun& run : runs) {
        if (!out.empty())
            out += "; ";
        out += std::to_string(run.start) + "-" + std::to_string(run.end);
        for (const auto& [on, tag] : {std::pair{run.bold, " b"}, {run.italic, " i"}, {run.underline, " u"}})
            if (on.value_or(false))
                out += tag;
        if (run.font)
            out += " F:" + *run.font;
        if (run.size)
            out += " " + std::to_string(*run.size);
        if (run.color) {
            char hex[8];
            std::snprintf(hex, sizeof hex, "#%06x", unsigned(run.color->ToRGB()));
            out += std::string(" ") + hex;
        }
    }
    return out;
}

} // namespace helptest
