// SPDX-License-Identifier: GPL-3.0-or-later
#include "framework/core/filehold.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace fw {

std::unique_ptr<FileHold> FileHold::Open(const FolderItem& item)
{
    const int fd = ::open(item.Path().c_str(), O_RDONLY | O_CLOEXEC | O_NOFOLLOW);
    if (fd < 0)
        return nullptr;
    struct stat st {};
    if (::fstat(fd, &st) != 0) {
        ::close(fd);
        return nullptr;
    }
    return std::unique_ptr<FileHold>(new FileHold(fd, {std::uint64_t(st.st_dev), std::uint64_t(st.st_ino)}));
}

FileHold::~FileHold()
{
    ::close(m_fd);
}

} // namespace fw
