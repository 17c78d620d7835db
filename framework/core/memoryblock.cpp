// SPDX-License-Identifier: GPL-3.0-or-later
#include "framework/core/memoryblock.h"

#include <algorithm>
#include <bit>

namespace fw {

std::uint64_t MemoryBlock::Number(std::size_t offset, std::size_t length) const
{
    if (!Inside(offset, length))
        return 0;
    std::uint64_t value = 0;
    for (std::size_t i = 0; i < length; ++i) {
        const std::size_t at = m_littleEndian ? offset + length - 1 - i : offset + i;
        value = (value << 8) | m_bytes[at];
    }
    return value;
}

void MemoryBlock::SetNumber(std::size_t offset, std::size_t length, std::uint64_t value)
{
    if (!Inside(offset, length))
        return;
    for (std::size_t i = 0; i < length; ++i) {
        const std::size_t at = m_littleEndian ? offset + i : offset + length - 1 - i;
        m_bytes[at] = std::uint8_t(value >> (8 * i));
    }
}

std::uint8_t MemoryBlock::UInt8Value(std::size_t offset) const { return std::uint8_t(Number(offset, 1)); }
std::int16_t MemoryBlock::Int16Value(std::size_t offset) const
{
    return std::bit_cast<std::int16_t>(UInt16Value(offset));
}
std::uint16_t MemoryBlock::UInt16Value(std::size_t offset) const { return std::uint16_t(Number(offset, 2)); }
std::int32_t MemoryBlock::Int32Value(std::size_t offset) const
{
    return std::bit_cast<std::int32_t>(UInt32Value(offset));
}
std::uint32_t MemoryBlock::UInt32Value(std::size_t offset) const { return std::uint32_t(Number(offset, 4)); }
double MemoryBlock::DoubleValue(std::size_t offset) const { return std::bit_cast<double>(Number(offset, 8)); }

Color MemoryBlock::ColorValue(std::size_t offset) const
{
    if (!Inside(offset, 3))
        return {};
    return {m_bytes[offset], m_bytes[offset + 1], m_bytes[offset + 2]};
}

std::string MemoryBlock::StringValue(std::size_t offset, std::size_t length) const
{
    if (!Inside(offset, length))
        return {};
    return std::string(m_bytes.begin() + std::ptrdiff_t(offset), m_bytes.begin() + std::ptrdiff_t(offset + length));
}

void MemoryBlock::SetUInt8Value(std::size_t offset, std::uint8_t value) { SetNumber(offset, 1, value); }
void MemoryBlock::SetInt16Value(std::size_t offset, std::int16_t value)
{
    SetUInt16Value(offset, std::bit_cast<std::uint16_t>(value));
}
void MemoryBlock::SetUInt16Value(std::size_t offset, std::uint16_t value) { SetNumber(offset, 2, value); }
void MemoryBlock::SetInt32Value(std::size_t offset, std::int32_t value)
{
    SetUInt32Value(offset, std::bit_cast<std::uint32_t>(value));
}
void MemoryBlock::SetUInt32Value(std::size_t offset, std::uint32_t value) { SetNumber(offset, 4, value); }
void MemoryBlock::SetDoubleValue(std::size_t offset, double value)
{
    SetNumber(offset, 8, std::bit_cast<std::uint64_t>(value));
}

void MemoryBlock::SetColorValue(std::size_t offset, Color value)
{
    if (!Inside(offset, 3))
        return;
    m_bytes[offset] = value.Red;
    m_bytes[offset + 1] = value.Green;
    m_bytes[offset + 2] = value.Blue;
}

void MemoryBlock::SetStringValue(std::size_t offset, std::string_view value)
{
    if (!Inside(offset, value.size()))
        return;
    std::copy(value.begin(), value.end(), m_bytes.begin() + std::ptrdiff_t(offset));
}

} // namespace fw
