// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

// Names of downloaded files on the Desktop. A name from the update site is
// never trusted: it becomes one plain name inside the folder.
namespace update {

inline constexpr std::size_t kMaxNameBytes = 255;

// The base name that a name from the site stands for: bytes that are no
// UTF-8 replaced (U+FFFD), control and invisible format characters (line
// ends, NUL, direction marks and overrides) dropped, only what follows the
// last "/" or "\" kept, runs
// of dots made one, leading dots and blanks and trailing blanks dropped, cut
// to at most 255 bytes on a character boundary (keeping a short extension).
// Nothing when no name remains.
std::optional<std::string> ReduceFileName(std::string_view name);

// The n-th choice for a reduced name: n = 1 is the name itself, then
// "name (2).dmg", "name (3).dmg" ..., still within 255 bytes.
std::string NumberedName(std::string_view name, int n);

// The name as a path of a URL: "/" separates its segments, every other byte
// but the unreserved ones is percent-encoded.
std::string EncodePath(std::string_view name);

} // namespace update
