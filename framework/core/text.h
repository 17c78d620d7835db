// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Number conversions and character-based text helpers. Texts are UTF-8;
// positions and lengths count characters (code points), from 1 as the
// framework's string functions do.

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace fw {

// The decimal number at the start of the text (leading blanks skipped, an
// optional sign, digits, an optional fraction and exponent); stops at the
// first other character. "" and a text with no number read 0.
double Val(std::string_view text);

// Whole numbers give all their digits with no exponent and no blank
// (3300000000.0 gives "3300000000"); others the shortest text that reads back.
std::string Str(double value);
std::string Str(std::int64_t value);
inline std::string Str(std::int32_t value) { return Str(std::int64_t(value)); }

// Drops the fraction; values beyond Int32 saturate, NaN gives 0.
std::int32_t ToInt32(double value);

// Number of characters.
std::int64_t Len(std::string_view text);
// Characters from start (1-based) on, at most length of them (all when
// length is negative). Out-of-range positions give what lies inside, or "".
std::string Mid(std::string_view text, std::int64_t start, std::int64_t length = -1);
std::string Right(std::string_view text, std::int64_t count);
// Trims blanks: space, tab, CR, LF, VT, FF.
std::string RTrim(std::string_view text);
std::string Trim(std::string_view text);
// Fields separated by sep. An empty text has no fields; an empty sep leaves
// the text one field.
std::vector<std::string> Split(std::string_view text, std::string_view sep);

} // namespace fw
