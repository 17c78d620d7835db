// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <filesystem>
#include <memory>
#include <string>
#include <string_view>

#include "framework/core/memoryblock.h"

namespace fw {

// Sequential typed reads and writes over a file or a MemoryBlock, in the
// stream's byte order (big-endian unless LittleEndian is set). Reading past
// the end gives zeros and sets EndOfFile rather than failing.
class BinaryStream {
public:
    // A stream over a block, shared with the caller.
    explicit BinaryStream(MemoryBlockPtr block);
    ~BinaryStream();
    BinaryStream(const BinaryStream&) = delete;
    BinaryStream& operator=(const BinaryStream&) = delete;

    // Opens a file for reading (or reading and writing); null when it cannot.
    static std::unique_ptr<BinaryStream> Open(const std::filesystem::path& path, bool readWrite = false);
    // Creates or truncates a file for writing; null when it cannot.
    static std::unique_ptr<BinaryStream> Create(const std::filesystem::path& path);

    bool LittleEndian() const { return m_littleEndian; }
    void SetLittleEndian(bool little) { m_littleEndian = little; }

    std::uint64_t Length() const;
    std::uint64_t Position() const { return m_position; }
    void SetPosition(std::uint64_t position);
    // True once the position is at or past the end (the framework's EOF,
    // renamed: EOF is a C library macro).
    bool EndOfFile() const;
    // False once any read or write failed.
    bool Good() const { return m_good; }

    std::uint8_t ReadByte();
    std::int16_t ReadInt16();
    std::uint16_t ReadUInt16();
    std::int32_t ReadInt32();
    double ReadDouble();
    // Up to count bytes; fewer at the end of the stream.
    std::string Read(std::uint64_t count);

    void WriteByte(std::uint8_t value);
    void WriteInt16(std::int16_t value);
    void WriteUInt16(std::uint16_t value);
    void WriteInt32(std::int32_t value);
    void WriteDouble(double value);
    void Write(std::string_view bytes);

    // Flushes and closes a file stream; false when the data did not reach it.
    bool Close();

private:
    class FileHandle;
    BinaryStream() = default;
    std::uint64_t readUnsigned(int bytes);
    void writeUnsigned(int bytes, std::uint64_t value);

    MemoryBlockPtr m_block;
    std::unique_ptr<FileHandle> m_file;
    std::uint64_t m_position = 0;
    bool m_littleEndian = false;
    bool m_good = true;
};

} // namespace fw
