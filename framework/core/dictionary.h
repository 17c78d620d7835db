// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <memory>
#include <optional>
#include <stdexcept>
#include <utility>
#include <vector>

#include "framework/core/object.h"
#include "framework/core/variant.h"

namespace fw {

// Thrown by Dictionary::Value for a key it does not hold.
class KeyNotFoundException : public std::out_of_range {
public:
    using std::out_of_range::out_of_range;
};

// Keys and values are Variants; keys enumerate in the order they were first
// stored (storing an existing key replaces its value in place). Lookups take
// constant time on average, whatever a file made the dictionary hold.
class Dictionary : public Object {
public:
    std::size_t Count() const { return m_entries.size(); }
    bool HasKey(const Variant& key) const { return find(key).has_value(); }
    const Variant& Key(std::size_t index) const { return m_entries.at(index).first; }
    // Throws KeyNotFoundException when the key is absent.
    const Variant& Value(const Variant& key) const;
    void SetValue(const Variant& key, Variant value);

private:
    // Equal Variants hash equally (texts by their bytes, +0 and -0 alike).
    static std::size_t Hash(const Variant& key);

    // An open-addressed table of entry positions beside the entries, which
    // keep the order of insertion.
    struct Slot {
        std::size_t hash = 0;
        std::size_t position = kFree;
    };
    static constexpr std::size_t kFree = ~std::size_t(0);

    std::optional<std::size_t> find(const Variant& key) const;
    std::size_t slotOf(std::size_t hash) const;
    void index(std::size_t position);
    void reindex(std::size_t slots);

    std::vector<std::pair<Variant, Variant>> m_entries;
    std::vector<Slot> m_slots;
    unsigned m_bits = 0;
};

using DictionaryPtr = std::shared_ptr<Dictionary>;

} // namespace fw
