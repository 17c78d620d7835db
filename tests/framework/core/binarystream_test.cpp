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

TEST(BinaryStream, WritesAndReadsTypedValuesInItsByteOrder)
{
    testenv::TempFolders folders;
    const std::string bigEndian("BPrefs\x01\x00\x80\xFF\xFE\xFF\xFF\xFF\xFE\x08\x00\x01\x00\x3F\xF8\0\0\0\0\0\0", 27),
        littleEndian("BPrefs\x00\x01\x80\xFE\xFF\xFE\xFF\xFF\xFF\x00\x01\x00\x08\0\0\0\0\0\0\xF8\x3F", 27);
    for (const bool little : {false, true}) {
        SCOPED_TRACE(little ? "little-endian" : "big-endian");
        FolderItem file(folders.home() / (little ? "little" : "big"));
        const BinaryStreamPtr out = file.CreateBinaryFile("????");
        ASSERT_NE(out, nullptr);
        out->SetLittleEndian(little);
        out->Write("BPrefs");
        out->WriteInt16(0x0100);
        out->WriteUInt8(0x80);
        out->WriteUInt16(0xFFFE);
        out->WriteInt32(-2);
        out->WriteUInt32(0x08000100);
        out->WriteDouble(1.5);
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
    struct Row { const char* name; std::uint64_t from; std::function<bool(BinaryStream&)> reads; bool pastTheEnd;
                 std::uint64_t to; };
    const Row rows[] = {
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

TEST(BinaryStream, ABlockGrowsAsItIsWrittenAndFailedWritesAreReported)
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

    // A full disk: Close reports the failed write.
    const BinaryStreamPtr full = FolderItem(folders.home() / "full").CreateBinaryFile();
    ASSERT_NE(full, nullptr);
    {
        const testenv::ScopedFileSizeLimit limit(4096);
        full->Write(std::string(10000, 'x'));
    }
    EXPECT_TRUE(full->WriteError());
    EXPECT_FALSE(full->Close());
    EXPECT_EQ(full->LastError(), std::strerror(EFBIG));
}

// Whether a name exists and opens as a binary file, and why no new file can
// be made there; a new file is private whatever the mask.
TEST(FolderItem, ExistsOpensAndCreatesFollowingLinksOnlyToRead)
{
    testenv::TempFolders folders;
    const fs::path h = folders.home();
    testenv::WriteFile(h / "file", "f");
    fs::create_directory(h / "folder");
    fs::create_symlink(h / "file", h / "link");
    fs::create_symlink(h / "nowhere", h / "dangling");
    ::mkfifo((h / "fifo").c_str(), 0600);
    struct Row { const char* name; bool exists, opens; int createError; };
    const Row rows[] = {
        {"file", true, true, EEXIST},    {"link", true, true, EEXIST},          {"folder", true, false, EEXIST},
        {"fifo", true, false, EEXIST},   {"dangling", false, false, EEXIST},   {"missing/file", false, false, ENOENT},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        FolderItem item(h / row.name);
        EXPECT_EQ(item.Exists(), row.exists);
        const BinaryStreamPtr stream = item.OpenAsBinaryFile();
        EXPECT_EQ(stream != nullptr, row.opens);
        if (stream) {
            EXPECT_EQ(stream->Read(1), "f");
        }
        EXPECT_EQ(item.CreateBinaryFile(), nullptr);
        EXPECT_EQ(item.LastError(), std::strerror(row.createError));
    }
    EXPECT_EQ(testenv::ReadFile(h / "file"), "f");
    EXPECT_FALSE(fs::exists(h / "nowhere"));

    const mode_t oldMask = ::umask(0277);
    const BinaryStreamPtr made = FolderItem(h / "new").CreateBinaryFile("TEXT");
    ::umask(oldMask);
    ASSERT_NE(made, nullptr);
    EXPECT_EQ(unsigned(fs::status(h / "new").permissions()), 0600u);
    EXPECT_EQ(made->Length(), 0u);
}

TEST(FolderItem, TemporaryFolderIsTmpdirOnlyWhenThatIsAnExistingFolder)
{
    testenv::TempFolders folders;
    const fs::path h = fs::canonical(folders.home());
    fs::create_directory(h / "tmp");
    testenv::WriteFile(h / "file", "f");
    // Relative names would be found from the working folder.
    const fs::path oldWorking = fs::current_path();
    fs::current_path(h);
    const char* old = std::getenv("TMPDIR");
    const std::optional<std::string> oldTmpdir = old ? std::optional<std::string>(old) : std::nullopt;
    const auto setTmpdir = [](const std::optional<std::string>& value) {
        value ? ::setenv("TMPDIR", value->c_str(), 1) : ::unsetenv("TMPDIR");
    };
    struct Row { const char* name; std::optional<std::string> tmpdir; fs::path expected; };
    const Row rows[] = {
        {"unset", std::nullopt, "/tmp"},
        {"an existing folder", (h / "tmp").string(), h / "tmp"},
        {"with a trailing slash", (h / "tmp").string() + "/", h / "tmp"},
        {"a folder that does not exist", (h / "missing").string(), "/tmp"},
        {"a file", (h / "file").string(), "/tmp"},
        {"a relative name of an existing folder", "tmp", "/tmp"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        setTmpdir(row.tmpdir);
        EXPECT_EQ(FolderItem::TemporaryFolder()->Path(), row.expected);
    }
    setTmpdir(oldTmpdir);
    fs::current_path(oldWorking);
}

} // namespace
