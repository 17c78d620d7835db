// SPDX-License-Identifier: GPL-3.0-or-later
#include "framework/core/dictionary.h"

#include <functional>
#include <string_view>

namespace fw {

namespace {
std::size_t mix(std::size_t kind, std::size_t h)
{
    return h ^ (kind * 0x9E3779B97F4A7C15ull);
}
} // namespace

std::size_t Dictionary::Hash(const Variant& key)
{
    if (key.IsNull())
        return 0;
    const auto kind = std::size_t(key.VarType());
    switch (key.VarType()) {
    case Variant::TypeInteger: return mix(kind, std::hash<std::int32_t>()(*key.AsInteger()));
    case Variant::TypeLong: return mix(kind, std::hash<std::int64_t>()(*key.AsLong()));
    case Variant::TypeDouble: {
        const double d = *key.AsDouble();
        return mix(kind, std::hash<double>()(d == 0 ? 0.0 : d));
    }
    case Variant::TypeDate: return mix(kind, std::hash<double>()(key.AsDate()->TotalSeconds()));
    case Variant::TypeString: return mix(kind, std::hash<std::string_view>()(key.AsEncodedString()->bytes));
    case Variant::TypeBoolean: return mix(kind, *key.AsBoolean() ? 1 : 0);
    case Variant::TypeColor: return mix(kind, key.AsColor()->ToRGB());
    default: return mix(kind, std::hash<const void*>()(key.AsObject().get()));
    }
}

std::optional<std::size_t> Dictionary::find(const Variant& key) const
{
    // A key unequal to itself (NaN) is never found, and never indexed.
    if (!(key == key))
        return std::nullopt;
    const auto [first, last] = m_index.equal_range(Hash(key));
    for (auto it = first; it != last; ++it)
        if (m_entries[it->second].first == key)
            return it->second;
    return std::nullopt;
}

void Dictionary::index(std::size_t position)
{
    const Variant& key = m_entries[position].first;
    if (key == key)
        m_index.emplace(Hash(key), position);
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
    if (const auto i = find(key)) {
        m_entries[*i].second = std::move(value);
        return;
    }
    m_entries.emplace_back(key, std::move(value));
    index(m_entries.size() - 1);
}

void Dictionary::Remove(const Variant& key)
{
    const auto i = find(key);
    if (!i)
        return;
    m_entries.erase(m_entries.begin() + std::ptrdiff_t(*i));
    // The positions after it moved down by one.
    m_index.clear();
    for (std::size_t p = 0; p < m_entries.size(); ++p)
        index(p);
}

void Dictionary::Clear()
{
    m_entries.clear();
    m_index.clear();
}

} // namespace fw
