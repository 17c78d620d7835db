// SPDX-License-Identifier: GPL-3.0-or-later
#include "framework/core/binarystream.h"
#include "framework/core/folderitem.h"
#include "support/testenv.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <cstring>
#include <fstream>
#include <sys/stat.h>

namespace fs = std::filesystem;
using fw::BinaryStream;
using fw::FolderItem;

namespace {
void writeFile(const fs::path& path, const std::string& bytes)
{
    std::ofstream(path, std::ios::binary) << bytes;
}

std::size_t entries(const fs::path& folder)
{
    return std::size_t(std::distance(fs::directory_iterator(folder), fs::directory_iterator()));
}
} // namespace

TEST(FolderItem, StandardFoldersAreTheXDGOnesAndAreCreated)
{
    testenv::TempFolders folders;
    fs::remove_all(folders.config());
    fs::remove_all(folders.desktop());
    const auto prefs = FolderItem::PreferencesFolder();
    EXPECT_EQ(prefs->Path(), folders.config());
    EXPECT_TRUE(prefs->Directory());
    const auto desktop = FolderItem::DesktopFolder();
    EXPECT_EQ(desktop->Path(), folders.desktop());
    EXPECT_TRUE(desktop->Directory());
    EXPECT_TRUE(FolderItem::TemporaryFolder()->Directory());
}

TEST(FolderItem, ChildIsOneNameInsideTheFolder)
{
    const FolderItem folder("/base");
    struct Row {
        const char* name;
        std::string child;
        const char* expected; // nullptr: no child
    };
    const Row rows[] = {
        {"plain", "com.tarcyc Prefs", "/base/com.tarcyc Prefs"},
        {"non-ASCII", "d\xC3\xA9j\xC3\xA0", "/base/d\xC3\xA9j\xC3\xA0"},
        {"slash stays in the name", "a/b", "/base/a:b"},
        {"parent escape", "../x", "/base/..:x"},
        {"absolute name", "/etc/passwd", "/base/:etc:passwd"},
        {"NUL", std::string("a\0b", 3), "/base/a:b"},
        {"empty", "", nullptr},
        {"dot", ".", nullptr},
        {"dot dot", "..", nullptr},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        const auto child = folder.Child(row.child);
        if (!row.expected) {
            EXPECT_EQ(child, nullptr);
            continue;
        }
        ASSERT_NE(child, nullptr);
        EXPECT_EQ(child->NativePath(), row.expected);
        EXPECT_EQ(child->Path().parent_path(), "/base");
    }
}

TEST(FolderItem, WriteAllReadAllAndLength)
{
    testenv::TempFolders folders;
    const auto file = FolderItem::PreferencesFolder()->Child("com.tarcyc Prefs");
    EXPECT_FALSE(file->Exists());
    EXPECT_EQ(file->Length(), -1);
    EXPECT_EQ(file->ReadAll(), std::nullopt);

    const std::string bytes("\x00\x5B\xFF\r\n tail", 9);
    ASSERT_TRUE(file->WriteAll(bytes, "Pref", "R*ch"));
    EXPECT_TRUE(file->Exists());
    EXPECT_FALSE(file->Directory());
    EXPECT_EQ(file->Length(), 9);
    EXPECT_EQ(file->ReadAll(), bytes);
    ASSERT_TRUE(file->WriteAll(std::string("short")));
    EXPECT_EQ(file->ReadAll(), "short");
    ASSERT_TRUE(file->WriteAll(std::string_view()));
    EXPECT_EQ(file->ReadAll(), "");
    // No temporary file is left beside it.
    EXPECT_EQ(entries(folders.config()), 1u);

    const FolderItem folder(folders.config());
    EXPECT_EQ(folder.Length(), -1);
    EXPECT_EQ(folder.ReadAll(), std::nullopt);
}

TEST(FolderItem, FailedWriteAllLeavesTheOldFileWholeAndSaysWhy)
{
    testenv::TempFolders folders;
    const FolderItem base(folders.home());
    const std::string old = "old contents, whole";

    // A write larger than the process may write fails part-way through.
    const auto file = base.Child("prefs");
    writeFile(file->Path(), old);
    bool written = true;
    {
        const testenv::ScopedFileSizeLimit full(4096);
        written = file->WriteAll(std::string(100000, 'x'));
    }
    EXPECT_FALSE(written);
    EXPECT_EQ(file->LastError(), std::strerror(EFBIG));
    EXPECT_EQ(file->ReadAll(), old);

    const fs::path folder = folders.home() / "folder";
    fs::create_directory(folder);
    writeFile(folder / "inside", old);
    ::mkfifo((folders.home() / "fifo").c_str(), 0600);
    fs::create_symlink("fifo", folders.home() / "to-fifo");
    fs::create_symlink(folder, folders.home() / "to-folder");
    fs::create_symlink("loop", folders.home() / "loop");
    struct Row { const char* name; fs::path path; std::string reason; };
    const Row rows[] = {
        {"target is a folder", folder, std::strerror(EISDIR)},
        {"parent missing", folders.home() / "missing" / "file", std::strerror(ENOENT)},
        {"parent is a file", folders.home() / "prefs" / "file", std::strerror(ENOTDIR)},
        {"link to a FIFO", folders.home() / "to-fifo", "Not a regular file"},
        {"link to a folder", folders.home() / "to-folder", std::strerror(EISDIR)},
        {"link to itself", folders.home() / "loop", std::strerror(ELOOP)},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        FolderItem item(row.path);
        EXPECT_FALSE(item.WriteAll(std::string("new")));
        EXPECT_EQ(item.LastError(), row.reason);
    }
    EXPECT_TRUE(fs::is_fifo(folders.home() / "fifo"));
    EXPECT_TRUE(fs::is_directory(folder));
    EXPECT_EQ(FolderItem(folder / "inside").ReadAll(), old);
    // Only what the test made: prefs, folder, the FIFO, three links, and the
    // two TempFolders ones; no temporary file.
    EXPECT_EQ(entries(folders.home()), 8u);
}

TEST(FolderItem, WritesArePrivateAndGoThroughLinksToFiles)
{
    testenv::TempFolders folders;
    const mode_t oldMask = ::umask(022);
    const auto mode = [](const fs::path& p) { return unsigned(fs::status(p).permissions()); };
    // The folders the preferences folder needs are made private.
    ::setenv("XDG_CONFIG_HOME", (folders.home() / "made" / "config").c_str(), 1);
    const auto prefs = FolderItem::PreferencesFolder();
    EXPECT_EQ(mode(folders.home() / "made"), 0700u);
    EXPECT_EQ(mode(prefs->Path()), 0700u);

    // A new file and an existing readable one both end 0600.
    const auto file = prefs->Child("com.tarcyc Prefs");
    ASSERT_TRUE(file->WriteAll(std::string("new")));
    EXPECT_EQ(mode(file->Path()), 0600u);
    const fs::path real = folders.home() / "real";
    writeFile(real, "old");
    fs::permissions(real, fs::perms(0644));
    // A link to a regular file is written through; a dangling one makes its
    // target; the links stay links.
    const fs::path dangling = folders.home() / "made" / "later";
    fs::create_symlink(real, prefs->Path() / "to-real");
    fs::create_symlink("../later", prefs->Path() / "to-later");
    for (const char* name : {"to-real", "to-later"}) {
        SCOPED_TRACE(name);
        const auto link = prefs->Child(name);
        ASSERT_TRUE(link->WriteAll(std::string("through")));
        EXPECT_TRUE(fs::is_symlink(link->Path()));
        EXPECT_EQ(link->ReadAll(), "through");
        EXPECT_EQ(mode(link->Path()), 0600u);
    }
    EXPECT_EQ(FolderItem(dangling).ReadAll(), "through");
    ::umask(oldMask);
}

TEST(FolderItem, DeleteRemovesOnlyFilesAndLinks)
{
    testenv::TempFolders folders;
    const fs::path h = folders.home();
    fs::create_directories(h / "full");
    writeFile(h / "full" / "keep", "k");
    fs::create_directories(h / "empty");
    writeFile(h / "file", "f");
    writeFile(h / "target", "t");
    fs::create_directory_symlink(h / "full", h / "folderlink");
    fs::create_symlink(h / "target", h / "filelink");
    fs::create_symlink(h / "nowhere", h / "dangling");

    struct Row { const char* name; const char* item; bool deleted; };
    const Row rows[] = {
        {"regular file", "file", true},
        {"folder with content", "full", false},
        {"empty folder", "empty", false},
        {"missing", "missing", false},
        {"link to a folder", "folderlink", true},
        {"link to a file", "filelink", true},
        {"dangling link", "dangling", true},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        FolderItem item(h / row.item);
        EXPECT_EQ(item.Delete(), row.deleted);
        std::error_code ec;
        EXPECT_EQ(fs::exists(fs::symlink_status(h / row.item, ec)), !row.deleted && std::string(row.item) != "missing");
    }
    EXPECT_TRUE(fs::exists(h / "full" / "keep"));
    EXPECT_TRUE(fs::exists(h / "target"));
}

TEST(FolderItem, SaveInfoRoundTrips)
{
    testenv::TempFolders folders;
    const auto file = FolderItem::DesktopFolder()->Child("Cyclane 2.dmg");
    const std::string info = file->GetSaveInfo();
    EXPECT_EQ(info, (folders.desktop() / "Cyclane 2.dmg").string());
    const auto back = FolderItem::FromSaveInfo(info);
    ASSERT_NE(back, nullptr);
    EXPECT_EQ(back->Path(), file->Path());
    for (const std::string& bad : {std::string(), std::string("relative/path"), std::string("/a\0b", 4)}) {
        SCOPED_TRACE(bad);
        EXPECT_EQ(FolderItem::FromSaveInfo(bad), nullptr);
    }
}

TEST(BinaryStream, TypedWritesOverABlockFollowTheByteOrder)
{
    auto block = std::make_shared<fw::MemoryBlock>();
    BinaryStream out(block);
    out.WriteUInt16(0x005B);
    out.WriteInt32(-2);
    out.WriteByte(0xAB);
    out.WriteInt16(-3);
    out.WriteDouble(1.5);
    out.Write("ok");
    out.SetLittleEndian(true);
    out.WriteInt32(0x01020304);
    EXPECT_EQ(block->ToString(), std::string("\x00\x5B\xFF\xFF\xFF\xFE\xAB\xFF\xFD\x3F\xF8\0\0\0\0\0\0ok\x04\x03\x02\x01", 23));
    EXPECT_EQ(out.Position(), 23u);
    EXPECT_TRUE(out.EndOfFile());

    BinaryStream in(block);
    EXPECT_EQ(in.ReadUInt16(), 0x005B);
    EXPECT_EQ(in.ReadInt32(), -2);
    EXPECT_EQ(in.ReadByte(), 0xAB);
    EXPECT_EQ(in.ReadInt16(), -3);
    EXPECT_EQ(in.ReadDouble(), 1.5);
    EXPECT_EQ(in.Read(2), "ok");
    in.SetLittleEndian(true);
    EXPECT_EQ(in.ReadInt32(), 0x01020304);
    EXPECT_TRUE(in.EndOfFile());
    // Past the end: zeros, no failure.
    EXPECT_EQ(in.ReadInt32(), 0);
    EXPECT_EQ(in.Read(5), "");
    EXPECT_TRUE(in.Good());

    in.SetPosition(21);
    EXPECT_EQ(in.ReadInt32(), 0x0102); // bytes 02 01, then zeros
    in.SetPosition(20);
    EXPECT_EQ(in.Read(std::uint64_t(-1)), "\x03\x02\x01");

    // Writing beyond the end fills the gap with zeros.
    out.SetPosition(25);
    out.WriteByte(7);
    EXPECT_EQ(block->Size(), 26u);
    EXPECT_EQ(block->Byte(23), 0);
    EXPECT_EQ(block->Byte(25), 7);
}

TEST(BinaryStream, FilesAreCreatedWrittenAndReadBack)
{
    testenv::TempFolders folders;
    const auto file = FolderItem::TemporaryFolder()->Child("cyc-stream-" + std::to_string(::getpid()));
    {
        auto out = file->CreateBinaryFile("application/binary");
        ASSERT_NE(out, nullptr);
        out->WriteInt32(0x12345678);
        out->Write("PNG");
        EXPECT_EQ(out->Length(), 7u);
        EXPECT_TRUE(out->Close());
        out->WriteByte(1); // after Close
        EXPECT_FALSE(out->Good());
    }
    EXPECT_EQ(file->ReadAll(), std::string("\x12\x34\x56\x78PNG"));
    {
        auto io = file->OpenAsBinaryFile(true);
        ASSERT_NE(io, nullptr);
        io->SetPosition(4);
        io->Write("JPG!");
        io->SetPosition(0);
        EXPECT_EQ(io->ReadInt32(), 0x12345678);
        EXPECT_EQ(io->Read(10), "JPG!");
        EXPECT_TRUE(io->EndOfFile());
        EXPECT_TRUE(io->Close());
    }
    {
        auto in = file->OpenAsBinaryFile();
        ASSERT_NE(in, nullptr);
        EXPECT_EQ(in->Length(), 8u);
        in->SetPosition(4);
        in->Write("x"); // read-only
        EXPECT_FALSE(in->Good());
    }
    EXPECT_TRUE(file->Delete());

    EXPECT_EQ(BinaryStream::Open(folders.home() / "missing"), nullptr);
    EXPECT_EQ(BinaryStream::Open(folders.home()), nullptr);
    EXPECT_EQ(BinaryStream::Create(folders.home()), nullptr);
    EXPECT_EQ(BinaryStream::Create(folders.home() / "missing" / "file"), nullptr);
}
