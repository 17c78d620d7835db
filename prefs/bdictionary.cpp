// SPDX-License-Identifier: GPL-3.0-or-later
#include "prefs/bdictionary.h"

#include <bit>
#include <cstring>
#include <limits>
#include <memory>
#include <optional>
#include <span>
#include <utility>
#include <vector>

#include "framework/core/color.h"
#include "framework/core/date.h"
#include "framework/core/digest.h"
#include "framework/core/folderitem.h"
#include "framework/core/variant.h"

namespace BDictionary {

namespace {

using Bytes = std::span<const std::uint8_t>;

// The pad and stretching pieces of short key texts. Changing them changes
// the key bytes of every key text shorter than 64 bytes.
constexpr std::string_view kPad = "pleniluna";
constexpr std::string_view kPiece1 = "f4se7";
constexpr std::string_view kPiece2 = "r0nd8";

// Readers work on views of the caller's block, checked before every read, so
// that no record is copied before it is known to be readable.
std::uint16_t u16(Bytes b, std::size_t at)
{
    return std::uint16_t((unsigned(b[at]) << 8) | b[at + 1]);
}

std::int32_t i32(Bytes b, std::size_t at)
{
    const std::uint32_t v = (std::uint32_t(b[at]) << 24) | (std::uint32_t(b[at + 1]) << 16)
        | (std::uint32_t(b[at + 2]) << 8) | std::uint32_t(b[at + 3]);
    return std::bit_cast<std::int32_t>(v);
}

std::string text(Bytes b, std::size_t at, std::size_t length)
{
    return std::string(reinterpret_cast<const char*>(b.data()) + at, length);
}

fw::MemoryBlockPtr blockOf(Bytes b)
{
    return std::make_shared<fw::MemoryBlock>(b);
}

std::optional<std::int32_t> readInteger(Bytes r)
{
    if (r.size() < 6)
        return std::nullopt;
    return i32(r, 2);
}

std::optional<double> readDouble(Bytes r)
{
    if (r.size() < 10)
        return std::nullopt;
    std::uint64_t v = 0;
    for (std::size_t i = 2; i < 10; ++i)
        v = (v << 8) | r[i];
    return std::bit_cast<double>(v);
}

std::optional<fw::Date> readDatetime(Bytes r)
{
    if (r.size() < 21)
        return std::nullopt;
    fw::Date date;
    if (!date.SetSQLDateTime(text(r, 2, 19)))
        return std::nullopt;
    return date;
}

std::optional<fw::EncodedString> readString(Bytes r)
{
    if (r.size() < 6)
        return std::nullopt;
    return fw::EncodedString{text(r, 6, r.size() - 6), i32(r, 2)};
}

std::optional<bool> readBoolean(Bytes r)
{
    if (r.size() < 3)
        return std::nullopt;
    return r[2] != 0;
}

std::optional<fw::Color> readColor(Bytes r)
{
    if (r.size() < 5)
        return std::nullopt;
    return fw::RGB(r[2], r[3], r[4]);
}

fw::MemoryBlockPtr readMemoryBlock(Bytes r)
{
    if (r.size() < 2)
        return nullptr;
    return blockOf(r.subspan(2));
}

fw::FolderItemPtr readFolderItem(Bytes r)
{
    if (r.size() <= 2)
        return nullptr;
    return fw::FolderItem::FromSaveInfo(text(r, 2, r.size() - 2));
}

fw::DictionaryPtr readDictionary(Bytes r, int depth);

template <class T>
std::optional<fw::Variant> wrap(std::optional<T> v)
{
    if (!v)
        return std::nullopt;
    return fw::Variant(std::move(*v));
}

std::optional<fw::Variant> readValue(Bytes r, int depth)
{
    if (r.size() < 2)
        return std::nullopt;
    switch (u16(r, 0)) {
    case TagBoolean: return wrap(readBoolean(r));
    case TagColor: return wrap(readColor(r));
    case TagDate: return wrap(readDatetime(r));
    case TagDouble: return wrap(readDouble(r));
    case TagInteger: return wrap(readInteger(r));
    case TagString: return wrap(readString(r));
    case TagDictionary:
        if (depth >= kMaxDepth)
            return std::nullopt;
        return fw::Variant(readDictionary(r, depth + 1));
    case TagMemoryBlock: return fw::Variant(readMemoryBlock(r));
    case TagFolderItem: return fw::Variant(readFolderItem(r));
    case TagNil: return fw::Variant(nullptr);
    default:
        // An unknown tag keeps the whole record, tag included.
        return fw::Variant(blockOf(r));
    }
}

fw::DictionaryPtr readDictionary(Bytes r, int depth)
{
    auto dictionary = std::make_shared<fw::Dictionary>();
    if (r.size() < 6)
        return dictionary;
    // The offset table runs from 2 up to the first key offset. A slice is
    // read only when it lies after the table, inside the record and after
    // every slice read before it; any other is dropped with its entry. So no
    // offset leads back to this record's own start, and no byte is read twice
    // at one level, which keeps the work linear in the record's size however
    // the nested records are laid out.
    const std::int64_t first = i32(r, 2);
    const auto size = std::int64_t(r.size());
    if (first < 2 || first > size)
        return dictionary;
    const auto count = std::size_t((first - 2) / 4);
    std::int64_t readTo = first;
    std::optional<fw::Variant> key;
    for (std::size_t j = 0; j < count; ++j) {
        const std::int64_t begin = i32(r, 2 + 4 * j);
        const std::int64_t end = j + 1 < count ? i32(r, 2 + 4 * (j + 1)) : size;
        std::optional<fw::Variant> value;
        if (begin >= readTo && begin <= end && end <= size) {
            value = readValue(r.subspan(std::size_t(begin), std::size_t(end - begin)), depth);
            readTo = end;
        }
        if (j % 2 == 0)
            key = std::move(value);
        else if (key && value && *key == *key) // a NaN key could never be found again
            dictionary->SetValue(*key, std::move(*value));
    }
    return dictionary;
}

// The writers append records to one buffer: a dictionary's header is made at
// its final size and its offsets filled as its records are appended, so every
// record is made once, in place, however deep it lies.
using Out = std::vector<std::uint8_t>;

void put16(Out& o, std::uint16_t v)
{
    o.push_back(std::uint8_t(v >> 8));
    o.push_back(std::uint8_t(v));
}

void put32(Out& o, std::uint32_t v)
{
    for (int shift = 24; shift >= 0; shift -= 8)
        o.push_back(std::uint8_t(v >> shift));
}

void putBytes(Out& o, Bytes b)
{
    o.insert(o.end(), b.begin(), b.end());
}

void putText(Out& o, std::string_view t)
{
    putBytes(o, Bytes(reinterpret_cast<const std::uint8_t*>(t.data()), t.size()));
}

void putFolderItem(Out& o, const fw::FolderItemPtr& item)
{
    put16(o, TagFolderItem);
    if (item)
        putText(o, item->GetSaveInfo());
}

bool putDictionary(Out& o, const fw::Dictionary& dictionary, int depth);

bool putValue(Out& o, const fw::Variant& value, int depth)
{
    switch (value.VarType()) {
    case fw::Variant::TypeBoolean:
        put16(o, TagBoolean);
        o.push_back(*value.AsBoolean() ? 1 : 0);
        return true;
    case fw::Variant::TypeColor: {
        const fw::Color c = *value.AsColor();
        put16(o, TagColor);
        o.insert(o.end(), {c.Red, c.Green, c.Blue});
        return true;
    }
    case fw::Variant::TypeDate:
        put16(o, TagDate);
        putText(o, value.AsDate()->SQLDateTime());
        return true;
    case fw::Variant::TypeDouble: {
        const auto bits = std::bit_cast<std::uint64_t>(*value.AsDouble());
        put16(o, TagDouble);
        put32(o, std::uint32_t(bits >> 32));
        put32(o, std::uint32_t(bits));
        return true;
    }
    case fw::Variant::TypeInteger:
        put16(o, TagInteger);
        put32(o, std::bit_cast<std::uint32_t>(*value.AsInteger()));
        return true;
    case fw::Variant::TypeString: {
        const fw::EncodedString& text = *value.AsEncodedString();
        put16(o, TagString);
        put32(o, std::bit_cast<std::uint32_t>(text.encoding));
        putText(o, text.bytes);
        return true;
    }
    case fw::Variant::TypeObject: {
        if (value.IsNull()) {
            put16(o, TagNil);
            return true;
        }
        if (const auto dictionary = value.As<fw::Dictionary>())
            return depth < kMaxDepth && putDictionary(o, *dictionary, depth + 1);
        if (const auto block = value.As<fw::MemoryBlock>()) {
            put16(o, TagMemoryBlock);
            putBytes(o, block->Bytes());
            return true;
        }
        if (const auto item = value.As<fw::FolderItem>()) {
            putFolderItem(o, item);
            return true;
        }
        return false;
    }
    default:
        return false;
    }
}

bool putDictionary(Out& o, const fw::Dictionary& dictionary, int depth)
{
    const std::size_t start = o.size();
    const std::size_t n = dictionary.Count();
    put16(o, TagDictionary);
    const std::size_t table = o.size();
    o.resize(table + 8 * n);
    // Offsets count from this record's tag and must fit a signed 32-bit field.
    const auto add = [&](const fw::Variant& v, std::size_t at) {
        const std::size_t offset = o.size() - start;
        if (offset > std::size_t(std::numeric_limits<std::int32_t>::max()))
            return false;
        for (int k = 0; k < 4; ++k)
            o[at + std::size_t(k)] = std::uint8_t(offset >> (24 - 8 * k));
        return putValue(o, v, depth);
    };
    for (std::size_t i = 0; i < n; ++i) {
        const fw::Variant& key = dictionary.Key(i);
        // A key unequal to itself (NaN) has no value to write.
        if (!(key == key) || !add(key, table + 8 * i) || !add(dictionary.Value(key), table + 8 * i + 4))
            return false;
    }
    return true;
}

template <class Put>
fw::MemoryBlockPtr record(Put put)
{
    Out o;
    if (!put(o))
        return nullptr;
    return blockOf(o);
}

void cipher(fw::MemoryBlock& block, std::string_view key, bool encrypt)
{
    const fw::MemoryBlockPtr keyBytes = EncryptionKey(key);
    const Bytes k = keyBytes->Bytes();
    std::size_t j = 0;
    for (std::uint8_t& b : block.Bytes()) {
        if (j == k.size())
            j = 0;
        // Byte arithmetic wraps modulo 256, which is the cipher's wrap rule.
        const bool subtract = (k[j] % 2 == 0) == encrypt;
        b = subtract ? std::uint8_t(b - k[j]) : std::uint8_t(b + k[j]);
        ++j;
    }
}

} // namespace

fw::MemoryBlockPtr Convert(const fw::DictionaryPtr& dictionary)
{
    if (!dictionary)
        return record([](Out& o) {
            put16(o, TagNil);
            return true;
        });
    return DictionaryData(*dictionary);
}

fw::DictionaryPtr Convert(const fw::MemoryBlockPtr& block)
{
    if (!block)
        return nullptr;
    const Bytes b = block->Bytes();
    const std::size_t s = b.size();
    // A dictionary record is known by its tag and its first key offset: one
    // with a zero upper half, or one that lies inside the rest of the block,
    // as it does in every record of more than 8191 entries the writer makes.
    if (s >= 4) {
        for (std::size_t p = 0; p + 4 <= s; ++p) {
            if (u16(b, p) != TagDictionary)
                continue;
            if (u16(b, p + 2) == 0
                || (p + 6 <= s && std::uint32_t(i32(b, p + 2)) <= s - p))
                return readDictionary(b.subspan(p), 0);
        }
        return nullptr;
    }
    if ((s >= 2 && u16(b, 0) == TagDictionary) || (s == 3 && u16(b, 1) == TagDictionary))
        return std::make_shared<fw::Dictionary>();
    return nullptr;
}

fw::MemoryBlockPtr DictionaryData(const fw::Dictionary& dictionary)
{
    return record([&](Out& o) { return putDictionary(o, dictionary, 0); });
}

fw::MemoryBlockPtr Encrypt(const fw::MemoryBlockPtr& block, std::string_view key)
{
    if (block)
        cipher(*block, key, true);
    return block;
}

fw::MemoryBlockPtr Decrypt(const fw::MemoryBlockPtr& block, std::string_view key)
{
    if (block)
        cipher(*block, key, false);
    return block;
}

fw::MemoryBlockPtr EncryptionKey(std::string_view key)
{
    const std::size_t n = key.size();
    if (n >= 64)
        return blockOf(Bytes(reinterpret_cast<const std::uint8_t*>(key.data()), n));
    std::string t(key);
    if (n < 12)
        t += kPad;
    const std::string u = fw::MD5(t + std::to_string(n * 19)) + fw::MD5(t + std::string(kPiece1));
    const std::string bytes = u + fw::MD5(u + std::to_string(n * 91)) + fw::MD5(u + std::string(kPiece2));
    return blockOf(Bytes(reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size()));
}

} // namespace BDictionary
