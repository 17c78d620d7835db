// SPDX-License-Identifier: GPL-3.0-or-later
#include "update/downloadname.h"

namespace update {

namespace {

constexpr std::size_t kMaxExtension = 16;

bool ContinuationByte(char c)
{
    return (static_cast<unsigned char>(c) & 0xC0) == 0x80;
}

// At most max bytes, not ending inside a UTF-8 sequence (of at most four
// bytes; bytes that are no UTF-8 are cut where they fall).
std::string_view CutTo(std::string_view text, std::size_t max)
{
    if (text.size() <= max)
        return text;
    std::size_t end = max;
    while (end > 0 && max - end < 3 && ContinuationByte(text[end]))
        --end;
    if (ContinuationByte(text[end]))
        end = max;
    return text.substr(0, end);
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

std::optional<std::string> ReduceFileName(std::string_view name)
{
    const std::size_t slash = name.find_last_of("/\\");
    if (slash != std::string_view::npos)
        name.remove_prefix(slash + 1);
    std::string clean;
    for (char c : name) {
        const auto u = static_cast<unsigned char>(c);
        if (u < 0x20 || u == 0x7F)
            continue;
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

std::string EncodePathSegment(std::string_view name)
{
    static constexpr char kHex[] = "0123456789ABCDEF";
    std::string out;
    for (char c : name) {
        const auto u = static_cast<unsigned char>(c);
        if ((u >= 'A' && u <= 'Z') || (u >= 'a' && u <= 'z') || (u >= '0' && u <= '9') || c == '-' || c == '.'
            || c == '_' || c == '~') {
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
