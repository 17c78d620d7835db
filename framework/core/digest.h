// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace fw {

// The RFC 1321 digest as its 16 raw bytes.
std::string MD5(std::string_view bytes);

// Strict base64: the standard alphabet with padding; anything else (stray
// characters, bad padding, wrong length) gives nothing.
std::optional<std::string> DecodeBase64(std::string_view text);

} // namespace fw
