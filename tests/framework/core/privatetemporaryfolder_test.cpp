// SPDX-License-Identifier: GPL-3.0-or-later
#include "framework/core/filehold.h"
#include "framework/core/folderitem.h"
#include "support/testenv.h"

#include <gtest/gtest.h>

#include <QCoreApplication>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>

#include <sys/wait.h>
#include <unistd.h>

namespace {

namespace fs = std::filesystem;

// The folder a child process makes for itself in that temporary folder,
// read through a pipe.
std::string FolderOfAChild(const fs::path& temporary)
{
    int fds[2];
    if (::pipe(fds) != 0)
        return {};
    const pid_t pid = ::fork();
    if (pid == 0) {
        ::setenv("TMPDIR", temporary.c_str(), 1);
        const std::string path = fw::FolderItem::PrivateTemporaryFolder()->NativePath();
        // A normal exit, which runs the clean-up.
        std::exit(::write(fds[1], path.data(), path.size()) == ssize_t(path.size()) ? 0 : 1);
    }
    ::close(fds[1]);
    std::string path;
    char buffer[256];
    for (ssize_t n; (n = ::read(fds[0], buffer, sizeof buffer)) > 0;)
        path.append(buffer, std::size_t(n));
    ::close(fds[0]);
    int status = 0;
    ::waitpid(pid, &status, 0);
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
    return path;
}

TEST(PrivateTemporaryFolder, IsOwnedByThisProcessAndGoesAtExit)
{
    // A killed run's folder goes when the child makes its own; a running
    // one's (held) and one of another mode stay.
    testenv::TempFolders folders;
    std::string prefix = QCoreApplication::applicationName().toStdString() + "-";
    std::erase(prefix, '_');
    const fs::path killed = folders.home() / (prefix + "Killed"), running = folders.home() / (prefix + "Runnin"),
                   other = folders.home() / (prefix + "Others");
    for (const fs::path& made : {killed, running, other}) {
        fs::create_directories(made / "content");
        fs::permissions(made, made == other ? fs::perms(0755) : fs::perms::owner_all);
    }
    const auto hold = fw::FileHold::Open(fw::FolderItem(running));
    ASSERT_NE(hold, nullptr);

    const std::string childs = FolderOfAChild(folders.home());
    ASSERT_FALSE(childs.empty());
    EXPECT_EQ(fs::path(childs).parent_path(), folders.home());
    EXPECT_FALSE(fs::exists(killed));
    EXPECT_TRUE(fs::exists(running / "content") && fs::exists(other / "content"));

    const fw::FolderItemPtr folder = fw::FolderItem::PrivateTemporaryFolder();
    ASSERT_NE(folder, nullptr);
    // Made by this process before the fork, the child leaves it alone.
    EXPECT_EQ(fs::exists(childs), childs == folder->NativePath());

    // One folder for the whole process, inside the system's temporary folder
    // (the glossy button cache tests check its mode).
    EXPECT_EQ(fw::FolderItem::PrivateTemporaryFolder()->NativePath(), folder->NativePath());
    EXPECT_EQ(folder->Path().parent_path(), fw::FolderItem::TemporaryFolder()->Path());
}

TEST(PrivateTemporaryFolder, IsMadeInTheSystemsFolderWhenTmpdirNamesNone)
{
    // A fresh process: this one may have made its folder already.
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    testenv::TempFolders folders;
    const fs::path working = folders.home() / "working";
    fs::create_directory(working);
    EXPECT_EXIT(
        {
            ::setenv("TMPDIR", (folders.home() / "missing").c_str(), 1);
            if (::chdir(working.c_str()) != 0)
                std::exit(2);
            const fw::FolderItemPtr folder = fw::FolderItem::PrivateTemporaryFolder();
            const std::string path = folder ? folder->NativePath() : "none";
            std::fprintf(stderr, "made %s\n", path.c_str());
            std::exit(fs::path(path).parent_path() == "/tmp" && fs::is_empty(working) ? 0 : 1);
        },
        ::testing::ExitedWithCode(0), "made /tmp/");
    EXPECT_TRUE(fs::is_empty(working)) << "nothing is made in the working folder";
    EXPECT_FALSE(fs::exists(folders.home() / "missing"));
}

} // namespace
