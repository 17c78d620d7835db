// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <string_view>

namespace help {

// The text with every byte that is not part of a well-formed UTF-8 sequence
// replaced by U+FFFD, so that every offset counts whole characters.
std::string ValidUtf8(std::string_view text);

} // namespace help
