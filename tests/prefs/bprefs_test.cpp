// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <chrono>
#include <csignal>
#include <filesystem>
#include <fstream>
#include <functional>
#include <set>
#include <stdexcept>
#include <utility>

#include <sys/wait.h>
#include <unistd.h>

#include "framework/core/binarystream.h"
#include "framework/core/folderitem.h"
#include "prefs/bdictionary.h"
#include "prefs/bprefs.h"
#include "prefs/bprefs_seam.h"
#include "prefs_test_util.h"
#include "support/testenv.h"

using namespace prefstest;
namespace fs = std::filesystem;

namespace {

class BPrefsTest : public ::testing::Test {
protected:
    void SetUp() override { BPrefs::ResetForTesting(); }
    void TearDown() override { BPrefs::ResetForTesting(); }

    fs::path file() const { return folders.config() / "com.tarcyc Prefs"; }
    fs::path damaged() const { return folders.config() / "com.tarcyc Prefs.damaged"; }
    void writeFile(const std::string& data = "") const { std::ofstream(file(), std::ios::binary) << data; }
    std::string readFile() const { return fw::FolderItem(file()).ReadAll().value_or(""); }
    // Reads the file back as the next run of the program would.
    void restart() const { BPrefs::ResetForTesting(); }

    testenv::TempFolders folders;
};

std::string header(std::string_view version, std::string_view flag)
{
    return "BPrefs" + bytes(version) + bytes(flag);
}

std::string enciphered(const std::string& plain)
{
    const fw::MemoryBlockPtr body = block(plain);
    BDictionary::Encrypt(body, BPrefs::GenerateKey());
    return body->ToString();
}

// A value for each key of the store.
std::vector<std::pair<const char*, fw::Variant>> allFourteen()
{
    return {{"durciclo", "31"},   {"luteo", "12"},         {"fechamens1", fw::Date(2024, 2, 29, 13, 45, 7)},
            {"rbevitar", false},  {"rbconcebir", false},   {"rbnino", true},     {"rbnina", false},
            {"disclaimer", false}, {"helptip", true},      {"ckupdt", false},    {"durmens", std::int32_t(4)},
            {"fertpre", std::int32_t(0)}, {"fertpost", std::int32_t(2)}, {"app_vers", std::int32_t(1)}};
}

} // namespace

TEST_F(BPrefsTest, SetOrSaveBeforeAnyReadKeepsTheFileKeys)
{
    BPrefs::SetValue("durciclo", "30");
    ASSERT_TRUE(BPrefs::Save());
    restart();
    ASSERT_TRUE(BPrefs::Save()); // nothing read or set first
    restart();
    BPrefs::SetValue("luteo", "13");
    ASSERT_TRUE(BPrefs::Save());
    restart();
    EXPECT_EQ(BPrefs::Value("durciclo").AsString(), "30");
    EXPECT_EQ(BPrefs::Value("luteo").AsString(), "13");
}

// Value gives the stored object itself: a change made through the date it
// returns is what the next Value sees and the next save writes, for a date
// set in this run as for one loaded from the file. A date set by reference
// is held itself. An absent key is the dictionary's failure.
TEST_F(BPrefsTest, ValueGivesTheStoredObjectItself)
{
    BPrefs::SetValue("fechamens1", fw::Date(2007, 3, 5, 10, 30, 0));
    for (const char* moment : {"2007-03-20 10:30:00", "2008-03-20 10:30:00"}) {
        SCOPED_TRACE(moment);
        const fw::DatePtr date = BPrefs::Value("fechamens1").AsDate();
        ASSERT_NE(date, nullptr);
        ASSERT_TRUE(date->SetSQLDateTime(moment));
        EXPECT_EQ(BPrefs::Value("fechamens1").AsDate(), date);
        ASSERT_TRUE(BPrefs::Save());
        restart();
        EXPECT_EQ(BPrefs::Value("fechamens1").AsDate()->SQLDateTime(), moment);
    }
    const auto mine = std::make_shared<fw::Date>(2009, 1, 2);
    BPrefs::SetValue("fechamens1", mine);
    EXPECT_EQ(BPrefs::Value("fechamens1").AsDate(), mine);
    EXPECT_THROW(BPrefs::Value("durciclo"), fw::KeyNotFoundException);
}

TEST_F(BPrefsTest, FailedSavesLeaveTheFileAsItWasAndTheStoreWorking)
{
    // A value without a record.
    BPrefs::SetValue("durciclo", "29");
    ASSERT_TRUE(BPrefs::Save());
    const std::string before = readFile();
    BPrefs::SetValue("luteo", std::int64_t(13));
    EXPECT_FALSE(BPrefs::Save());
    EXPECT_EQ(hex(readFile()), hex(before));
    BPrefs::SetValue("luteo", "13");
    EXPECT_TRUE(BPrefs::Save());

    // A file that cannot be read is not replaced.
    fs::remove(file());
    restart();
    writeFile("unread");
    fs::permissions(file(), fs::perms::none);
    {
        const testenv::ScopedModeBitsBind unprivileged;
        EXPECT_FALSE(BPrefs::HasKey("durciclo"));
    }
    EXPECT_FALSE(BPrefs::Save());
    EXPECT_EQ(readFile(), "unread");
}

TEST(BPrefsData, HeaderVariants)
{
    struct Row { const char* name; std::string data; bool loads, whole = false; };
    const Row rows[] = {
        {"version 0x0100 enciphered", header("01 00", "80") + enciphered(kDurciclo), true, true},
        {"flag 0x00: plain body", header("01 00", "00") + kDurciclo, true, true},
        {"flag 0xFF: plain body", header("01 00", "FF") + kDurciclo, true, true},
        {"version 0x0101", header("01 01", "80") + enciphered(kDurciclo), true},
        {"version 0x7FFF", header("7F FF", "00") + kDurciclo, true},
        {"version 0x8000 (negative)", header("80 00", "80") + enciphered(kDurciclo), false},
        {"version 0", header("00 00", "00") + kDurciclo, false},
        {"magic in lower case", "bprefs" + bytes("01 00 00") + kDurciclo, false},
        {"plain body marked enciphered", header("01 00", "80") + kDurciclo, false},
        {"enciphered body marked plain", header("01 00", "00") + enciphered(kDurciclo), false},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        const auto [direct, whole] = BPrefs::LoadPrefsData(row.data);
        ASSERT_TRUE(direct);
        EXPECT_EQ(direct->HasKey("durciclo"), row.loads);
        // A later version may hold what this one would drop.
        EXPECT_EQ(whole, row.whole);
    }
}

TEST_F(BPrefsTest, CorruptedFiles)
{
    // A store of the fourteen keys as a file, to damage; the app tests read
    // their values back after a restart.
    EXPECT_EQ(BPrefs::PrefsFile()->Path(), file());
    for (const auto& [key, value] : allFourteen())
        BPrefs::SetValue(key, value);
    ASSERT_TRUE(BPrefs::Save());
    const std::string good = readFile();
    EXPECT_EQ(hex(good.substr(0, 9)), hex(header("01 00", "80")));
    restart();

    std::string flipped = good;
    flipped[good.size() - 10] = char(flipped[good.size() - 10] ^ 0x5A);
    const fw::MemoryBlockPtr plain = block(good.substr(9));
    BDictionary::Decrypt(plain, BPrefs::GenerateKey());
    const std::string body = plain->ToString();
    // The first key offset of the body with its top byte set.
    std::string badFirstOffset = body;
    badFirstOffset[2] = '\x7F';
    std::string selfReference = body;
    selfReference.replace(6, 4, bytes("00 00 00 00"));

    // kept: the file held bytes the store drops, so a copy is kept.
    struct Row { const char* name; std::string data; std::size_t minKeys, maxKeys; bool kept = true; };
    const Row rows[] = {
        {"intact", good, 14, 14, false},
        {"empty file", "", 0, 0},
        {"header only", good.substr(0, 9), 0, 0},
        {"body cut to its tag", good.substr(0, 11), 0, 0, false},
        {"body cut in the middle", good.substr(0, good.size() / 2), 1, 13},
        {"last byte missing", good.substr(0, good.size() - 1), 13, 13},
        {"one byte garbled near the end", flipped, 13, 14, false},
        {"trailing garbage", good + "garbage", 14, 14},
        {"first key offset out of range", header("01 00", "00") + badFirstOffset, 0, 0},
        {"first value offset back to the start", header("01 00", "00") + selfReference, 13, 13},
        {"random bytes after a good header", header("01 00", "80") + std::string(300, '\x9C'), 0, 14},
        {"header and a lone dictionary tag", header("01 00", "00") + bytes("00 5B"), 0, 0, false},
        {"header and the nil record", header("01 00", "00") + bytes("00 33"), 0, 0},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        restart();
        writeFile(row.data);
        std::size_t present = 0;
        for (const auto& [key, value] : allFourteen())
            present += BPrefs::HasKey(key) ? 1 : 0;
        EXPECT_GE(present, row.minKeys);
        EXPECT_LE(present, row.maxKeys);
        // Whatever was read, the store keeps working and saves; what did not
        // load whole is kept first, by that save only.
        fs::remove(damaged());
        BPrefs::SetValue("durciclo", "27");
        EXPECT_TRUE(BPrefs::Save());
        EXPECT_EQ(BPrefs::LastSave().damagedCopy != nullptr, row.kept);
        EXPECT_EQ(fw::FolderItem(damaged()).ReadAll(), row.kept ? std::optional(row.data) : std::nullopt);
        EXPECT_TRUE(BPrefs::Save());
        EXPECT_EQ(BPrefs::LastSave().damagedCopy, nullptr);
        restart();
        EXPECT_EQ(BPrefs::Value("durciclo").AsString(), "27");
    }
}

// Each file that did not load whole is kept under the next free name, so
// that no copy replaces an earlier one, nor anything else of that name.
TEST_F(BPrefsTest, FilesKeptAsideAndWhy)
{
    BPrefs::SetValue("durciclo", "31");
    ASSERT_TRUE(BPrefs::Save());
    const std::string later = header("01 01", "80") + readFile().substr(9);
    const std::string tooLarge = later + std::string(16 * 1024 * 1024, '\0');
    const fs::path link = folders.config() / "com.tarcyc Prefs.damaged 3";
    fs::create_symlink("elsewhere", link);
    // moved: too large to read, so the file itself is renamed, not copied.
    struct Row { std::string data; bool loads, moved, laterVersion; const char* copy; };
    const Row rows[] = {{later, true, false, true, "com.tarcyc Prefs.damaged"},
                        {later.substr(0, later.size() - 1), true, false, false, "com.tarcyc Prefs.damaged 2"},
                        {tooLarge, false, true, false, "com.tarcyc Prefs.damaged 4"}};
    for (const Row& row : rows) {
        SCOPED_TRACE(row.copy);
        restart();
        writeFile(row.data);
        const auto identity = fw::FolderItem(file()).Identity();
        EXPECT_EQ(BPrefs::HasKey("durciclo"), row.loads);
        EXPECT_TRUE(BPrefs::Save());
        EXPECT_EQ(BPrefs::LastSave().laterVersion, row.laterVersion);
        ASSERT_NE(BPrefs::LastSave().damagedCopy, nullptr);
        EXPECT_EQ(BPrefs::LastSave().damagedCopy->Path(), folders.config() / row.copy);
        EXPECT_EQ(fw::FolderItem(folders.config() / row.copy).Identity() == identity, row.moved);
    }
    for (const Row& row : rows)
        EXPECT_EQ(fs::file_size(folders.config() / row.copy), row.data.size()) << row.copy;
    EXPECT_EQ(fs::read_symlink(link), "elsewhere");
}

TEST(BPrefsData, StoresOfUpTo8191EntriesReadBackWhole)
{
    // 8191 entries is the largest store whose first offset fits in 16 bits.
    // A larger one is not recognised at its start: it loads as an empty
    // store that did not load whole, so that a save keeps the file aside.
    for (const std::int32_t n : {8191, 8192, 100000}) {
        SCOPED_TRACE(n);
        const auto store = std::make_shared<fw::Dictionary>();
        for (std::int32_t i = 0; i < n; ++i)
            store->SetValue("key" + std::to_string(i), i);
        const auto file = BPrefs::PrefsData(store);
        ASSERT_TRUE(file);
        const auto [read, whole] = BPrefs::LoadPrefsData(*file);
        EXPECT_EQ(whole, n <= 8191);
        EXPECT_TRUE(sameDictionary(*read, n <= 8191 ? *store : fw::Dictionary()));
    }
}

namespace {

// A save by another instance of the program: a child process writes the
// bytes to the settings file as a save does, and stops half-way until it is
// told to go on, or killed there.
class SaveInAnotherProcess {
public:
    SaveInAnotherProcess(const fw::FolderItemPtr& file, const std::string& data)
    {
        int toParent[2], toChild[2];
        if (::pipe(toParent) != 0 || ::pipe(toChild) != 0)
            throw std::runtime_error("no pipe");
        m_pid = ::fork();
        if (m_pid == 0) {
            char c = 1;
            const bool written = file->WriteAtomically([&](fw::BinaryStream& stream) {
                stream.Write(data.substr(0, data.size() / 2));
                if (::write(toParent[1], &c, 1) != 1 || ::read(toChild[0], &c, 1) != 1)
                    ::_exit(2);
                stream.Write(data.substr(data.size() / 2));
            });
            ::_exit(written ? 0 : 1);
        }
        ::close(toParent[1]);
        ::close(toChild[0]);
        m_toChild = toChild[1];
        char c = 0;
        EXPECT_EQ(::read(toParent[0], &c, 1), 1) << "the save reached its middle";
        ::close(toParent[0]);
    }
    ~SaveInAnotherProcess()
    {
        if (m_pid > 0)
            Kill();
        ::close(m_toChild);
    }
    SaveInAnotherProcess(const SaveInAnotherProcess&) = delete;
    SaveInAnotherProcess& operator=(const SaveInAnotherProcess&) = delete;

    // Killed in the middle of its save, as a crash or a power cut does.
    void Kill()
    {
        ::kill(m_pid, SIGKILL);
        ::waitpid(std::exchange(m_pid, 0), nullptr, 0);
    }
    // Goes on to the end; whether its save succeeded.
    bool Finish()
    {
        const char c = 1;
        int status = -1;
        EXPECT_EQ(::write(m_toChild, &c, 1), 1);
        ::waitpid(std::exchange(m_pid, 0), &status, 0);
        return WIFEXITED(status) && WEXITSTATUS(status) == 0;
    }

private:
    pid_t m_pid = 0;
    int m_toChild = -1;
};

} // namespace

// A save killed half-way leaves its temporary file; the next start removes
// it, but never the one of a save that another instance is making at that
// moment, and neither instance's save disturbs the other's.
TEST_F(BPrefsTest, AKilledSavesLeftoverGoesAtTheNextStartARunningOnesStays)
{
    // Names a save does not make stay whatever their age.
    const std::set<fs::path> others = {folders.config() / "com.tarcyc Prefs.damaged",
                                       folders.config() / "com.tarcyc Prefs.backup",
                                       folders.config() / "com.tarcyc Prefs.tmp-12345"};
    const auto temporaries = [&] {
        std::set<std::string> names;
        for (const auto& entry : fs::directory_iterator(folders.config()))
            if (entry.path().filename().string().starts_with("com.tarcyc Prefs.tmp-") && !others.count(entry.path()))
                names.insert(entry.path().filename().string());
        return names;
    };
    BPrefs::SetValue("durciclo", "30");
    ASSERT_TRUE(BPrefs::Save());
    for (const fs::path& other : others) {
        std::ofstream(other) << "theirs";
        fs::last_write_time(other, fs::file_time_type::clock::now() - std::chrono::hours(1));
    }

    SaveInAnotherProcess killed(BPrefs::PrefsFile(), std::string(4096, 'k'));
    killed.Kill();
    const auto leftover = temporaries();
    ASSERT_EQ(leftover.size(), 1u);
    SaveInAnotherProcess running(BPrefs::PrefsFile(), *BPrefs::PrefsData(dict({{"durciclo", "32"}})));
    auto itsOwn = temporaries();
    for (const std::string& name : leftover)
        itsOwn.erase(name);
    ASSERT_EQ(itsOwn.size(), 1u);

    restart();
    EXPECT_EQ(BPrefs::Value("durciclo").AsString(), "30");
    EXPECT_EQ(temporaries(), itsOwn);
    BPrefs::SetValue("luteo", "12");
    EXPECT_TRUE(BPrefs::Save());
    EXPECT_EQ(temporaries(), itsOwn);

    EXPECT_TRUE(running.Finish());
    EXPECT_TRUE(temporaries().empty());
    for (const fs::path& other : others)
        EXPECT_TRUE(fs::exists(other)) << other;
    restart();
    EXPECT_EQ(BPrefs::Value("durciclo").AsString(), "32");
}

TEST(BPrefsVersion, VersionCode)
{
    struct Row { const char* name; fw::AppVersionParts parts; std::int32_t code; };
    const Row rows[] = {
        {"1.0.0 final", {1, 0, 0, 3, 0}, 8389376}, {"2.5.9 alpha 7", {2, 5, 9, 1, 7}, 17451271},
        {"non-release wider than its field carries", {1, 0, 0, 3, 256}, 8389376 + 256},
        {"negative non-release", {1, 0, 0, 3, -1}, 8389375},
        {"major 255 is the largest positive", {255, 63, 63, 3, 255}, 0x7FFFFBFF},
        {"major 256 wraps to the sign bit", {256, 0, 0, 0, 0}, std::int32_t(0x80000000u)},
        {"major 512 wraps to zero", {512, 0, 0, 0, 0}, 0},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        EXPECT_EQ(BPrefs::AppVersionCode(row.parts), row.code);
    }
    EXPECT_EQ(BPrefs::AppVersionCode(), BPrefs::AppVersionCode(fw::AppVersion()));
}

// A save that would write again what the file holds from the last save of
// the run writes nothing (a quit saves from more than one handler); any
// change, in the store or to the file, is written.
TEST_F(BPrefsTest, ASaveOfUnchangedBytesWritesNothing)
{
    const auto identity = [this] { return fw::FolderItem(file()).Identity(); };
    BPrefs::SetValue("durciclo", "30");
    ASSERT_TRUE(BPrefs::Save());
    struct Row { const char* name; std::function<void()> change; bool written; };
    const Row rows[] = {
        {"nothing changed", [] {}, false},
        {"a value changed", [] { BPrefs::SetValue("durciclo", "31"); }, true},
        {"a value set to what it holds", [] { BPrefs::SetValue("durciclo", "31"); }, false},
        {"the file changed by another", [this] { writeFile("other"); }, true},
        {"the file removed", [this] { fs::remove(file()); }, true},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        row.change();
        const auto before = identity();
        EXPECT_TRUE(BPrefs::Save());
        EXPECT_TRUE(BPrefs::LastSave().saved);
        EXPECT_EQ(identity() != before, row.written);
        const fw::DictionaryPtr held =
            dict({{"durciclo", BPrefs::Value("durciclo")}, {"app_vers", BPrefs::AppVersionCode()}});
        EXPECT_EQ(readFile(), BPrefs::PrefsData(held));
    }
}
