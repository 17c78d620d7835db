// SPDX-License-Identifier: GPL-3.0-or-later
#include "prefs/bdictionary.h"

#include <bit>
#include <cstring>
#include <limits>
#include <memory>
#include <utility>
#include <vector>

#include "framework/core/digest.h"

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

fw::MemoryBlockPtr newRecord(Tag tag, std::size_t payload)
{
    auto block = std::make_shared<fw::MemoryBlock>(2 + payload);
    block->SetLittleEndian(false);
    block->SetUInt16Value(0, tag);
    return block;
}

fw::MemoryBlockPtr blockOf(Bytes b)
{
    auto block = std::make_shared<fw::MemoryBlock>(b);
    block->SetLittleEndian(false);
    return block;
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

fw::MemoryBlockPtr writeDictionary(const fw::Dictionary& dictionary, int depth);

fw::MemoryBlockPtr writeValue(const fw::Variant& value, int depth)
{
    switch (value.VarType()) {
    case fw::Variant::TypeBoolean: return BooleanData(*value.AsBoolean());
    case fw::Variant::TypeColor: return ColorData(*value.AsColor());
    case fw::Variant::TypeDate: return DatetimeData(*value.AsDate());
    case fw::Variant::TypeDouble: return DoubleData(*value.AsDouble());
    case fw::Variant::TypeInteger: return IntegerData(*value.AsInteger());
    case fw::Variant::TypeString: return StringData(*value.AsEncodedString());
    case fw::Variant::TypeObject: {
        if (value.IsNull())
            return NilData();
        if (const auto dictionary = value.As<fw::Dictionary>()) {
            if (depth >= kMaxDepth)
                return nullptr;
            return writeDictionary(*dictionary, depth + 1);
        }
        if (const auto block = value.As<fw::MemoryBlock>())
            return MemoryBlockData(*block);
        if (const auto item = value.As<fw::FolderItem>())
            return FolderItemData(item);
        return nullptr;
    }
    default:
        return nullptr;
    }
}

fw::MemoryBlockPtr writeDictionary(const fw::Dictionary& dictionary, int depth)
{
    const std::size_t n = dictionary.Count();
    std::vector<fw::MemoryBlockPtr> parts;
    parts.reserve(1 + 2 * n);
    parts.push_back(newRecord(TagDictionary, 8 * n));
    fw::MemoryBlock& header = *parts.front();
    std::uint64_t running = 2 + 8 * std::uint64_t(n);
    const auto add = [&](const fw::Variant& v, std::size_t at) {
        if (running > std::uint64_t(std::numeric_limits<std::int32_t>::max()))
            return false;
        auto record = writeValue(v, depth);
        if (!record)
            return false;
        header.SetInt32Value(at, std::int32_t(running));
        running += record->Size();
        parts.push_back(std::move(record));
        return true;
    };
    for (std::size_t i = 0; i < n; ++i) {
        const fw::Variant& key = dictionary.Key(i);
        const std::optional<fw::Variant> value = dictionary.Lookup(key);
        if (!value || !add(key, 2 + 8 * i) || !add(*value, 6 + 8 * i))
            return nullptr;
    }
    return JoinMemoryBlocks(parts);
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
        return NilData();
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
    return writeDictionary(dictionary, 0);
}

fw::DictionaryPtr ToDictionary(const fw::MemoryBlock& record)
{
    return readDictionary(record.Bytes(), 0);
}

fw::MemoryBlockPtr VariantData(const fw::Variant& value)
{
    return writeValue(value, 0);
}

std::optional<fw::Variant> ToVariant(const fw::MemoryBlockPtr& record)
{
    if (!record)
        return fw::Variant(nullptr);
    return readValue(record->Bytes(), 0);
}

fw::MemoryBlockPtr JoinMemoryBlocks(std::span<const fw::MemoryBlockPtr> blocks)
{
    std::size_t total = 0;
    for (const auto& block : blocks)
        total += block ? block->Size() : 0;
    auto joined = std::make_shared<fw::MemoryBlock>(total);
    joined->SetLittleEndian(!blocks.empty() && blocks.front() && blocks.front()->LittleEndian());
    std::size_t at = 0;
    for (const auto& block : blocks) {
        if (!block)
            continue;
        joined->SetBytes(at, block->Bytes());
        at += block->Size();
    }
    return joined;
}

fw::MemoryBlockPtr IntegerData(std::int32_t value)
{
    auto r = newRecord(TagInteger, 4);
    r->SetInt32Value(2, value);
    return r;
}

fw::MemoryBlockPtr DoubleData(double value)
{
    auto r = newRecord(TagDouble, 8);
    r->SetDoubleValue(2, value);
    return r;
}

fw::MemoryBlockPtr DatetimeData(const fw::Date& value)
{
    const std::string sql = value.SQLDateTime();
    auto r = newRecord(TagDate, sql.size());
    r->SetStringValue(2, sql);
    return r;
}

fw::MemoryBlockPtr StringData(const fw::EncodedString& value)
{
    auto r = newRecord(TagString, 4 + value.bytes.size());
    r->SetInt32Value(2, value.encoding);
    r->SetStringValue(6, value.bytes);
    return r;
}

fw::MemoryBlockPtr BooleanData(bool value)
{
    auto r = newRecord(TagBoolean, 1);
    r->SetByte(2, value ? 1 : 0);
    return r;
}

fw::MemoryBlockPtr ColorData(fw::Color value)
{
    auto r = newRecord(TagColor, 3);
    r->SetByte(2, value.Red);
    r->SetByte(3, value.Green);
    r->SetByte(4, value.Blue);
    return r;
}

fw::MemoryBlockPtr NilData()
{
    return newRecord(TagNil, 0);
}

fw::MemoryBlockPtr MemoryBlockData(const fw::MemoryBlock& value)
{
    auto r = newRecord(TagMemoryBlock, value.Size());
    r->SetBytes(2, value.Bytes());
    return r;
}

fw::MemoryBlockPtr FolderItemData(const fw::FolderItemPtr& value)
{
    if (!value)
        return newRecord(TagFolderItem, 0);
    const std::string info = value->GetSaveInfo();
    auto r = newRecord(TagFolderItem, info.size());
    r->SetStringValue(2, info);
    return r;
}

std::optional<std::int32_t> ToInteger(const fw::MemoryBlock& record) { return readInteger(record.Bytes()); }
std::optional<double> ToDouble(const fw::MemoryBlock& record) { return readDouble(record.Bytes()); }
std::optional<fw::Date> ToDatetime(const fw::MemoryBlock& record) { return readDatetime(record.Bytes()); }
std::optional<fw::EncodedString> ToString(const fw::MemoryBlock& record) { return readString(record.Bytes()); }
std::optional<bool> ToBoolean(const fw::MemoryBlock& record) { return readBoolean(record.Bytes()); }
std::optional<fw::Color> ToColor(const fw::MemoryBlock& record) { return readColor(record.Bytes()); }
fw::Variant ToNil(const fw::MemoryBlock&) { return fw::Variant(nullptr); }
fw::MemoryBlockPtr ToMemoryBlock(const fw::MemoryBlock& record) { return readMemoryBlock(record.Bytes()); }
fw::FolderItemPtr ToFolderItem(const fw::MemoryBlock& record) { return readFolderItem(record.Bytes()); }

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
