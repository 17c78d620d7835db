// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "framework/core/color.h"
#include "framework/core/object.h"

namespace fw {

// A byte block. Blocks are shared by reference, as the framework's objects
// are: hold them through MemoryBlockPtr.
//
// The typed accessors read and write numbers at byte offsets in the block's
// byte order: little-endian (the platform's) until SetLittleEndian(false).
// An access that does not lie wholly inside the block reads zero (an empty
// text) and a write to it changes nothing, so no offset, however wrong, reads
// or writes outside the block.
class MemoryBlock : public Object {
public:
    explicit MemoryBlock(std::size_t size = 0) : m_bytes(size, 0) {}
    explicit MemoryBlock(std::span<const std::uint8_t> bytes) : m_bytes(bytes.begin(), bytes.end()) {}
    static MemoryBlock FromString(std::string_view bytes)
    {
        return MemoryBlock(std::span(reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size()));
    }

    std::size_t Size() const { return m_bytes.size(); }
    // Bytes added at the end are zero.
    void SetSize(std::size_t size) { m_bytes.resize(size, 0); }
    std::span<const std::uint8_t> Bytes() const { return m_bytes; }
    std::span<std::uint8_t> Bytes() { return m_bytes; }
    std::string ToString() const { return std::string(m_bytes.begin(), m_bytes.end()); }

    bool LittleEndian() const { return m_littleEndian; }
    void SetLittleEndian(bool value) { m_littleEndian = value; }

    std::uint8_t UInt8Value(std::size_t offset) const;
    std::int16_t Int16Value(std::size_t offset) const;
    std::uint16_t UInt16Value(std::size_t offset) const;
    std::int32_t Int32Value(std::size_t offset) const;
    std::uint32_t UInt32Value(std::size_t offset) const;
    // IEEE 754 double precision, 8 bytes.
    double DoubleValue(std::size_t offset) const;
    // Red, green and blue, one byte each in that order, whatever the byte order.
    Color ColorValue(std::size_t offset) const;
    // The bytes as they are, no conversion.
    std::string StringValue(std::size_t offset, std::size_t length) const;

    void SetUInt8Value(std::size_t offset, std::uint8_t value);
    void SetInt16Value(std::size_t offset, std::int16_t value);
    void SetUInt16Value(std::size_t offset, std::uint16_t value);
    void SetInt32Value(std::size_t offset, std::int32_t value);
    void SetUInt32Value(std::size_t offset, std::uint32_t value);
    void SetDoubleValue(std::size_t offset, double value);
    void SetColorValue(std::size_t offset, Color value);
    // Writes all the bytes of the text or none of them.
    void SetStringValue(std::size_t offset, std::string_view value);

    // Equal bytes; the byte order is not compared.
    friend bool operator==(const MemoryBlock& a, const MemoryBlock& b) { return a.m_bytes == b.m_bytes; }

private:
    bool Inside(std::size_t offset, std::size_t length) const
    {
        return offset <= m_bytes.size() && length <= m_bytes.size() - offset;
    }
    std::uint64_t Number(std::size_t offset, std::size_t length) const;
    void SetNumber(std::size_t offset, std::size_t length, std::uint64_t value);

    std::vector<std::uint8_t> m_bytes;
    bool m_littleEndian = true;
};

using MemoryBlockPtr = std::shared_ptr<MemoryBlock>;

} // namespace fw
