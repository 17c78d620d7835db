// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Typed, big-endian records of values ("tagged records"): a 16-bit tag and its
// payload. A dictionary record holds an offset table followed by the records
// of its keys and values, so dictionaries nest. Also the byte-wise additive
// cipher that folds the preferences file's body.
//
// Each kind has one writer (...Data), which makes a new block marked
// big-endian, and one reader (To...), which reads a record big-endian
// whatever its block is marked with and never outside it. A reader gives
// nothing for a record too short for its kind, or one it cannot read (a date
// text that is no date, a dictionary nested too deep); the dictionary reader
// then drops that entry.

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
// reader drops them. depth below counts the dictionaries around a record.
inline constexpr int kMaxDepth = 32;

// Dictionary to block: the Nil record for no dictionary, else its dictionary
// record; null when some key or value, at any depth, has no record.
fw::MemoryBlockPtr Convert(const fw::DictionaryPtr& dictionary);
// Block to dictionary: reads from the first position holding tag 91 and then
// a zero 16-bit value (a first key offset below 65536: at most 8191 entries);
// null when there is none (or no block).
fw::DictionaryPtr Convert(const fw::MemoryBlockPtr& block);

// Null when some key or value has no record.
fw::MemoryBlockPtr DictionaryData(const fw::Dictionary& dictionary, int depth = 0);
// Entries whose key or value cannot be read are dropped; so is a key without
// a value. A record of fewer than 6 bytes is the empty dictionary.
fw::DictionaryPtr ToDictionary(const fw::MemoryBlock& record, int depth = 0);
// Null for a kind that has no record.
fw::MemoryBlockPtr VariantData(const fw::Variant& value, int depth = 0);
// No block gives no object. A record whose tag is not in the table is kept
// whole, tag included, as a MemoryBlock value.
std::optional<fw::Variant> ToVariant(const fw::MemoryBlockPtr& record, int depth = 0);
// One block holding them all in order, with the byte order of the first.
fw::MemoryBlockPtr JoinMemoryBlocks(std::span<const fw::MemoryBlockPtr> blocks);

fw::MemoryBlockPtr IntegerData(std::int32_t value);
std::optional<std::int32_t> ToInteger(const fw::MemoryBlock& record);
fw::MemoryBlockPtr DoubleData(double value);
std::optional<double> ToDouble(const fw::MemoryBlock& record);
fw::MemoryBlockPtr DatetimeData(const fw::Date& value);
std::optional<fw::Date> ToDatetime(const fw::MemoryBlock& record);
// The text's bytes as held, with the code of its encoding (-1 for none).
fw::MemoryBlockPtr StringData(const fw::EncodedString& value);
std::optional<fw::EncodedString> ToString(const fw::MemoryBlock& record);
fw::MemoryBlockPtr BooleanData(bool value);
// Any byte but 0 reads True.
std::optional<bool> ToBoolean(const fw::MemoryBlock& record);
fw::MemoryBlockPtr ColorData(fw::Color value);
std::optional<fw::Color> ToColor(const fw::MemoryBlock& record);
// The value is ignored, and so is the record: the Nil record stands for no object.
fw::MemoryBlockPtr NilData(const fw::Variant& value = nullptr);
fw::ObjectPtr ToNil(const fw::MemoryBlock& record);
fw::MemoryBlockPtr MemoryBlockData(const fw::MemoryBlock& value);
// Null for a record of fewer than 2 bytes.
fw::MemoryBlockPtr ToMemoryBlock(const fw::MemoryBlock& record);
// The tag alone for no item, else the tag and the item's save information.
fw::MemoryBlockPtr FolderItemData(const fw::FolderItemPtr& value);
// No item for a record of 2 bytes or less, or save information that names
// no absolute path.
fw::FolderItemPtr ToFolderItem(const fw::MemoryBlock& record);

// The cipher: changes the block in place and returns it; a null block is
// returned as it is. Decrypt undoes Encrypt with the same key text.
fw::MemoryBlockPtr Encrypt(const fw::MemoryBlockPtr& block, std::string_view key);
fw::MemoryBlockPtr Decrypt(const fw::MemoryBlockPtr& block, std::string_view key);
// The key bytes of a key text: the text itself from 64 bytes on, else 64
// bytes stretched from it. Never empty.
fw::MemoryBlockPtr EncryptionKey(std::string_view key);

} // namespace BDictionary
