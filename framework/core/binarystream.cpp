// SPDX-License-Identifier: GPL-3.0-or-later
#include "framework/core/binarystream.h"

#include <bit>
#include <cstdio>
#include <cstring>
#include <new>
#include <stdexcept>
#include <unistd.h>

namespace fw {

class BinaryStream::FileHandle {
public:
    explicit FileHandle(std::FILE* file) : m_file(file) {}
    ~FileHandle() { close(); }
    FileHandle(const FileHandle&) = delete;
    FileHandle& operator=(const FileHandle&) = delete;

    bool seek(std::uint64_t position) { return m_file && position <= std::uint64_t(INT64_MAX) && ::fseeko(m_file, off_t(position), SEEK_SET) == 0; }

    std::uint64_t length()
    {
        if (!m_file || ::fseeko(m_file, 0, SEEK_END) != 0)
            return 0;
        const off_t end = ::ftello(m_file);
        return end < 0 ? 0 : std::uint64_t(end);
    }

    std::size_t read(char* data, std::size_t count) { return std::fread(data, 1, count, m_file); }
    bool write(const char* data, std::size_t count) { return std::fwrite(data, 1, count, m_file) == count; }

    bool close()
    {
        if (!m_file)
            return true;
        bool ok = std::fflush(m_file) == 0 && ::fsync(::fileno(m_file)) == 0;
        ok = std::fclose(m_file) == 0 && ok;
        m_file = nullptr;
        return ok;
    }

private:
    std::FILE* m_file;
};

BinaryStream::BinaryStream(MemoryBlockPtr block) : m_block(block ? std::move(block) : std::make_shared<MemoryBlock>()) {}

BinaryStream::~BinaryStream() = default;

std::unique_ptr<BinaryStream> BinaryStream::Open(const std::filesystem::path& path, bool readWrite)
{
    std::error_code ec;
    if (!std::filesystem::is_regular_file(path, ec))
        return nullptr;
    std::FILE* file = std::fopen(path.c_str(), readWrite ? "r+b" : "rb");
    if (!file)
        return nullptr;
    std::unique_ptr<BinaryStream> stream(new BinaryStream());
    stream->m_file = std::make_unique<FileHandle>(file);
    return stream;
}

std::unique_ptr<BinaryStream> BinaryStream::Create(const std::filesystem::path& path)
{
    std::error_code ec;
    if (std::filesystem::is_directory(path, ec))
        return nullptr;
    std::FILE* file = std::fopen(path.c_str(), "w+b");
    if (!file)
        return nullptr;
    std::unique_ptr<BinaryStream> stream(new BinaryStream());
    stream->m_file = std::make_unique<FileHandle>(file);
    return stream;
}

std::uint64_t BinaryStream::Length() const
{
    return m_file ? m_file->length() : m_block->Size();
}

void BinaryStream::SetPosition(std::uint64_t position) { m_position = position; }

bool BinaryStream::EndOfFile() const { return m_position >= Length(); }

std::string BinaryStream::Read(std::uint64_t count)
{
    const std::uint64_t length = Length();
    const std::uint64_t available = m_position < length ? length - m_position : 0;
    std::string bytes(std::size_t(std::min(count, available)), '\0');
    if (bytes.empty())
        return bytes;
    if (m_file) {
        if (!m_file->seek(m_position)) {
            m_good = false;
            return {};
        }
        bytes.resize(m_file->read(bytes.data(), bytes.size()));
    } else {
        std::memcpy(bytes.data(), m_block->Bytes().data() + m_position, bytes.size());
    }
    m_position += bytes.size();
    return bytes;
}

void BinaryStream::Write(std::string_view bytes)
{
    if (bytes.empty())
        return;
    if (m_file) {
        if (!m_file->seek(m_position) || !m_file->write(bytes.data(), bytes.size())) {
            m_good = false;
            return;
        }
    } else {
        if (m_position > m_block->Size() || bytes.size() > m_block->Size() - m_position) {
            try {
                if (m_position > SIZE_MAX - bytes.size())
                    throw std::length_error("BinaryStream position");
                m_block->SetSize(std::size_t(m_position) + bytes.size());
            } catch (const std::exception&) {
                m_good = false;
                return;
            }
        }
        m_block->SetStringValue(std::size_t(m_position), bytes);
    }
    m_position += bytes.size();
}

std::uint64_t BinaryStream::readUnsigned(int bytes)
{
    std::string raw = Read(std::uint64_t(bytes));
    raw.resize(std::size_t(bytes), '\0'); // past the end reads as zeros
    std::uint64_t value = 0;
    for (int i = 0; i < bytes; ++i) {
        const int at = m_littleEndian ? bytes - 1 - i : i;
        value = (value << 8) | std::uint8_t(raw[std::size_t(at)]);
    }
    return value;
}

void BinaryStream::writeUnsigned(int bytes, std::uint64_t value)
{
    std::string raw(std::size_t(bytes), '\0');
    for (int i = 0; i < bytes; ++i) {
        const int at = m_littleEndian ? i : bytes - 1 - i;
        raw[std::size_t(at)] = char(value & 0xFF);
        value >>= 8;
    }
    Write(raw);
}

std::uint8_t BinaryStream::ReadByte() { return std::uint8_t(readUnsigned(1)); }
std::uint16_t BinaryStream::ReadUInt16() { return std::uint16_t(readUnsigned(2)); }
std::int16_t BinaryStream::ReadInt16() { return std::bit_cast<std::int16_t>(ReadUInt16()); }
std::int32_t BinaryStream::ReadInt32() { return std::bit_cast<std::int32_t>(std::uint32_t(readUnsigned(4))); }
double BinaryStream::ReadDouble() { return std::bit_cast<double>(readUnsigned(8)); }

void BinaryStream::WriteByte(std::uint8_t value) { writeUnsigned(1, value); }
void BinaryStream::WriteUInt16(std::uint16_t value) { writeUnsigned(2, value); }
void BinaryStream::WriteInt16(std::int16_t value) { writeUnsigned(2, std::bit_cast<std::uint16_t>(value)); }
void BinaryStream::WriteInt32(std::int32_t value) { writeUnsigned(4, std::bit_cast<std::uint32_t>(value)); }
void BinaryStream::WriteDouble(double value) { writeUnsigned(8, std::bit_cast<std::uint64_t>(value)); }

bool BinaryStream::Close()
{
    if (!m_file)
        return m_good;
    // The handle stays, closed: later reads give nothing, writes fail.
    const bool ok = m_file->close();
    m_good = m_good && ok;
    return m_good;
}

} // namespace fw
