// SPDX-License-Identifier: GPL-3.0-or-later
#include "update/versionline.h"

#include "update/downloadname.h"

#include <algorithm>
#include <iterator>

namespace update {

namespace {
std::string_view Trimmed(std::string_view text)
{
    while (!text.empty() && (text.front() == ' ' || text.front() == '\t'))
        text.remove_prefix(1);
    while (!text.empty() && (text.back() == ' ' || text.back() == '\t'))
        text.remove_suffix(1);
    return text;
}
} // namespace

std::optional<std::vector<std::uint32_t>> ParseVersion(std::string_view text)
{
    std::vector<std::uint32_t> parts;
    std::size_t start = 0;
    while (true) {
        const std::size_t dot = std::min(text.find('.', start), text.size());
        const std::string_view digits = text.substr(start, dot - start);
        if (digits.empty() || digits.size() > 9 || parts.size() == 8)
            return std::nullopt;
        std::uint32_t value = 0;
        for (char c : digits) {
            if (c < '0' || c > '9')
                return std::nullopt;
            value = value * 10 + std::uint32_t(c - '0');
        }
        parts.push_back(value);
        if (dot == text.size())
            return parts;
        start = dot + 1;
    }
}

std::optional<int> CompareVersions(std::string_view a, std::string_view b)
{
    const auto x = ParseVersion(a);
    const auto y = ParseVersion(b);
    if (!x || !y)
        return std::nullopt;
    for (std::size_t i = 0; i < std::max(x->size(), y->size()); ++i) {
        const std::uint32_t p = i < x->size() ? (*x)[i] : 0;
        const std::uint32_t q = i < y->size() ? (*y)[i] : 0;
        if (p != q)
            return p < q ? -1 : 1;
    }
    return 0;
}

std::optional<VersionLine> ParseVersionLine(std::string_view body)
{
    if (body.size() > kMaxVersionReply)
        return std::nullopt;
    const std::size_t comma = body.find(',');
    if (comma == std::string_view::npos)
        return std::nullopt;
    const std::string_view version = Trimmed(body.substr(0, comma));
    if (!ParseVersion(version))
        return std::nullopt;
    const std::string_view given = body.substr(comma + 1);
    auto name = ReduceFileName(given);
    if (!name)
        return std::nullopt;
    std::string path;
    std::copy_if(given.begin(), given.end(), std::back_inserter(path), [](char c) { return c != '\r' && c != '\n'; });
    return VersionLine{std::string(version), std::move(*name), std::move(path)};
}

} // namespace update
