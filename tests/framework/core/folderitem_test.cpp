// SPDX-License-Identifier: GPL-3.0-or-later
#include "framework/core/binarystream.h"
#include "framework/core/filehold.h"
#include "framework/core/folderitem.h"
#include "support/testenv.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <cstring>
#include <sys/stat.h>

#include <functional>
#include <set>
#include <tuple>

namespace fs = std::filesystem;
using fw::FolderItem;

namespace {
std::size_t entries(const fs::path& folder)
{
    return std::size_t(std::distance(fs::directory_iterator(folder), fs::directory_iterator()));
}
} // namespace

TEST(FolderItem, ChildIsOneNameInsideTheFolder)
{
    const FolderItem folder("/base");
    // nullptr: no child.
    const std::pair<std::string, const char*> rows[] = {
        {"com.tarcyc Prefs", "/base/com.tarcyc Prefs"}, {"d\xC3\xA9j\xC3\xA0", "/base/d\xC3\xA9j\xC3\xA0"},
        {"a/b", "/base/a:b"}, {"../x", "/base/..:x"}, {"/etc/passwd", "/base/:etc:passwd"},
        {std::string("a\0b", 3), "/base/a:b"}, {"", nullptr}, {".", nullptr}, {"..", nullptr},
    };
    for (const auto& [name, expected] : rows) {
        SCOPED_TRACE(name);
        const auto child = folder.Child(name);
        if (!expected)
            EXPECT_EQ(child, nullptr);
        else
            EXPECT_EQ(child ? child->NativePath() : "none", expected);
    }
}

TEST(FolderItem, FailedWriteAllLeavesTheOldFileWholeAndSaysWhy)
{
    testenv::TempFolders folders;
    const fs::path h = folders.home();
    const std::string old = "old contents, whole";
    // A write larger than the process may write fails part-way through.
    FolderItem file(h / "prefs");
    testenv::WriteFile(file.Path(), old);
    bool written = true;
    {
        const testenv::ScopedFileSizeLimit full(4096);
        written = file.WriteAll(std::string(100000, 'x'));
    }
    EXPECT_FALSE(written);
    EXPECT_EQ(file.LastError(), std::strerror(EFBIG));
    EXPECT_EQ(file.ReadAll(), old);

    fs::create_directory(h / "folder");
    testenv::WriteFile(h / "folder" / "inside", old);
    ::mkfifo((h / "fifo").c_str(), 0600);
    fs::create_symlink("fifo", h / "to-fifo");
    fs::create_symlink(h / "folder", h / "to-folder");
    fs::create_symlink("loop", h / "loop");
    const std::pair<fs::path, std::string> rows[] = {
        {h / "folder", std::strerror(EISDIR)},       {h / "missing" / "file", std::strerror(ENOENT)},
        {h / "prefs" / "file", std::strerror(ENOTDIR)}, {h / "to-fifo", "Not a regular file"},
        {h / "to-folder", std::strerror(EISDIR)},    {h / "loop", std::strerror(ELOOP)},
    };
    for (const auto& [path, reason] : rows) {
        FolderItem item(path);
        EXPECT_FALSE(item.WriteAll(std::string("new")));
        EXPECT_EQ(item.LastError(), reason) << path;
    }
    EXPECT_TRUE(fs::is_fifo(h / "fifo"));
    EXPECT_EQ(FolderItem(h / "folder" / "inside").ReadAll(), old);
    // Only what the test made (and the two TempFolders ones); no temporary file.
    EXPECT_EQ(entries(h), 8u);
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
    const fs::path real = folders.home() / "real";
    testenv::WriteFile(real, "old");
    fs::permissions(real, fs::perms(0644));
    // A new file and an existing readable one both end 0600; a link to a
    // regular file is written through, a dangling one makes its target, and
    // the links stay links.
    fs::create_symlink(real, prefs->Path() / "to-real");
    fs::create_symlink("../later", prefs->Path() / "to-later");
    for (const char* name : {"com.tarcyc Prefs", "to-real", "to-later"}) {
        SCOPED_TRACE(name);
        const auto file = prefs->Child(name);
        ASSERT_TRUE(file->WriteAll(std::string("through")));
        EXPECT_EQ(fs::is_symlink(file->Path()), name[0] == 't');
        EXPECT_EQ(mode(file->Path()), 0600u);
    }
    EXPECT_EQ(entries(prefs->Path()), 3u) << "no temporary file is left beside";
    EXPECT_EQ(FolderItem(real).ReadAll(), "through");
    EXPECT_EQ(FolderItem(folders.home() / "made" / "later").ReadAll(), "through");
    ::umask(oldMask);
}

TEST(FolderItem, DeleteRemovesOnlyFilesAndLinks)
{
    testenv::TempFolders folders;
    const fs::path h = folders.home();
    fs::create_directories(h / "full");
    testenv::WriteFile(h / "full" / "keep", "k");
    fs::create_directories(h / "empty");
    testenv::WriteFile(h / "file", "f");
    testenv::WriteFile(h / "target", "t");
    fs::create_directory_symlink(h / "full", h / "folderlink");
    fs::create_symlink(h / "target", h / "filelink");
    fs::create_symlink(h / "nowhere", h / "dangling");
    const std::pair<const char*, bool> rows[] = {
        {"file", true},       {"full", false},     {"empty", false},    {"missing", false},
        {"folderlink", true}, {"filelink", true},  {"dangling", true},
    };
    for (const auto& [name, deleted] : rows) {
        SCOPED_TRACE(name);
        EXPECT_EQ(FolderItem(h / name).Delete(), deleted);
        EXPECT_EQ(fs::exists(fs::symlink_status(h / name)), !deleted && std::string(name) != "missing");
    }
    EXPECT_TRUE(fs::exists(h / "full" / "keep"));
    EXPECT_TRUE(fs::exists(h / "target"));
}

// A copy never replaces what has its name; the temporary files of killed
// writes go, beside the name and beside a link's target, unless a write
// holds them.
TEST(FolderItem, CopiesReplaceNothingAndOnlyUnheldLeftoversGo)
{
    testenv::TempFolders folders;
    const fs::path h = folders.home(), sub = h / "sub";
    fs::create_directory(sub);
    FolderItem linked(h / "linked");
    fs::create_symlink(sub / "target", linked.Path());
    testenv::WriteFile(h / "taken", "theirs");
    EXPECT_FALSE(linked.WriteCopyAtomically(FolderItem(h / "taken"), [](fw::BinaryStream& s) { s.Write("copy"); }));
    EXPECT_EQ(linked.LastError(), std::strerror(EEXIST));
    EXPECT_TRUE(linked.WriteCopyAtomically(FolderItem(h / "free"), [](fw::BinaryStream& s) { s.Write("copy"); }));
    EXPECT_EQ(FolderItem(h / "taken").ReadAll(), "theirs");
    EXPECT_EQ(FolderItem(h / "free").ReadAll(), "copy");
    EXPECT_EQ(unsigned(fs::status(h / "free").permissions()), 0600u);

    const std::pair<fs::path, bool> rows[] = {
        {h / "linked.tmp-a1B2c3", true}, {sub / "target.tmp-Zz9Yy8", true},
        {sub / "target.tmp-held00", false}, {h / "linked.tmp-short", false}, {h / "linked.tmp-a1B2c3d", false},
        {h / "other.tmp-a1B2c3", false},
    };
    for (const auto& [path, goes] : rows)
        testenv::WriteFile(path, "left");
    fs::create_symlink(h / "taken", h / "linked.tmp-link00");
    const auto hold = fw::FileHold::Open(FolderItem(sub / "target.tmp-held00"));
    ASSERT_NE(hold, nullptr);
    EXPECT_EQ(linked.RemoveLeftoverTemporaryFiles(), 2);
    for (const auto& [path, goes] : rows)
        EXPECT_EQ(fs::exists(path), !goes) << path;
    EXPECT_TRUE(fs::is_symlink(h / "linked.tmp-link00"));
}

// A Mac type, creator and visibility live on the item as given: a new item
// has none and is visible; creating or writing a file takes a type (and
// WriteAll a creator) only on success. Nothing of them reaches the disk: no
// file is renamed or changed.
TEST(FolderItem, MacTypeCreatorAndVisibleAreDataOfTheItemOnly)
{
    testenv::TempFolders folders;
    const fs::path h = folders.home() / "files";
    fs::create_directories(h / "folder");
    testenv::WriteFile(h / "set", "s");
    using Act = std::function<void(FolderItem&)>;
    const Act write = [](FolderItem& f) { f.WriteAll("w", "TEXT", "R*ch"); };
    struct Row { const char* name; Act act; std::tuple<std::string, std::string, bool> expected; };
    const Row rows[] = {
        {"new", [](FolderItem&) {}, {"", "", true}},
        {"set",
         [](FolderItem& f) {
             f.SetMacType("dmg");
             f.SetMacCreator("dmg");
             f.SetVisible(false);
         },
         {"dmg", "dmg", false}},
        // The second creation is refused: the name is taken.
        {"created",
         [](FolderItem& f) {
             f.CreateBinaryFile("????");
             f.CreateBinaryFile("TEXT");
         },
         {"????", "", true}},
        {"written", write, {"TEXT", "R*ch", true}},
        {"folder", write, {"", "", true}},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        FolderItem item(h / row.name);
        row.act(item);
        EXPECT_EQ(std::tuple(item.MacType(), item.MacCreator(), item.Visible()), row.expected);
    }
    std::set<std::string> names;
    for (const auto& entry : fs::directory_iterator(h))
        names.insert(entry.path().filename().string());
    EXPECT_EQ(names, (std::set<std::string>{"created", "folder", "set", "written"}));
    EXPECT_EQ(testenv::ReadFile(h / "set"), "s");
    EXPECT_EQ(testenv::ReadFile(h / "written"), "w");
}
