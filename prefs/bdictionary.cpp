// SPDX-License-Identifier: GPL-3.0-or-later
#include "prefs/bdictionary.h"

#include <algorithm>
#include <bit>
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

// Records are big-endian, whatever byte order the block that holds them is
// marked with; the readers read through the block's accessors and turn the
// result round when the block is marked little-endian, leaving the mark alone.
template <class T>
T turned(T value)
{
    T out = 0;
    for (std::size_t i = 0; i < sizeof(T); ++i, value >>= 8)
        out = T((out << 8) | (value & 0xFF));
    return out;
}

std::uint16_t u16(const fw::MemoryBlock& b, std::size_t at)
{
    const std::uint16_t v = b.UInt16Value(at);
    return b.LittleEndian() ? turned(v) : v;
}

std::int32_t i32(const fw::MemoryBlock& b, std::size_t at)
{
    const std::uint32_t v = b.UInt32Value(at);
    return std::bit_cast<std::int32_t>(b.LittleEndian() ? turned(v) : v);
}

double f64(const fw::MemoryBlock& b, std::size_t at)
{
    const double v = b.DoubleValue(at);
    return b.LittleEndian() ? std::bit_cast<double>(turned(std::bit_cast<std::uint64_t>(v))) : v;
}

// A new block of the record's size, marked big-endian, with its tag.
fw::MemoryBlockPtr newRecord(Tag tag, std::size_t size)
{
    auto record = std::make_shared<fw::MemoryBlock>(size);
    record->SetLittleEndian(false);
    record->SetUInt16Value(0, tag);
    return record;
}

template <class T>
std::optional<fw::Variant> wrap(std::optional<T> v)
{
    if (!v)
        return std::nullopt;
    return fw::Variant(std::move(*v));
}

fw::DictionaryPtr dictionaryAt(const fw::MemoryBlock& b, std::size_t start, std::size_t size, int depth);

// The entry's record from start on. A nested dictionary is read where it
// lies: copying it out at each level would hold one copy per level at once.
// Every other record is copied out, once, and read as a record of its own.
std::optional<fw::Variant> sliceValue(const fw::MemoryBlock& b, std::size_t start, std::size_t size, int depth)
{
    if (size >= 2 && u16(b, start) == TagDictionary) {
        if (depth >= kMaxDepth)
            return std::nullopt;
        return fw::Variant(dictionaryAt(b, start, size, depth + 1));
    }
    auto slice = std::make_shared<fw::MemoryBlock>(b.Bytes().subspan(start, size));
    slice->SetLittleEndian(false);
    return ToVariant(slice, depth);
}

// The dictionary record of size bytes from start in the block.
fw::DictionaryPtr dictionaryAt(const fw::MemoryBlock& b, std::size_t start, std::size_t size, int depth)
{
    auto dictionary = std::make_shared<fw::Dictionary>();
    if (size < 6)
        return dictionary;
    // The offset table runs from 2 up to the first key offset. A slice is
    // read only when it lies after the table, inside the record and after
    // every slice read before it; any other is dropped with its entry. So no
    // offset leads back to this record's own start, and no byte is read twice
    // at one level, which keeps the work linear in the record's size however
    // the nested records are laid out.
    const std::int64_t first = i32(b, start + 2);
    const auto length = std::int64_t(size);
    if (first < 2 || first > length)
        return dictionary;
    const auto count = std::size_t((first - 2) / 4);
    std::int64_t readTo = first;
    std::optional<fw::Variant> key;
    for (std::size_t j = 0; j < count; ++j) {
        const std::int64_t begin = i32(b, start + 2 + 4 * j);
        const std::int64_t end = j + 1 < count ? i32(b, start + 2 + 4 * (j + 1)) : length;
        std::optional<fw::Variant> value;
        if (begin >= readTo && begin <= end && end <= length) {
            value = sliceValue(b, start + std::size_t(begin), std::size_t(end - begin), depth);
            readTo = end;
        }
        if (j % 2 == 0)
            key = std::move(value);
        else if (key && value && *key == *key) // a NaN key could never be found again
            dictionary->SetValue(*key, std::move(*value));
    }
    return dictionary;
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
    const fw::MemoryBlock& b = *block;
    const std::size_t s = b.Size();
    // A dictionary record is known by its tag and the zero upper half of its
    // first key offset, which holds for up to 8191 entries: a tag followed by
    // anything else is passed over, however far the rest of the block reaches.
    if (s >= 4) {
        for (std::size_t p = 0; p + 4 <= s; ++p) {
            if (u16(b, p) != TagDictionary || u16(b, p + 2) != 0)
                continue;
            if (p == 0)
                return ToDictionary(b);
            fw::MemoryBlock rest(b.Bytes().subspan(p));
            rest.SetLittleEndian(false);
            return ToDictionary(rest);
        }
        return nullptr;
    }
    if ((s >= 2 && u16(b, 0) == TagDictionary) || (s == 3 && u16(b, 1) == TagDictionary))
        return std::make_shared<fw::Dictionary>();
    return nullptr;
}

fw::MemoryBlockPtr DictionaryData(const fw::Dictionary& dictionary, int depth)
{
    // The header is made at its final size and its offsets filled from one
    // running sum as the records are made; the join copies each record once.
    const std::size_t n = dictionary.Count();
    const fw::MemoryBlockPtr header = newRecord(TagDictionary, 2 + 8 * n);
    std::vector<fw::MemoryBlockPtr> blocks{header};
    blocks.reserve(2 * n + 1);
    std::size_t offset = header->Size();
    // Offsets count from this record's tag and must fit a signed 32-bit field.
    const auto add = [&](const fw::Variant& v, std::size_t at) {
        fw::MemoryBlockPtr record = VariantData(v, depth);
        if (!record || offset > std::size_t(std::numeric_limits<std::int32_t>::max()))
            return false;
        header->SetInt32Value(at, std::int32_t(offset));
        offset += record->Size();
        blocks.push_back(std::move(record));
        return true;
    };
    for (std::size_t i = 0; i < n; ++i) {
        const fw::Variant& key = dictionary.Key(i);
        // A key unequal to itself (NaN) has no value to write.
        if (!(key == key) || !add(key, 2 + 8 * i) || !add(dictionary.Value(key), 6 + 8 * i))
            return nullptr;
    }
    return JoinMemoryBlocks(blocks);
}

fw::DictionaryPtr ToDictionary(const fw::MemoryBlock& record, int depth)
{
    return dictionaryAt(record, 0, record.Size(), depth);
}

fw::MemoryBlockPtr VariantData(const fw::Variant& value, int depth)
{
    switch (value.VarType()) {
    case fw::Variant::TypeBoolean: return BooleanData(*value.AsBoolean());
    case fw::Variant::TypeColor: return ColorData(*value.AsColor());
    case fw::Variant::TypeDate: return DatetimeData(*value.AsDate());
    case fw::Variant::TypeDouble: return DoubleData(*value.AsDouble());
    case fw::Variant::TypeInteger: return IntegerData(*value.AsInteger());
    case fw::Variant::TypeString: return StringData(*value.AsEncodedString());
    case fw::Variant::TypeObject:
        if (value.IsNull())
            return NilData(value);
        if (const auto dictionary = value.As<fw::Dictionary>())
            return depth < kMaxDepth ? DictionaryData(*dictionary, depth + 1) : nullptr;
        if (const auto block = value.As<fw::MemoryBlock>())
            return MemoryBlockData(*block);
        if (const auto item = value.As<fw::FolderItem>())
            return FolderItemData(item);
        return nullptr;
    default:
        return nullptr;
    }
}

std::optional<fw::Variant> ToVariant(const fw::MemoryBlockPtr& record, int depth)
{
    if (!record)
        return fw::Variant(nullptr);
    const fw::MemoryBlock& r = *record;
    if (r.Size() < 2)
        return std::nullopt;
    switch (u16(r, 0)) {
    case TagBoolean: return wrap(ToBoolean(r));
    case TagColor: return wrap(ToColor(r));
    case TagDate: return wrap(ToDatetime(r));
    case TagDouble: return wrap(ToDouble(r));
    case TagInteger: return wrap(ToInteger(r));
    case TagString: return wrap(ToString(r));
    case TagDictionary:
        if (depth >= kMaxDepth)
            return std::nullopt;
        return fw::Variant(ToDictionary(r, depth + 1));
    case TagMemoryBlock: return fw::Variant(ToMemoryBlock(r));
    case TagFolderItem: return fw::Variant(ToFolderItem(r));
    case TagNil: return fw::Variant(ToNil(r));
    default:
        // An unknown tag keeps the whole record, tag included.
        return fw::Variant(std::make_shared<fw::MemoryBlock>(r.Bytes()));
    }
}

fw::MemoryBlockPtr JoinMemoryBlocks(std::span<const fw::MemoryBlockPtr> blocks)
{
    std::size_t total = 0;
    for (const fw::MemoryBlockPtr& block : blocks)
        total += block ? block->Size() : 0;
    auto joined = std::make_shared<fw::MemoryBlock>(total);
    if (!blocks.empty() && blocks.front())
        joined->SetLittleEndian(blocks.front()->LittleEndian());
    auto at = joined->Bytes().begin();
    for (const fw::MemoryBlockPtr& block : blocks)
        if (block)
            at = std::copy(block->Bytes().begin(), block->Bytes().end(), at);
    return joined;
}

fw::MemoryBlockPtr IntegerData(std::int32_t value)
{
    fw::MemoryBlockPtr record = newRecord(TagInteger, 6);
    record->SetInt32Value(2, value);
    return record;
}

std::optional<std::int32_t> ToInteger(const fw::MemoryBlock& record)
{
    if (record.Size() < 6)
        return std::nullopt;
    return i32(record, 2);
}

fw::MemoryBlockPtr DoubleData(double value)
{
    fw::MemoryBlockPtr record = newRecord(TagDouble, 10);
    record->SetDoubleValue(2, value);
    return record;
}

std::optional<double> ToDouble(const fw::MemoryBlock& record)
{
    if (record.Size() < 10)
        return std::nullopt;
    return f64(record, 2);
}

fw::MemoryBlockPtr DatetimeData(const fw::Date& value)
{
    const std::string text = value.SQLDateTime();
    fw::MemoryBlockPtr record = newRecord(TagDate, 2 + text.size());
    record->SetStringValue(2, text);
    return record;
}

std::optional<fw::Date> ToDatetime(const fw::MemoryBlock& record)
{
    if (record.Size() < 21)
        return std::nullopt;
    fw::Date date;
    if (!date.SetSQLDateTime(record.StringValue(2, 19)))
        return std::nullopt;
    return date;
}

fw::MemoryBlockPtr StringData(const fw::EncodedString& value)
{
    fw::MemoryBlockPtr record = newRecord(TagString, 6 + value.bytes.size());
    record->SetInt32Value(2, value.encoding);
    record->SetStringValue(6, value.bytes);
    return record;
}

std::optional<fw::EncodedString> ToString(const fw::MemoryBlock& record)
{
    if (record.Size() < 6)
        return std::nullopt;
    return fw::EncodedString{record.StringValue(6, record.Size() - 6), i32(record, 2)};
}

fw::MemoryBlockPtr BooleanData(bool value)
{
    fw::MemoryBlockPtr record = newRecord(TagBoolean, 3);
    record->SetUInt8Value(2, value ? 1 : 0);
    return record;
}

std::optional<bool> ToBoolean(const fw::MemoryBlock& record)
{
    if (record.Size() < 3)
        return std::nullopt;
    return record.UInt8Value(2) != 0;
}

fw::MemoryBlockPtr ColorData(fw::Color value)
{
    fw::MemoryBlockPtr record = newRecord(TagColor, 5);
    record->SetColorValue(2, value);
    return record;
}

std::optional<fw::Color> ToColor(const fw::MemoryBlock& record)
{
    if (record.Size() < 5)
        return std::nullopt;
    return record.ColorValue(2);
}

fw::MemoryBlockPtr NilData(const fw::Variant&)
{
    return newRecord(TagNil, 2);
}

fw::ObjectPtr ToNil(const fw::MemoryBlock&)
{
    return nullptr;
}

fw::MemoryBlockPtr MemoryBlockData(const fw::MemoryBlock& value)
{
    fw::MemoryBlockPtr record = newRecord(TagMemoryBlock, 2 + value.Size());
    std::copy(value.Bytes().begin(), value.Bytes().end(), record->Bytes().begin() + 2);
    return record;
}

fw::MemoryBlockPtr ToMemoryBlock(const fw::MemoryBlock& record)
{
    if (record.Size() < 2)
        return nullptr;
    return std::make_shared<fw::MemoryBlock>(record.Bytes().subspan(2));
}

fw::MemoryBlockPtr FolderItemData(const fw::FolderItemPtr& value)
{
    const std::string info = value ? value->GetSaveInfo() : std::string();
    fw::MemoryBlockPtr record = newRecord(TagFolderItem, 2 + info.size());
    record->SetStringValue(2, info);
    return record;
}

fw::FolderItemPtr ToFolderItem(const fw::MemoryBlock& record)
{
    if (record.Size() <= 2)
        return nullptr;
    return fw::FolderItem::FromSaveInfo(record.StringValue(2, record.Size() - 2));
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
        return std::make_shared<fw::MemoryBlock>(fw::MemoryBlock::FromString(key));
    std::string t(key);
    if (n < 12)
        t += kPad;
    const std::string u = fw::MD5(t + std::to_string(n * 19)) + fw::MD5(t + std::string(kPiece1));
    const std::string bytes = u + fw::MD5(u + std::to_string(n * 91)) + fw::MD5(u + std::string(kPiece2));
    return std::make_shared<fw::MemoryBlock>(fw::MemoryBlock::FromString(bytes));
}

} // namespace BDictionary
