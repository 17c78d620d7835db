// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Typed, big-endian records of values ("tagged records"): a 16-bit tag and its
// payload. A dictionary record holds an offset table followed by the records
// of its keys and values, so dictionaries nest. Also the byte-wise additive
// cipher that folds the preferences file's body.

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "framework/core/dictionary.h"
#include "framework/core/memoryblock.h"

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

// The cipher: changes the block in place and returns it; a null block is
// returned as it is. Decrypt undoes Encrypt with the same key text.
fw::MemoryBlockPtr Encrypt(const fw::MemoryBlockPtr& block, std::string_view key);
fw::MemoryBlockPtr Decrypt(const fw::MemoryBlockPtr& block, std::string_view key);
// The key bytes of a key text: the text itself from 64 bytes on, else 64
// bytes stretched from it. Never empty.
fw::MemoryBlockPtr EncryptionKey(std::string_view key);

} // namespace BDictionary
