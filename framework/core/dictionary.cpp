// SPDX-License-Identifier: GPL-3.0-or-later
#include "framework/core/dictionary.h"

namespace fw {

std::optional<std::size_t> Dictionary::find(const Variant& key) const
{
    for (std::size_t i = 0; i < m_entries.size(); ++i)
        if (m_entries[i].first == key)
            return i;
    return std::nullopt;
}

const Variant& Dictionary::Value(const Variant& key) const
{
    if (const auto i = find(key))
        return m_entries[*i].second;
    throw KeyNotFoundException("Dictionary key not found");
}

std::optional<Variant> Dictionary::Lookup(const Variant& key) const
{
    if (const auto i = find(key))
        return m_entries[*i].second;
    return std::nullopt;
}

void Dictionary::SetValue(const Variant& key, Variant value)
{
    if (const auto i = find(key))
        m_entries[*i].second = std::move(value);
    else
        m_entries.emplace_back(key, std::move(value));
}

void Dictionary::Remove(const Variant& key)
{
    if (const auto i = find(key))
        m_entries.erase(m_entries.begin() + std::ptrdiff_t(*i));
}

} // namespace fw
