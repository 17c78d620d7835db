// SPDX-License-Identifier: GPL-3.0-or-later
#include "framework/core/internetheaders.h"

#include <algorithm>

namespace fw {

namespace {
bool SameName(std::string_view a, std::string_view b)
{
    const auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? char(c - 'A' + 'a') : c; };
    return a.size() == b.size()
        && std::equal(a.begin(), a.end(), b.begin(), [&](char x, char y) { return lower(x) == lower(y); });
}
} // namespace

void InternetHeaders::AppendHeader(std::string name, std::string value)
{
    m_fields.emplace_back(std::move(name), std::move(value));
}

std::optional<std::string> InternetHeaders::Value(std::string_view name) const
{
    for (const auto& [n, v] : m_fields)
        if (SameName(n, name))
            return v;
    return std::nullopt;
}

} // namespace fw
