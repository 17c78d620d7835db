// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <string_view>

namespace help {

// One element per character, so that offsets are character offsets. A byte
// that is not part of a well-formed UTF-8 sequence becomes U+FFFD.
std::u32string FromUtf8(std::string_view text);
std::string ToUtf8(std::u32string_view text);

} // namespace help
