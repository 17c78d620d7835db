// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "framework/core/object.h"

namespace fw {

// A byte block. Blocks are shared by reference, as the framework's objects
// are: hold them through MemoryBlockPtr.
class MemoryBlock : public Object {
public:
    explicit MemoryBlock(std::size_t size = 0) : m_bytes(size, 0) {}
    explicit MemoryBlock(std::span<const std::uint8_t> bytes) : m_bytes(bytes.begin(), bytes.end()) {}
    static MemoryBlock FromString(std::string_view bytes)
    {
        return MemoryBlock(std::span(reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size()));
    }

    std::size_t Size() const { return m_bytes.size(); }
    std::span<const std::uint8_t> Bytes() const { return m_bytes; }
    std::span<std::uint8_t> Bytes() { return m_bytes; }
    std::string ToString() const { return std::string(m_bytes.begin(), m_bytes.end()); }

    friend bool operator==(const MemoryBlock& a, const MemoryBlock& b) { return a.m_bytes == b.m_bytes; }

private:
    std::vector<std::uint8_t> m_bytes;
};

using MemoryBlockPtr = std::shared_ptr<MemoryBlock>;

} // namespace fw
