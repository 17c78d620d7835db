// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// What the update site's version file says, read strictly: the body is one
// line "version,name", the version dotted numbers, the name reduced to a safe
// base name for the Desktop folder; the name as given stays the file's path
// on the site.
namespace update {

// A longer version file is not one.
inline constexpr std::size_t kMaxVersionReply = 4096;

struct VersionLine {
    std::string version;
    std::string fileName;
    // The name without line ends, relative to the site's base address.
    std::string sitePath;
};

std::optional<VersionLine> ParseVersionLine(std::string_view body);

// "1.0.10" as {1, 0, 10}; nothing unless the text is one to eight numbers of
// at most nine digits each, joined by single dots.
std::optional<std::vector<std::uint32_t>> ParseVersion(std::string_view text);

// Negative, zero or positive as a is older than, the same as or newer than b,
// number by number, missing numbers counting as 0 ("1.0" equals "1.0.0");
// nothing when either is not a version.
std::optional<int> CompareVersions(std::string_view a, std::string_view b);

} // namespace update
