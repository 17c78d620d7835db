// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Typed, big-endian records of values ("tagged records"): a 16-bit tag and its
// payload. A dictionary record holds an offset table followed by the records
// of its keys and values, so dictionaries nest. Also the byte-wise additive
// cipher that folds the preferences file's body.

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "framework/core/color.h"
#include "framework/core/date.h"
#include "framework/core/dictionary.h"
#include "framework/core/folderitem.h"
#include "framework/core/memoryblock.h"
#include "framework/core/variant.h"

namespace BDictionary {

enum Tag : std::uint16_t {
    TagInteger = 2,
    TagDouble = 5,
    TagDate = 7,
    TagString = 8,
    TagBoolean = 11,
    TagColor = 16,
    TagNil = 51,
    TagMemoryBlock = 71,
    TagDictionary = 91,
    TagFolderItem = 381,
};

// Dictionaries nest at most this deep below the top level, both ways: the
// writer refuses deeper ones (a dictionary holding itself included) and the
// reader drops them.
inline constexpr int kMaxDepth = 32;

// Dictionary to block: the Nil record for no dictionary, else its dictionary
// record; null when some key or value, at any depth, has no record.
fw::MemoryBlockPtr Convert(const fw::DictionaryPtr& dictionary);
// Block to dictionary: reads the first dictionary record found in the block;
// null when there is none (or no block).
fw::DictionaryPtr Convert(const fw::MemoryBlockPtr& block);

// Null when some key or value has no record.
fw::MemoryBlockPtr DictionaryData(const fw::Dictionary& dictionary);
// Never null: bad offsets, records that cannot be read and dictionaries nested
// too deep drop their entries.
fw::DictionaryPtr ToDictionary(const fw::MemoryBlock& record);

// Null for a kind without a record.
fw::MemoryBlockPtr VariantData(const fw::Variant& value);
// No block gives a Variant holding no object. Nothing when the record cannot
// be read: shorter than its kind, a date text that names no date, or a
// dictionary nested too deep.
std::optional<fw::Variant> ToVariant(const fw::MemoryBlockPtr& record);

// One block of all the blocks' bytes in order, with the first one's byte order.
fw::MemoryBlockPtr JoinMemoryBlocks(std::span<const fw::MemoryBlockPtr> blocks);

fw::MemoryBlockPtr IntegerData(std::int32_t value);
fw::MemoryBlockPtr DoubleData(double value);
fw::MemoryBlockPtr DatetimeData(const fw::Date& value);
fw::MemoryBlockPtr StringData(const fw::EncodedString& value);
fw::MemoryBlockPtr BooleanData(bool value);
fw::MemoryBlockPtr ColorData(fw::Color value);
fw::MemoryBlockPtr NilData();
fw::MemoryBlockPtr MemoryBlockData(const fw::MemoryBlock& value);
// The tag alone when there is no item.
fw::MemoryBlockPtr FolderItemData(const fw::FolderItemPtr& value);

// The readers give nothing for a record shorter than its kind; bytes after
// the payload are ignored.
std::optional<std::int32_t> ToInteger(const fw::MemoryBlock& record);
std::optional<double> ToDouble(const fw::MemoryBlock& record);
std::optional<fw::Date> ToDatetime(const fw::MemoryBlock& record);
std::optional<fw::EncodedString> ToString(const fw::MemoryBlock& record);
// Any byte but 0 reads as True.
std::optional<bool> ToBoolean(const fw::MemoryBlock& record);
std::optional<fw::Color> ToColor(const fw::MemoryBlock& record);
fw::Variant ToNil(const fw::MemoryBlock& record);
// The payload as a new block; nothing for a record without its tag.
fw::MemoryBlockPtr ToMemoryBlock(const fw::MemoryBlock& record);
// Null for a record of 2 bytes or less.
fw::FolderItemPtr ToFolderItem(const fw::MemoryBlock& record);

// The cipher: changes the block in place and returns it; a null block is
// returned as it is. Decrypt undoes Encrypt with the same key text.
fw::MemoryBlockPtr Encrypt(const fw::MemoryBlockPtr& block, std::string_view key);
fw::MemoryBlockPtr Decrypt(const fw::MemoryBlockPtr& block, std::string_view key);
// The key bytes of a key text: the text itself from 64 bytes on, else 64
// bytes stretched from it. Never empty.
fw::MemoryBlockPtr EncryptionKey(std::string_view key);

} // namespace BDictionary
