// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <QApplication>

#include <cstdlib>
#include <ctime>
#include <filesystem>
#include <unistd.h>

// Every test binary runs headless, in a pinned time zone and locale, with a
// throw-away HOME so that nothing reaches the real user's files.
int main(int argc, char** argv)
{
    ::setenv("QT_QPA_PLATFORM", "offscreen", 1);
    ::setenv("TZ", "Europe/Berlin", 1);
    ::tzset();
    ::setenv("LC_ALL", "C.UTF-8", 1);
    ::setenv("LANG", "C.UTF-8", 1);
    const auto home = std::filesystem::temp_directory_path() / ("cyc-home-" + std::to_string(::getpid()));
    std::filesystem::create_directories(home / ".config");
    ::setenv("HOME", home.c_str(), 1);
    ::setenv("XDG_CONFIG_HOME", (home / ".config").c_str(), 1);
    ::unsetenv("XDG_DESKTOP_DIR");
    std::filesystem::create_directories(home / "runtime");
    std::filesystem::permissions(home / "runtime", std::filesystem::perms::owner_all);
    ::setenv("XDG_RUNTIME_DIR", (home / "runtime").c_str(), 1);

    ::testing::InitGoogleTest(&argc, argv);
    QApplication app(argc, argv);
    const int result = RUN_ALL_TESTS();
    std::error_code ec;
    std::filesystem::remove_all(home, ec);
    return result;
}
