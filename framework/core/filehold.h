// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "framework/core/folderitem.h"

#include <cstddef>
#include <memory>
#include <string_view>

namespace fw {

// Keeps a file or folder open and locked (flock) for as long as it lives. An
// open file keeps its inode, so no other file can get the same identity
// meanwhile: comparing identities before deleting by name then tells our
// file from any newcomer. The lock tells other processes that it is in use.
class FileHold {
public:
    // Null when the item cannot be opened (a link is not followed), another
    // hold has it, or its name no longer names the file opened.
    static std::unique_ptr<FileHold> Open(const FolderItem& item);
    ~FileHold();
    FileHold(const FileHold&) = delete;
    FileHold& operator=(const FileHold&) = delete;

    const FileIdentity& Identity() const { return m_identity; }

private:
    FileHold(int fd, FileIdentity identity) : m_fd(fd), m_identity(identity) {}

    int m_fd;
    FileIdentity m_identity;
};

// The names a program gives the files or folders it makes for itself: a
// prefix, that many letters or digits, a suffix.
struct LeftoverPattern {
    std::string_view prefix;
    std::size_t randomChars = 0;
    std::string_view suffix;
    // Folders of mode 0700 rather than regular files.
    bool folders = false;
};

// Removes what killed runs left directly inside the folder: the entries of
// the pattern that belong to this user and that no process holds. Links,
// other users' entries and folders of another mode are left. Returns how
// many went.
int RemoveUnheld(const FolderItem& folder, const LeftoverPattern& pattern);

} // namespace fw
