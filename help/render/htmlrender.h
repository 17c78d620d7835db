// SPDX-License-Identifier: GPL-3.0-or-later
// The pure steps of rendering a page of the help pages' HTML subset: the
// text passes, the tag loop and the conversions of colours and sizes. Texts
// are UTF-8; offsets count characters.
#pragma once

#include "framework/core/color.h"

#include <cstddef>
#include <cstdint>
#include <functional>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace help {

// One style run: characters start .. end of the rendered text (0-based, end
// exclusive) and, for headings, faces, sizes, colours and links, a value.
struct HTMLStyleSpan {
    std::int32_t start = 0;
    std::int32_t end = 0;
    std::string value;
    friend bool operator==(const HTMLStyleSpan&, const HTMLStyleSpan&) = default;
};

// A named place of the page: the character that follows the anchor's tag.
struct HTMLAnchor {
    std::int32_t position = 0;
    std::string name;
    friend bool operator==(const HTMLAnchor&, const HTMLAnchor&) = default;
};

// What the tag loop records, each array in the order the opening tags stand
// in the page, so that an enclosing run comes before the runs inside it.
struct HTMLRuns {
    std::vector<HTMLStyleSpan> bolds, italics, headers, fonts, colors, sizes, links;
    std::vector<HTMLAnchor> anchors;
};

// Every occurrence of find, left to right, without rescanning what was put in.
void ReplaceAll(std::string& s, std::string_view find, std::string_view with);

// The named entities of the entity table replaced, entry by entry in its
// order, each by its character; matching is exact.
std::string ReplaceEntities(std::string_view s);

// Every run of spaces reduced to one space; other blanks stay.
std::string RemoveExcessSpace(std::string_view s);

// s without its tags, each from a "<" to the next ">". A "<" that no ">"
// follows is text.
std::string StripHTML(std::string_view s);

// The page's title: what lies between its "<title>" and its "</title>" when
// it holds one of each, in that order; otherwise empty, and CutTitle leaves
// the text as it is.
std::string TitleOf(std::string_view s);
// Takes the title with its two markers out of s.
void CutTitle(std::string& s);

// "&lt;" and "&gt;" stand as these from before the tag loop until the tags
// are gone, so that no pass takes them for markup; each is one character, as
// the final "<" and ">".
inline constexpr std::string_view kLessThan{"\0", 1};
inline constexpr std::string_view kGreaterThan{"\1", 1};

// A tag's attributes: each word after its name, split at the first "=",
// quotes taken out of the value; a later key replaces an earlier one.
using TagAttributes = std::map<std::string, std::string, std::less<>>;

// What the tag loop asks of the field it renders for: a font tag's size in
// points, the attributes of a body tag that is closed, and a paired tag's
// content without its tags, whose length ends the tag's run.
struct TagLoopHooks {
    std::function<std::int32_t(std::string_view size)> sizeFromParam;
    std::function<void(const TagAttributes& attributes)> body;
    std::function<std::string(std::string_view content)> stripHTML;
};

// Takes the tags out of text from the front, one at a time, and records a
// run in runs for each tag of the subset that a closing tag pairs: text
// before the first tag left is final. An image becomes its label. Returns
// whether a body tag was met. Every offset lies inside the text.
bool TagLoop(std::string& text, HTMLRuns& runs, const TagLoopHooks& hooks);

// "#rrggbb" or "#rgb", hex digits in either case; anything else is no colour.
std::optional<fw::Color> ColorFromHex(std::string_view s);
// "#rrggbb", lower case.
std::string HexFromColor(fw::Color c);

// A font tag's size: "+n" and "-n" relative to ownSize, otherwise n; always
// within 1 to 96.
std::int32_t GetSizeFromParam(std::string_view s, std::int32_t ownSize);

} // namespace help
