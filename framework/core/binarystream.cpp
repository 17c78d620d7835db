// SPDX-License-Identifier: GPL-3.0-or-later
#include "framework/core/binarystream.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <limits>
#include <sys/stat.h>
#include <unistd.h>

namespace fw {

namespace {
// Offsets a file position can take (off_t is signed 64-bit).
constexpr std::uint64_t kMaxOffset = std::uint64_t(std::numeric_limits<off_t>::max());
} // namespace

BinaryStream::BinaryStream(MemoryBlockPtr block) : m_writable(true), m_block(std::move(block))
{
    if (!m_block)
        m_block = std::make_shared<MemoryBlock>();
}

BinaryStream::BinaryStream(int fd, bool writable) : m_fd(fd), m_writable(writable) {}

BinaryStream::~BinaryStream()
{
    if (m_fd >= 0)
        ::close(m_fd);
}

std::uint64_t BinaryStream::Length() const
{
    if (m_closed)
        return 0;
    if (m_block)
        return m_block->Size();
    struct stat info {};
    return ::fstat(m_fd, &info) == 0 ? std::uint64_t(info.st_size) : 0;
}

void BinaryStream::Failed(int error)
{
    m_writeError = true;
    m_lastError = std::strerror(error);
}

std::string BinaryStream::Read(std::size_t count)
{
    const std::uint64_t length = Length();
    const std::uint64_t available = m_position < length ? length - m_position : 0;
    std::string bytes(std::size_t(std::min<std::uint64_t>(count, available)), '\0');
    std::size_t got = 0;
    if (m_block && !bytes.empty()) {
        const auto from = m_block->Bytes().subspan(std::size_t(m_position), bytes.size());
        std::copy(from.begin(), from.end(), bytes.begin());
        got = bytes.size();
    } else if (!m_block) {
        while (got < bytes.size()) {
            const ssize_t n = ::pread(m_fd, bytes.data() + got, bytes.size() - got, off_t(m_position + got));
            if (n < 0 && errno == EINTR)
                continue;
            if (n <= 0)
                break;
            got += std::size_t(n);
        }
    }
    bytes.resize(got);
    m_position += got;
    if (got < count)
        m_readError = true;
    return bytes;
}

void BinaryStream::Write(std::string_view bytes)
{
    if (m_closed || !m_writable) {
        Failed(EBADF);
        return;
    }
    if (m_position > kMaxOffset - bytes.size()) {
        Failed(EFBIG);
        return;
    }
    if (m_block) {
        const std::uint64_t end = m_position + bytes.size();
        if (end > m_block->Size())
            m_block->SetSize(std::size_t(end));
        std::copy(bytes.begin(), bytes.end(), m_block->Bytes().begin() + std::ptrdiff_t(m_position));
        m_position = end;
        return;
    }
    while (!bytes.empty()) {
        const ssize_t n = ::pwrite(m_fd, bytes.data(), bytes.size(), off_t(m_position));
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0) {
            Failed(n == 0 ? EIO : errno);
            return;
        }
        bytes.remove_prefix(std::size_t(n));
        m_position += std::uint64_t(n);
    }
}

// Numbers go through a block of their size, which knows the byte orders.
MemoryBlock BinaryStream::ReadNumber(std::size_t size)
{
    const std::string bytes = Read(size);
    MemoryBlock number(size);
    number.SetStringValue(0, bytes);
    number.SetLittleEndian(m_littleEndian);
    return number;
}

void BinaryStream::WriteNumber(const MemoryBlock& bytes)
{
    Write(bytes.StringValue(0, bytes.Size()));
}

std::uint8_t BinaryStream::ReadUInt8() { return ReadNumber(1).UInt8Value(0); }
std::int16_t BinaryStream::ReadInt16() { return ReadNumber(2).Int16Value(0); }
std::uint16_t BinaryStream::ReadUInt16() { return ReadNumber(2).UInt16Value(0); }
std::int32_t BinaryStream::ReadInt32() { return ReadNumber(4).Int32Value(0); }
std::uint32_t BinaryStream::ReadUInt32() { return ReadNumber(4).UInt32Value(0); }
double BinaryStream::ReadDouble() { return ReadNumber(8).DoubleValue(0); }

namespace {
template <class T, class Set>
MemoryBlock numberBlock(bool littleEndian, T value, Set set)
{
    MemoryBlock number(sizeof(T));
    number.SetLittleEndian(littleEndian);
    (number.*set)(0, value);
    return number;
}
} // namespace

void BinaryStream::WriteUInt8(std::uint8_t value)
{
    WriteNumber(numberBlock(m_littleEndian, value, &MemoryBlock::SetUInt8Value));
}
void BinaryStream::WriteInt16(std::int16_t value)
{
    WriteNumber(numberBlock(m_littleEndian, value, &MemoryBlock::SetInt16Value));
}
void BinaryStream::WriteUInt16(std::uint16_t value)
{
    WriteNumber(numberBlock(m_littleEndian, value, &MemoryBlock::SetUInt16Value));
}
void BinaryStream::WriteInt32(std::int32_t value)
{
    WriteNumber(numberBlock(m_littleEndian, value, &MemoryBlock::SetInt32Value));
}
void BinaryStream::WriteUInt32(std::uint32_t value)
{
    WriteNumber(numberBlock(m_littleEndian, value, &MemoryBlock::SetUInt32Value));
}
void BinaryStream::WriteDouble(double value)
{
    WriteNumber(numberBlock(m_littleEndian, value, &MemoryBlock::SetDoubleValue));
}

bool BinaryStream::Close()
{
    if (m_closed)
        return !m_writeError;
    m_closed = true;
    if (m_fd >= 0) {
        // A write is on the disk only once synced; close can still report a
        // write-back failure.
        if (m_writable && !m_writeError && ::fsync(m_fd) != 0)
            Failed(errno);
        if (::close(m_fd) != 0 && !m_writeError)
            Failed(errno);
        m_fd = -1;
    }
    return !m_writeError;
}

} // namespace fw
