// SPDX-License-Identifier: GPL-3.0-or-later
#include "update/downloadname.h"

#include <algorithm>
#include <iterator>
#include <utility>

namespace update {

namespace {

constexpr std::size_t kMaxExtension = 16;

bool ContinuationByte(char c)
{
    return (static_cast<unsigned char>(c) & 0xC0) == 0x80;
}

// At most max bytes of UTF-8, not ending inside a character.
std::string_view CutTo(std::string_view text, std::size_t max)
{
    if (text.size() <= max)
        return text;
    std::size_t end = max;
    while (end > 0 && ContinuationByte(text[end]))
        --end;
    return text.substr(0, end);
}

constexpr char32_t kInvalid = 0xFFFD;

// The character at the start of the text and its length in bytes; a sequence
// that is no UTF-8 is kInvalid over its longest beginning that could have
// been one (at least a byte).
std::pair<char32_t, std::size_t> DecodeFirst(std::string_view text)
{
    const auto byte = [&](std::size_t i) { return static_cast<unsigned char>(text[i]); };
    const unsigned lead = byte(0);
    std::size_t length = 0;
    char32_t c = 0;
    unsigned low = 0x80, high = 0xBF;
    if (lead < 0x80)
        return {lead, 1};
    if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2, c = lead & 0x1F;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3, c = lead & 0x0F;
        low = lead == 0xE0 ? 0xA0 : low;
        high = lead == 0xED ? 0x9F : high;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4, c = lead & 0x07;
        low = lead == 0xF0 ? 0x90 : low;
        high = lead == 0xF4 ? 0x8F : high;
    } else {
        return {kInvalid, 1};
    }
    for (std::size_t i = 1; i < length; ++i, low = 0x80, high = 0xBF) {
        if (i >= text.size() || byte(i) < low || byte(i) > high)
            return {kInvalid, i};
        c = (c << 6) | (byte(i) & 0x3F);
    }
    return {c, length};
}

// Characters a name would not show, or would show elsewhere: controls, line
// and paragraph separators and the format characters (direction marks,
// embeddings, overrides and isolates, joiners, the byte order mark, tags).
constexpr std::pair<char32_t, char32_t> kInvisible[] = {
    {0x00, 0x1F},       {0x7F, 0x9F},       {0xAD, 0xAD},       {0x600, 0x605},     {0x61C, 0x61C},
    {0x6DD, 0x6DD},     {0x70F, 0x70F},     {0x890, 0x891},     {0x8E2, 0x8E2},     {0x180E, 0x180E},
    {0x200B, 0x200F},   {0x2028, 0x202E},   {0x2060, 0x206F},   {0xFEFF, 0xFEFF},   {0xFFF9, 0xFFFB},
    {0x110BD, 0x110BD}, {0x110CD, 0x110CD}, {0x13430, 0x1343F}, {0x1BCA0, 0x1BCA3}, {0x1D173, 0x1D17A},
    {0xE0001, 0xE0001}, {0xE0020, 0xE007F},
};

// The text as valid UTF-8 (what is none replaced) without invisible
// characters, so that a name shows what it is.
std::string Visible(std::string_view text)
{
    std::string out;
    while (!text.empty()) {
        const auto [decoded, length] = DecodeFirst(text);
        const char32_t c = decoded;
        const bool invisible = std::any_of(std::begin(kInvisible), std::end(kInvisible),
                                           [c](const auto& range) { return c >= range.first && c <= range.second; });
        if (c == kInvalid)
            out += "\xEF\xBF\xBD";
        else if (!invisible)
            out += text.substr(0, length);
        text.remove_prefix(length);
    }
    return out;
}

std::string_view TrimEnd(std::string_view text)
{
    while (!text.empty() && (text.back() == ' ' || text.back() == '.'))
        text.remove_suffix(1);
    return text;
}

// The extension starts at the last dot, unless that dot opens the name.
std::size_t ExtensionStart(std::string_view name)
{
    const std::size_t dot = name.rfind('.');
    return dot == std::string_view::npos || dot == 0 ? name.size() : dot;
}

// stem + suffix + extension within the byte limit, cutting the stem first.
std::string Fit(std::string_view stem, std::string_view suffix, std::string_view extension)
{
    if (extension.size() > kMaxExtension) {
        stem = std::string_view(stem.data(), stem.size() + extension.size());
        extension = {};
    }
    const std::size_t fixed = suffix.size() + extension.size();
    std::string out(TrimEnd(CutTo(stem, kMaxNameBytes - fixed)));
    out += suffix;
    out += extension;
    return out;
}

} // namespace

std::optional<std::string> ReduceFileName(std::string_view given)
{
    const std::string visible = Visible(given);
    std::string_view name = visible;
    const std::size_t slash = name.find_last_of("/\\");
    if (slash != std::string_view::npos)
        name.remove_prefix(slash + 1);
    std::string clean;
    for (char c : name) {
        if (c == '.' && (clean.empty() || clean.back() == '.'))
            continue;
        if (c == ' ' && clean.empty())
            continue;
        clean += c;
    }
    while (!clean.empty() && clean.back() == ' ')
        clean.pop_back();
    if (clean.empty())
        return std::nullopt;
    if (clean.size() > kMaxNameBytes) {
        const std::size_t ext = ExtensionStart(clean);
        clean = Fit(std::string_view(clean).substr(0, ext), {}, std::string_view(clean).substr(ext));
    }
    if (clean.empty())
        return std::nullopt;
    return clean;
}

std::string NumberedName(std::string_view name, int n)
{
    if (n <= 1)
        return std::string(name);
    const std::size_t ext = ExtensionStart(name);
    return Fit(name.substr(0, ext), " (" + std::to_string(n) + ")", name.substr(ext));
}

std::string EncodePath(std::string_view name)
{
    static constexpr char kHex[] = "0123456789ABCDEF";
    std::string out;
    for (char c : name) {
        const auto u = static_cast<unsigned char>(c);
        if ((u >= 'A' && u <= 'Z') || (u >= 'a' && u <= 'z') || (u >= '0' && u <= '9') || c == '-' || c == '.'
            || c == '_' || c == '~' || c == '/') {
            out += c;
        } else {
            out += '%';
            out += kHex[u >> 4];
            out += kHex[u & 15];
        }
    }
    return out;
}

} // namespace update
