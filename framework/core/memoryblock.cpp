// SPDX-License-Identifier: GPL-3.0-or-later
#include "framework/core/memoryblock.h"

#include <bit>
#include <cstring>

namespace fw {

MemoryBlock::MemoryBlock(std::size_t size) : m_bytes(size, 0) {}

MemoryBlock::MemoryBlock(std::span<const std::uint8_t> bytes) : m_bytes(bytes.begin(), bytes.end()) {}

MemoryBlock MemoryBlock::FromString(std::string_view bytes)
{
    MemoryBlock block(bytes.size());
    if (!bytes.empty())
        std::memcpy(block.m_bytes.data(), bytes.data(), bytes.size());
    return block;
}

void MemoryBlock::SetSize(std::size_t size) { m_bytes.resize(size, 0); }

void MemoryBlock::check(std::size_t offset, std::size_t length) const
{
    if (offset > m_bytes.size() || length > m_bytes.size() - offset)
        throw OutOfBoundsException("MemoryBlock access out of bounds");
}

std::uint64_t MemoryBlock::readUnsigned(std::size_t offset, std::size_t length) const
{
    check(offset, length);
    std::uint64_t value = 0;
    for (std::size_t i = 0; i < length; ++i) {
        const std::size_t at = m_littleEndian ? offset + length - 1 - i : offset + i;
        value = (value << 8) | m_bytes[at];
    }
    return value;
}

void MemoryBlock::writeUnsigned(std::size_t offset, std::size_t length, std::uint64_t value)
{
    check(offset, length);
    for (std::size_t i = 0; i < length; ++i) {
        const std::size_t at = m_littleEndian ? offset + i : offset + length - 1 - i;
        m_bytes[at] = std::uint8_t(value & 0xFF);
        value >>= 8;
    }
}

std::uint8_t MemoryBlock::Byte(std::size_t offset) const { return std::uint8_t(readUnsigned(offset, 1)); }
void MemoryBlock::SetByte(std::size_t offset, std::uint8_t value) { writeUnsigned(offset, 1, value); }
std::uint16_t MemoryBlock::UInt16Value(std::size_t offset) const { return std::uint16_t(readUnsigned(offset, 2)); }
void MemoryBlock::SetUInt16Value(std::size_t offset, std::uint16_t value) { writeUnsigned(offset, 2, value); }
std::int16_t MemoryBlock::Int16Value(std::size_t offset) const { return std::bit_cast<std::int16_t>(UInt16Value(offset)); }
void MemoryBlock::SetInt16Value(std::size_t offset, std::int16_t value) { SetUInt16Value(offset, std::bit_cast<std::uint16_t>(value)); }
std::uint32_t MemoryBlock::UInt32Value(std::size_t offset) const { return std::uint32_t(readUnsigned(offset, 4)); }
void MemoryBlock::SetUInt32Value(std::size_t offset, std::uint32_t value) { writeUnsigned(offset, 4, value); }
std::int32_t MemoryBlock::Int32Value(std::size_t offset) const { return std::bit_cast<std::int32_t>(UInt32Value(offset)); }
void MemoryBlock::SetInt32Value(std::size_t offset, std::int32_t value) { SetUInt32Value(offset, std::bit_cast<std::uint32_t>(value)); }
double MemoryBlock::DoubleValue(std::size_t offset) const { return std::bit_cast<double>(readUnsigned(offset, 8)); }
void MemoryBlock::SetDoubleValue(std::size_t offset, double value) { writeUnsigned(offset, 8, std::bit_cast<std::uint64_t>(value)); }

std::string MemoryBlock::StringValue(std::size_t offset, std::size_t length) const
{
    check(offset, length);
    return std::string(m_bytes.begin() + std::ptrdiff_t(offset), m_bytes.begin() + std::ptrdiff_t(offset + length));
}

void MemoryBlock::SetStringValue(std::size_t offset, std::string_view bytes)
{
    check(offset, bytes.size());
    if (!bytes.empty())
        std::memcpy(m_bytes.data() + offset, bytes.data(), bytes.size());
}

void MemoryBlock::SetBytes(std::size_t offset, std::span<const std::uint8_t> bytes)
{
    check(offset, bytes.size());
    if (!bytes.empty())
        std::memcpy(m_bytes.data() + offset, bytes.data(), bytes.size());
}

MemoryBlock MemoryBlock::Mid(std::size_t offset, std::size_t length) const
{
    check(offset, length);
    MemoryBlock part(std::span<const std::uint8_t>(m_bytes).subspan(offset, length));
    part.m_littleEndian = m_littleEndian;
    return part;
}

} // namespace fw
