// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cctype>
#include <cstdint>
#include <cstdio>
#include <initializer_list>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <utility>

#include "framework/core/dictionary.h"
#include "framework/core/memoryblock.h"
#include "framework/core/variant.h"
#include "prefs/bdictionary.h"

namespace prefstest {

// "00 5B 0A" (blanks optional) to bytes.
inline std::string bytes(std::string_view hex)
{
    std::string digits, out;
    for (char c : hex)
        if (std::isxdigit(static_cast<unsigned char>(c)))
            digits += c;
    for (std::size_t i = 0; i + 1 < digits.size(); i += 2)
        out += char(std::stoi(digits.substr(i, 2), nullptr, 16));
    return out;
}

// Bytes as "00 5B 0A", for readable failures.
inline std::string hex(std::string_view data)
{
    std::string out;
    char buf[4];
    for (unsigned char c : data) {
        std::snprintf(buf, sizeof buf, out.empty() ? "%02X" : " %02X", c);
        out += buf;
    }
    return out;
}

inline std::string hex(const fw::MemoryBlock& block) { return hex(block.ToString()); }

inline fw::MemoryBlockPtr block(std::string_view data)
{
    return std::make_shared<fw::MemoryBlock>(fw::MemoryBlock::FromString(data));
}

inline fw::DictionaryPtr dict(std::initializer_list<std::pair<fw::Variant, fw::Variant>> entries)
{
    auto d = std::make_shared<fw::Dictionary>();
    for (const auto& [k, v] : entries)
        d->SetValue(k, v);
    return d;
}

// Empty dictionaries nested n deep under the key "k".
inline fw::DictionaryPtr levels(int n)
{
    return n == 0 ? dict({}) : dict({{"k", fw::Variant(levels(n - 1))}});
}

// The 32-byte record of {"durciclo": "28"}.
inline const std::string kDurciclo = bytes("00 5B 00 00 00 0A 00 00 00 18 "
                                           "00 08 08 00 01 00 64 75 72 63 69 63 6C 6F "
                                           "00 08 08 00 01 00 32 38");

// The serialiser reads and writes whole dictionaries only, so a single value's
// record is checked as the value of the key "k" in a one-entry dictionary.
inline std::string inDictionary(const std::string& record)
{
    return bytes("00 5B 00 00 00 0A 00 00 00 11") + bytes("00 08 08 00 01 00 6B") + record;
}

// The record the writer makes for a value; null when it has none.
inline fw::MemoryBlockPtr valueRecord(const fw::Variant& value)
{
    const fw::MemoryBlockPtr whole = BDictionary::Convert(dict({{"k", value}}));
    return whole ? block(whole->ToString().substr(inDictionary("").size())) : nullptr;
}

// The value the reader makes of a record; nothing when it drops it.
inline std::optional<fw::Variant> readRecord(const std::string& record)
{
    const fw::DictionaryPtr read = BDictionary::Convert(block(inDictionary(record)));
    if (!read || !read->HasKey("k"))
        return std::nullopt;
    return read->Value("k");
}

// Equal when both write the same record: kind, value, text encoding, and
// dictionaries' keys in order at any depth (the writer's bytes are checked on
// their own against worked examples).
inline bool sameValue(const fw::Variant& a, const fw::Variant& b)
{
    const fw::MemoryBlockPtr ra = valueRecord(a), rb = valueRecord(b);
    return ra && rb && *ra == *rb;
}

inline bool sameDictionary(const fw::Dictionary& a, const fw::Dictionary& b)
{
    const fw::MemoryBlockPtr ra = BDictionary::DictionaryData(a), rb = BDictionary::DictionaryData(b);
    return ra && rb && *ra == *rb;
}

} // namespace prefstest
