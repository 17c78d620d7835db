// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "framework/core/folderitem.h"

#include <memory>

namespace fw {

// Keeps a file open for as long as it lives. An open file keeps its inode, so
// no other file can get the same identity meanwhile: comparing identities
// before deleting by name then tells our file from any newcomer.
class FileHold {
public:
    // Null when the item cannot be opened (a link is not followed).
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

} // namespace fw
