// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

#include "framework/core/memoryblock.h"

namespace fw {

class BinaryStream;
using BinaryStreamPtr = std::shared_ptr<BinaryStream>;

// Typed reads and writes at a position in a file (FolderItem's
// CreateBinaryFile and OpenAsBinaryFile make those) or in a memory block.
// Numbers take the stream's byte order: little-endian (the platform's) until
// SetLittleEndian(false).
//
// Reading past the end is safe: the bytes that are not there read as zero
// (Read gives only the bytes that are there), the position stops at the end
// and ReadError() turns true. A write that fails sets WriteError(). Both
// stay set until the stream is closed. Closing, or destroying, the stream
// closes its file.
class BinaryStream {
public:
    // Over a block: reads and writes go to the block itself, which grows
    // when written past its end.
    explicit BinaryStream(MemoryBlockPtr block);
    ~BinaryStream();
    BinaryStream(const BinaryStream&) = delete;
    BinaryStream& operator=(const BinaryStream&) = delete;

    bool LittleEndian() const { return m_littleEndian; }
    void SetLittleEndian(bool value) { m_littleEndian = value; }

    std::uint64_t Position() const { return m_position; }
    // A position past the end is allowed: a write there fills the gap with zeros.
    void SetPosition(std::uint64_t position) { m_position = position; }
    std::uint64_t Length() const;
    // True when the position is at or past the end. (The C library's EOF
    // macro takes the shorter name.)
    bool EndOfFile() const { return m_position >= Length(); }

    std::uint8_t ReadUInt8();
    std::int16_t ReadInt16();
    std::uint16_t ReadUInt16();
    std::int32_t ReadInt32();
    std::uint32_t ReadUInt32();
    double ReadDouble();
    // Up to count bytes, fewer at the end.
    std::string Read(std::size_t count);

    void WriteUInt8(std::uint8_t value);
    void WriteInt16(std::int16_t value);
    void WriteUInt16(std::uint16_t value);
    void WriteInt32(std::int32_t value);
    void WriteUInt32(std::uint32_t value);
    void WriteDouble(double value);
    void Write(std::string_view bytes);

    bool ReadError() const { return m_readError; }
    bool WriteError() const { return m_writeError; }
    // Why the last write, or the close, failed, in words.
    const std::string& LastError() const { return m_lastError; }

    // Closes the stream; what was written to a file is synced to the disk
    // first. False when a write, the sync or the close failed. Reads and
    // writes after it fail.
    bool Close();

private:
    friend class FolderItem;
    BinaryStream(int fd, bool writable);

    MemoryBlock ReadNumber(std::size_t size);
    void WriteNumber(const MemoryBlock& bytes);
    void Failed(int error);

    int m_fd = -1;
    bool m_writable = false;
    MemoryBlockPtr m_block;
    std::uint64_t m_position = 0;
    bool m_littleEndian = true;
    bool m_readError = false;
    bool m_writeError = false;
    bool m_closed = false;
    std::string m_lastError;
};

} // namespace fw
