// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <span>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "framework/core/object.h"

namespace fw {

// Thrown by every accessor that would reach outside its block.
class OutOfBoundsException : public std::out_of_range {
public:
    using std::out_of_range::out_of_range;
};

// A resizable byte block with typed accessors at byte offsets. Multi-byte
// values use the block's byte order (LittleEndian, big-endian when false).
// Blocks are shared by reference, as the framework's objects are: hold them
// through MemoryBlockPtr.
class MemoryBlock : public Object {
public:
    explicit MemoryBlock(std::size_t size = 0);
    explicit MemoryBlock(std::span<const std::uint8_t> bytes);
    static MemoryBlock FromString(std::string_view bytes);

    std::size_t Size() const { return m_bytes.size(); }
    void SetSize(std::size_t size);

    bool LittleEndian() const { return m_littleEndian; }
    void SetLittleEndian(bool little) { m_littleEndian = little; }

    std::uint8_t Byte(std::size_t offset) const;
    void SetByte(std::size_t offset, std::uint8_t value);
    std::uint16_t UInt16Value(std::size_t offset) const;
    void SetUInt16Value(std::size_t offset, std::uint16_t value);
    std::int16_t Int16Value(std::size_t offset) const;
    void SetInt16Value(std::size_t offset, std::int16_t value);
    std::int32_t Int32Value(std::size_t offset) const;
    void SetInt32Value(std::size_t offset, std::int32_t value);
    std::uint32_t UInt32Value(std::size_t offset) const;
    void SetUInt32Value(std::size_t offset, std::uint32_t value);
    double DoubleValue(std::size_t offset) const;
    void SetDoubleValue(std::size_t offset, double value);
    // Bytes as they stand, no encoding.
    std::string StringValue(std::size_t offset, std::size_t length) const;
    void SetStringValue(std::size_t offset, std::string_view bytes);
    // Copies another block's bytes in at offset.
    void SetBytes(std::size_t offset, std::span<const std::uint8_t> bytes);
    // A new block of length bytes from offset, with this block's byte order.
    MemoryBlock Mid(std::size_t offset, std::size_t length) const;

    std::span<const std::uint8_t> Bytes() const { return m_bytes; }
    std::span<std::uint8_t> Bytes() { return m_bytes; }
    std::string ToString() const { return std::string(m_bytes.begin(), m_bytes.end()); }

    friend bool operator==(const MemoryBlock& a, const MemoryBlock& b) { return a.m_bytes == b.m_bytes; }

private:
    void check(std::size_t offset, std::size_t length) const;
    std::uint64_t readUnsigned(std::size_t offset, std::size_t length) const;
    void writeUnsigned(std::size_t offset, std::size_t length, std::uint64_t value);

    std::vector<std::uint8_t> m_bytes;
    bool m_littleEndian = false;
};

using MemoryBlockPtr = std::shared_ptr<MemoryBlock>;

} // namespace fw
