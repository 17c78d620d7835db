// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "framework/gui/stylerun.h"
#include "help/render/htmlrender.h"

#include <string>
#include <vector>

namespace helptest {

// A page's runs in one line, arrays in the order bolds, italics, headers,
// fonts, sizes, colors, links, anchors: "b0-4 h1-7:1 l0-2:#top a0:top".
std::string Runs(const help::HTMLPage& page);
// Character styles in one line: "1-3 b 18; 3-4 b u #0000ff".
std::string Styles(const std::vector<fw::StyleRun>& runs);

} // namespace helptest
