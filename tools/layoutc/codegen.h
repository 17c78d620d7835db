// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

#include "layout.h"

namespace layoutc {

// <name>.layout.h: the struct of typed control pointers that the window
// class inherits, and the table of the layout's blocks.
std::string GenerateHeader(const Layout& layout);

// <name>.layout.cpp: the window class's Layout() and CreateControls(), and
// the blocks. headerInclude is how the source includes the generated header.
std::string GenerateSource(const Layout& layout, const std::string& headerInclude);

} // namespace layoutc
