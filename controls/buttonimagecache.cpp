// SPDX-License-Identifier: GPL-3.0-or-later
#include "controls/buttonimagecache.h"

#include "framework/core/digest.h"

#include <cerrno>
#include <map>
#include <optional>
#include <stdexcept>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// Closes a descriptor on every path out.
class Descriptor {
public:
    explicit Descriptor(int fd) : m_fd(fd) {}
    ~Descriptor()
    {
        if (m_fd >= 0)
            ::close(m_fd);
    }
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;
    int get() const { return m_fd; }
    bool Close()
    {
        const int fd = m_fd;
        m_fd = -1;
        return ::close(fd) == 0;
    }

private:
    int m_fd;
};

bool WriteAll(int fd, const std::string& bytes)
{
    std::size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t n = ::write(fd, bytes.data() + done, bytes.size() - done);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return false;
        done += std::size_t(n);
    }
    return true;
}

// The live files by cache name; a file goes when its last holder does. Never
// destroyed: buttons still alive at an exit() erase their names from it.
std::map<std::string, std::weak_ptr<controls::ButtonImageFile>, std::less<>>& Registry()
{
    static auto& files = *new std::map<std::string, std::weak_ptr<controls::ButtonImageFile>, std::less<>>;
    return files;
}

} // namespace

namespace controls {

ButtonImageFile::ButtonImageFile(std::string name, fw::FolderItemPtr item, Identity identity)
    : m_name(std::move(name)), m_item(std::move(item)), m_identity(identity)
{
}

ButtonImageFile::~ButtonImageFile()
{
    if (Present())
        m_item->Delete();
    auto& files = Registry();
    if (auto it = files.find(m_name); it != files.end() && it->second.expired())
        files.erase(it);
}

bool ButtonImageFile::Present() const
{
    struct stat info {};
    if (::lstat(m_item->NativePath().c_str(), &info) != 0 || !S_ISREG(info.st_mode))
        return false;
    return info.st_dev == m_identity.device && info.st_ino == m_identity.inode;
}

namespace ButtonImageCache {

fw::FolderItemPtr Folder()
{
    return fw::FolderItem::PrivateTemporaryFolder();
}

ButtonImageFilePtr Acquire(std::string_view name, std::string_view base64)
{
    auto& files = Registry();
    auto it = files.find(name);
    if (it != files.end())
        if (ButtonImageFilePtr held = it->second.lock(); held && held->Present())
            return held;

    const std::optional<std::string> bytes = fw::DecodeBase64(base64);
    if (!bytes)
        throw std::runtime_error("the artwork of " + std::string(name) + " is not base64");
    const fw::FolderItemPtr folder = Folder();
    if (!folder)
        throw std::runtime_error("no temporary folder for the button pictures");

    // The name itself, or beside it when something we did not write holds it.
    for (int attempt = 1; attempt <= 100; ++attempt) {
        const std::string fileName = attempt == 1 ? std::string(name) : std::string(name) + "-" + std::to_string(attempt);
        fw::FolderItemPtr item = folder->Child(fileName);
        if (!item)
            break;
        Descriptor fd(::open(item->NativePath().c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0600));
        if (fd.get() < 0) {
            if (errno == EEXIST)
                continue;
            break;
        }
        struct stat info {};
        const bool written = ::fstat(fd.get(), &info) == 0 && WriteAll(fd.get(), *bytes);
        const bool closed = fd.Close();
        if (!written || !closed) {
            ::unlink(item->NativePath().c_str());
            break;
        }
        auto file = ButtonImageFilePtr(new ButtonImageFile(
            std::string(name), std::move(item),
            {static_cast<unsigned long long>(info.st_dev), static_cast<unsigned long long>(info.st_ino)}));
        files.insert_or_assign(std::string(name), file);
        return file;
    }
    throw std::runtime_error("cannot write the picture file " + std::string(name));
}

} // namespace ButtonImageCache

} // namespace controls
