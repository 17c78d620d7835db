// SPDX-License-Identifier: GPL-3.0-or-later
#include "framework/core/dictionary.h"

#include <algorithm>
#include <bit>
#include <cstdint>
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

std::size_t Dictionary::slotOf(std::size_t hash) const
{
    // Fibonacci hashing spreads near hashes (small integers) over the table.
    return std::size_t((std::uint64_t(hash) * 0x9E3779B97F4A7C15ull) >> (64 - m_bits));
}

std::optional<std::size_t> Dictionary::find(const Variant& key) const
{
    // A key unequal to itself (NaN) is never found, and never indexed.
    if (m_slots.empty() || !(key == key))
        return std::nullopt;
    const std::size_t hash = Hash(key);
    const std::size_t mask = m_slots.size() - 1;
    for (std::size_t i = slotOf(hash);; i = (i + 1) & mask) {
        const Slot& slot = m_slots[i];
        if (slot.position == kFree)
            return std::nullopt;
        if (slot.hash == hash && m_entries[slot.position].first == key)
            return slot.position;
    }
}

void Dictionary::index(std::size_t position)
{
    // At most half full, so that every probe ends soon at a free slot.
    if (2 * m_entries.size() > m_slots.size()) {
        reindex(std::max<std::size_t>(16, 2 * m_slots.size()));
        return;
    }
    const Variant& key = m_entries[position].first;
    if (!(key == key))
        return;
    const std::size_t hash = Hash(key);
    const std::size_t mask = m_slots.size() - 1;
    std::size_t i = slotOf(hash);
    while (m_slots[i].position != kFree)
        i = (i + 1) & mask;
    m_slots[i] = {hash, position};
}

void Dictionary::reindex(std::size_t slots)
{
    m_slots.assign(slots, Slot{});
    m_bits = unsigned(std::countr_zero(slots));
    const std::size_t mask = slots - 1;
    for (std::size_t p = 0; p < m_entries.size(); ++p) {
        const Variant& key = m_entries[p].first;
        if (!(key == key))
            continue;
        const std::size_t hash = Hash(key);
        std::size_t i = slotOf(hash);
        while (m_slots[i].position != kFree)
            i = (i + 1) & mask;
        m_slots[i] = {hash, p};
    }
}

const Variant& Dictionary::Value(const Variant& key) const
{
    if (const auto i = find(key))
        return m_entries[*i].second;
    throw KeyNotFoundException("Dictionary key not found");
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

} // namespace fw
