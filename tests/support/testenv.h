// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

class QWidget;

namespace testenv {

// Gives the test fresh, empty HOME, configuration and desktop folders and
// puts the previous ones back when it ends, so no test sees another's files
// or the real user's.
class TempFolders {
public:
    TempFolders();
    ~TempFolders();
    TempFolders(const TempFolders&) = delete;
    TempFolders& operator=(const TempFolders&) = delete;

    const std::filesystem::path& home() const { return m_home; }
    std::filesystem::path config() const { return m_home / ".config"; }
    std::filesystem::path desktop() const { return m_home / "Desktop"; }

private:
    std::filesystem::path m_home;
    std::string m_oldHome, m_oldConfig;
};

// Sets TZ for the test's lifetime.
class ScopedTimeZone {
public:
    explicit ScopedTimeZone(const char* zone);
    ~ScopedTimeZone();
    ScopedTimeZone(const ScopedTimeZone&) = delete;
    ScopedTimeZone& operator=(const ScopedTimeZone&) = delete;

private:
    std::string m_old;
};

// For its lifetime the process writes at most `bytes` per file (a full
// disk, for the writer), with SIGXFSZ ignored so that a write fails instead.
class ScopedFileSizeLimit {
public:
    explicit ScopedFileSizeLimit(unsigned long bytes);
    ~ScopedFileSizeLimit();

private:
    unsigned long m_old[2];
    void (*m_oldHandler)(int);
};

// For its lifetime this thread lacks the capabilities that let root ignore
// mode bits, so that a read-only folder is one for the tests too.
class ScopedModeBitsBind {
public:
    ScopedModeBitsBind();
    ~ScopedModeBitsBind();

private:
    unsigned m_saved[6];
};

// Bytes written in hex, blank-separated: "00 5B 00 01".
std::vector<std::uint8_t> Hex(std::string_view hex);

// A file of exactly these bytes; a file's bytes, "" when it cannot be read.
void WriteFile(const std::filesystem::path& path, const std::string& bytes);
std::string ReadFile(const std::filesystem::path& path);

// Writes a PNG of the widget's window to build/screenshots/<name>.png and
// returns its path.
std::filesystem::path screenshot(QWidget* widget, const std::string& name);

} // namespace testenv
