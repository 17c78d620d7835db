// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cctype>
#include <cstdint>
#include <cstdio>
#include <initializer_list>
#include <memory>
#include <string>
#include <string_view>
#include <utility>

#include "framework/core/dictionary.h"
#include "framework/core/memoryblock.h"
#include "framework/core/variant.h"

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

// The 32-byte record of {"durciclo": "28"}.
inline const std::string kDurciclo = bytes("00 5B 00 00 00 0A 00 00 00 18 "
                                           "00 08 08 00 01 00 64 75 72 63 69 63 6C 6F "
                                           "00 08 08 00 01 00 32 38");

// Equal kind and value, texts with their encoding, dictionaries and blocks by
// content at any depth.
inline bool sameValue(const fw::Variant& a, const fw::Variant& b);

inline bool sameDictionary(const fw::Dictionary& a, const fw::Dictionary& b)
{
    if (a.Count() != b.Count())
        return false;
    for (std::size_t i = 0; i < a.Count(); ++i) {
        const auto other = b.Lookup(a.Key(i));
        if (!sameValue(a.Key(i), b.Key(i)) || !other || !sameValue(a.Value(a.Key(i)), *other))
            return false;
    }
    return true;
}

inline bool sameValue(const fw::Variant& a, const fw::Variant& b)
{
    if (a.VarType() != b.VarType() || a.IsNull() != b.IsNull())
        return false;
    if (a.VarType() == fw::Variant::TypeString)
        return *a.AsEncodedString() == *b.AsEncodedString();
    if (a.VarType() != fw::Variant::TypeObject || a.IsNull())
        return a == b;
    if (const auto da = a.As<fw::Dictionary>()) {
        const auto db = b.As<fw::Dictionary>();
        return db && sameDictionary(*da, *db);
    }
    if (const auto ma = a.As<fw::MemoryBlock>()) {
        const auto mb = b.As<fw::MemoryBlock>();
        return mb && *ma == *mb;
    }
    return a == b;
}

} // namespace prefstest
