// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

#include "layout.h"

namespace layoutc {

// The layout written back as layout text, every value read back from its
// encoded block; compiling the text again gives the same blocks.
// Throws LayoutError when a block does not decode.
std::string DumpText(const Layout& layout);

// Every block in hex, the window's first, one heading line per block.
std::string DumpBytes(const Layout& layout);

// A value as a layout writes it: true, -53, #FFF3C7, "text\r".
std::string FormatValue(const fw::PropertyValue& value);

} // namespace layoutc
