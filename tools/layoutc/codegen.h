// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

#include "layout.h"

namespace layoutc {

// <name>.layout.h: the struct of typed control pointers and control sets
// that the window class inherits, with the table of the layout's blocks and
// the builders CreateControls0 onwards (the window class befriends it).
std::string GenerateHeader(const Layout& layout);

// <name>.layout.cpp: the window class's Layout() and CreateControls(), which
// runs the builders in order, the builders, and the blocks. headerInclude is
// how the source includes the generated header.
std::string GenerateSource(const Layout& layout, const std::string& headerInclude);

} // namespace layoutc
