// SPDX-License-Identifier: GPL-3.0-or-later
#include "framework/core/filehold.h"

#include <cctype>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace fw {

namespace {

FileIdentity IdentityOf(const struct stat& st)
{
    return {std::uint64_t(st.st_dev), std::uint64_t(st.st_ino)};
}

bool Matches(std::string_view name, const LeftoverPattern& pattern)
{
    if (name.size() != pattern.prefix.size() + pattern.randomChars + pattern.suffix.size()
        || !name.starts_with(pattern.prefix) || !name.ends_with(pattern.suffix))
        return false;
    for (const char c : name.substr(pattern.prefix.size(), pattern.randomChars))
        if (!std::isalnum(static_cast<unsigned char>(c)))
            return false;
    return true;
}

} // namespace

std::unique_ptr<FileHold> FileHold::Open(const FolderItem& item)
{
    // O_NONBLOCK: a FIFO swapped in under the name must not stall the open.
    const int fd = ::open(item.Path().c_str(), O_RDONLY | O_CLOEXEC | O_NOFOLLOW | O_NONBLOCK);
    if (fd < 0)
        return nullptr;
    struct stat st {};
    // Locked first, then checked: a clean-up of another process that got
    // the lock before us has removed the name by now.
    if (::flock(fd, LOCK_EX | LOCK_NB) != 0 || ::fstat(fd, &st) != 0 || item.Identity() != IdentityOf(st)) {
        ::close(fd);
        return nullptr;
    }
    return std::unique_ptr<FileHold>(new FileHold(fd, IdentityOf(st)));
}

FileHold::~FileHold()
{
    ::close(m_fd);
}

int RemoveUnheld(const FolderItem& folder, const LeftoverPattern& pattern)
{
    namespace fs = std::filesystem;
    int removed = 0;
    std::error_code ec;
    for (fs::directory_iterator it(folder.Path(), ec); !ec && it != fs::directory_iterator(); it.increment(ec)) {
        const fs::path& path = it->path();
        struct stat st {};
        if (!Matches(path.filename().string(), pattern) || ::lstat(path.c_str(), &st) != 0 || st.st_uid != ::getuid())
            continue;
        if (pattern.folders ? !S_ISDIR(st.st_mode) || (st.st_mode & 07777) != 0700 : !S_ISREG(st.st_mode))
            continue;
        const std::unique_ptr<FileHold> hold = FileHold::Open(FolderItem(path));
        if (!hold || hold->Identity() != IdentityOf(st))
            continue;
        std::error_code removeError;
        if (pattern.folders ? fs::remove_all(path, removeError) > 0 : ::unlink(path.c_str()) == 0)
            ++removed;
    }
    return removed;
}

} // namespace fw
