// SPDX-License-Identifier: GPL-3.0-or-later
#include "framework/core/binarystream.h"
#include "framework/core/folderitem.h"
#include "support/testenv.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <functional>
#include <optional>
#include <string>
#include <sys/stat.h>
#include <unistd.h>

namespace fs = std::filesystem;
using fw::BinaryStream;
using fw::BinaryStreamPtr;
using fw::FolderItem;

namespace {

void writeEveryKind(BinaryStream& s)
{
    s.Write("BPrefs");
    s.WriteInt16(0x0100);
    s.WriteUInt8(0x80);
    s.WriteUInt16(0xFFFE);
    s.WriteInt32(-2);
    s.WriteUInt32(0x08000100);
    s.WriteDouble(1.5);
}

TEST(BinaryStream, WritesAndReadsTypedValuesInItsByteOrder)
{
    testenv::TempFolders folders;
    const std::string bigEndian = std::string("BPrefs\x01\x00\x80\xFF\xFE\xFF\xFF\xFF\xFE\x08\x00\x01\x00", 19)
        + std::string("\x3F\xF8\0\0\0\0\0\0", 8);
    const std::string littleEndian = std::string("BPrefs\x00\x01\x80\xFE\xFF\xFE\xFF\xFF\xFF\x00\x01\x00\x08", 19)
        + std::string("\0\0\0\0\0\0\xF8\x3F", 8);
    for (const bool little : {false, true}) {
        SCOPED_TRACE(little ? "little-endian" : "big-endian");
        FolderItem file(folders.home() / (little ? "little" : "big"));
        const BinaryStreamPtr out = file.CreateBinaryFile("????");
        ASSERT_NE(out, nullptr);
        out->SetLittleEndian(little);
        writeEveryKind(*out);
        EXPECT_EQ(out->Position(), 27u);
        EXPECT_EQ(out->Length(), 27u);
        EXPECT_TRUE(out->Close());
        EXPECT_EQ(testenv::ReadFile(file.Path()), little ? littleEndian : bigEndian);

        const BinaryStreamPtr in = file.OpenAsBinaryFile();
        ASSERT_NE(in, nullptr);
        in->SetLittleEndian(little);
        EXPECT_EQ(in->Read(6), "BPrefs");
        EXPECT_EQ(in->ReadInt16(), 0x0100);
        EXPECT_EQ(in->ReadUInt8(), 0x80);
        EXPECT_EQ(in->ReadUInt16(), 0xFFFE);
        EXPECT_EQ(in->ReadInt32(), -2);
        EXPECT_EQ(in->ReadUInt32(), 0x08000100u);
        EXPECT_FALSE(in->EndOfFile());
        EXPECT_EQ(in->ReadDouble(), 1.5);
        EXPECT_TRUE(in->EndOfFile());
        EXPECT_FALSE(in->ReadError());
        // Back to a position, and over what is there.
        in->SetPosition(6);
        EXPECT_EQ(in->ReadUInt8(), little ? 0x00 : 0x01);
    }
}

// A file or a block holding 01 02 03; each row starts at a position and
// reads. What is not there reads as zero, the position stops at the end and
// the stream says so.
TEST(BinaryStream, ReadingPastTheEndIsSafeAndSaysSo)
{
    struct Row {
        const char* name;
        std::uint64_t from;
        std::function<bool(BinaryStream&)> reads;
        bool pastTheEnd;
        std::uint64_t to;
    };
    const Row rows[] = {
        {"one byte", 0, [](BinaryStream& s) { return s.ReadUInt8() == 1; }, false, 1},
        {"all three bytes", 0, [](BinaryStream& s) { return s.Read(3) == "\x01\x02\x03"; }, false, 3},
        {"more bytes than there are", 1, [](BinaryStream& s) { return s.Read(10) == "\x02\x03"; }, true, 3},
        {"a 32-bit number over the end", 0, [](BinaryStream& s) { return s.ReadUInt32() == 0x01020300u; }, true, 3},
        {"a 16-bit number at the end", 3, [](BinaryStream& s) { return s.ReadInt16() == 0; }, true, 3},
        {"a double far past the end", 100, [](BinaryStream& s) { return s.ReadDouble() == 0.0; }, true, 100},
        {"nothing, at the end", 3, [](BinaryStream& s) { return s.Read(0).empty(); }, false, 3},
    };
    testenv::TempFolders folders;
    testenv::WriteFile(folders.home() / "three", "\x01\x02\x03");
    for (const Row& row : rows) {
        for (const bool inFile : {true, false}) {
            SCOPED_TRACE(std::string(row.name) + (inFile ? ", file" : ", block"));
            const BinaryStreamPtr stream = inFile ? FolderItem(folders.home() / "three").OpenAsBinaryFile()
                : std::make_shared<BinaryStream>(
                    std::make_shared<fw::MemoryBlock>(fw::MemoryBlock::FromString("\x01\x02\x03")));
            ASSERT_NE(stream, nullptr);
            stream->SetLittleEndian(false);
            stream->SetPosition(row.from);
            EXPECT_TRUE(row.reads(*stream));
            EXPECT_EQ(stream->ReadError(), row.pastTheEnd);
            EXPECT_EQ(stream->Position(), row.to);
            EXPECT_EQ(stream->EndOfFile(), row.to >= 3);
        }
    }
}

TEST(BinaryStream, ABlockGrowsAsItIsWrittenAndAReadOnlyFileIsNot)
{
    const auto block = std::make_shared<fw::MemoryBlock>();
    BinaryStream memory(block);
    memory.SetLittleEndian(false);
    memory.SetPosition(2);
    memory.WriteUInt16(0x5B);
    EXPECT_EQ(block->ToString(), std::string("\0\0\0\x5B", 4));
    EXPECT_TRUE(memory.Close());

    testenv::TempFolders folders;
    FolderItem file(folders.home() / "kept");
    testenv::WriteFile(file.Path(), "kept");
    const BinaryStreamPtr reading = file.OpenAsBinaryFile();
    ASSERT_NE(reading, nullptr);
    reading->Write("lost");
    EXPECT_TRUE(reading->WriteError());
    EXPECT_FALSE(reading->Close());
    // Closed, it reads nothing.
    EXPECT_EQ(reading->Read(4), "");
    EXPECT_TRUE(reading->ReadError());

    const BinaryStreamPtr both = file.OpenAsBinaryFile(true);
    ASSERT_NE(both, nullptr);
    both->SetPosition(2);
    both->Write("ep it");
    EXPECT_TRUE(both->Close());
    EXPECT_EQ(testenv::ReadFile(file.Path()), "keep it");
}

TEST(BinaryStream, AFailedWriteIsReportedByClose)
{
    testenv::TempFolders folders;
    FolderItem file(folders.home() / "full");
    const BinaryStreamPtr stream = file.CreateBinaryFile();
    ASSERT_NE(stream, nullptr);
    {
        const testenv::ScopedFileSizeLimit full(4096);
        stream->Write(std::string(10000, 'x'));
    }
    EXPECT_TRUE(stream->WriteError());
    EXPECT_FALSE(stream->Close());
    EXPECT_EQ(stream->LastError(), std::strerror(EFBIG));
}

TEST(FolderItem, CreateBinaryFileMakesOnlyNewPrivateFiles)
{
    testenv::TempFolders folders;
    const fs::path h = folders.home();
    const mode_t oldMask = ::umask(0277);
    const BinaryStreamPtr made = FolderItem(h / "new").CreateBinaryFile("TEXT");
    ::umask(oldMask);
    ASSERT_NE(made, nullptr);
    EXPECT_EQ(unsigned(fs::status(h / "new").permissions()), 0600u);
    EXPECT_EQ(made->Length(), 0u);

    testenv::WriteFile(h / "taken", "old");
    fs::create_symlink(h / "nowhere", h / "dangling");
    fs::create_directory(h / "folder");
    const std::pair<fs::path, int> rows[] = {
        {h / "taken", EEXIST}, {h / "dangling", EEXIST}, {h / "folder", EEXIST}, {h / "missing" / "file", ENOENT},
    };
    for (const auto& [path, error] : rows) {
        SCOPED_TRACE(path.string());
        FolderItem item(path);
        EXPECT_EQ(item.CreateBinaryFile(), nullptr);
        EXPECT_EQ(item.LastError(), std::strerror(error));
    }
    EXPECT_EQ(testenv::ReadFile(h / "taken"), "old");
    EXPECT_FALSE(fs::exists(h / "nowhere"));
}

TEST(FolderItem, ExistsAndOpenAsBinaryFileFollowLinksToFiles)
{
    testenv::TempFolders folders;
    const fs::path h = folders.home();
    testenv::WriteFile(h / "file", "f");
    fs::create_directory(h / "folder");
    fs::create_symlink(h / "file", h / "link");
    fs::create_symlink(h / "nowhere", h / "dangling");
    ::mkfifo((h / "fifo").c_str(), 0600);
    struct Row {
        const char* name;
        bool exists;
        bool opens;
    };
    const Row rows[] = {
        {"file", true, true},    {"link", true, true},  {"folder", true, false},
        {"fifo", true, false},   {"dangling", false, false}, {"missing", false, false},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        const FolderItem item(h / row.name);
        EXPECT_EQ(item.Exists(), row.exists);
        const BinaryStreamPtr stream = item.OpenAsBinaryFile();
        EXPECT_EQ(stream != nullptr, row.opens);
        if (stream) {
            EXPECT_EQ(stream->Read(1), "f");
        }
    }
}

// Sets TMPDIR (or clears it, for nullptr) for its lifetime.
class ScopedTmpdir {
public:
    explicit ScopedTmpdir(const char* value)
    {
        if (const char* old = std::getenv("TMPDIR"))
            m_old = old;
        if (value)
            ::setenv("TMPDIR", value, 1);
        else
            ::unsetenv("TMPDIR");
    }
    ~ScopedTmpdir()
    {
        if (m_old)
            ::setenv("TMPDIR", m_old->c_str(), 1);
        else
            ::unsetenv("TMPDIR");
    }
    ScopedTmpdir(const ScopedTmpdir&) = delete;
    ScopedTmpdir& operator=(const ScopedTmpdir&) = delete;

private:
    std::optional<std::string> m_old;
};

TEST(FolderItem, TemporaryFolderIsTmpdirOnlyWhenThatIsAnExistingFolder)
{
    testenv::TempFolders folders;
    const fs::path h = fs::canonical(folders.home());
    fs::create_directory(h / "tmp");
    testenv::WriteFile(h / "file", "f");
    // Relative names would be found from the working folder.
    const fs::path oldWorking = fs::current_path();
    fs::current_path(h);
    struct Row {
        const char* name;
        std::optional<std::string> tmpdir;
        fs::path expected;
    };
    const Row rows[] = {
        {"unset", std::nullopt, "/tmp"},
        {"empty", "", "/tmp"},
        {"an existing folder", (h / "tmp").string(), h / "tmp"},
        {"with a trailing slash", (h / "tmp").string() + "/", h / "tmp"},
        {"a folder that does not exist", (h / "missing").string(), "/tmp"},
        {"a file", (h / "file").string(), "/tmp"},
        {"a relative name of an existing folder", "tmp", "/tmp"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        const ScopedTmpdir tmpdir(row.tmpdir ? row.tmpdir->c_str() : nullptr);
        EXPECT_EQ(FolderItem::TemporaryFolder()->Path(), row.expected);
    }
    fs::current_path(oldWorking);
}

} // namespace
