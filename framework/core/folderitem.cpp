// SPDX-License-Identifier: GPL-3.0-or-later
#include "framework/core/folderitem.h"

#include <QByteArray>
#include <QCoreApplication>
#include <QDir>
#include <QSaveFile>
#include <QStandardPaths>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <sys/stat.h>
#include <fstream>
#include <iterator>
#include <unistd.h>

namespace fw {

namespace fs = std::filesystem;

namespace {
fs::path toPath(const QString& path)
{
    return fs::path(path.toStdString());
}

QString toQString(const fs::path& path)
{
    return QString::fromStdString(path.string());
}

FolderItemPtr madeFolder(QStandardPaths::StandardLocation location)
{
    QString path = QStandardPaths::writableLocation(location);
    if (path.isEmpty())
        path = QDir::homePath() + (location == QStandardPaths::DesktopLocation ? "/Desktop" : "/.config");
    QDir().mkpath(path);
    return std::make_shared<FolderItem>(toPath(path));
}

// The process's private folder, removed when static objects are destroyed
// at exit. A forked child that exits leaves it to its parent.
class PrivateFolder {
public:
    PrivateFolder() : m_owner(::getpid())
    {
        std::string prefix;
        for (const QChar c : QCoreApplication::applicationName())
            if (c.isLetterOrNumber() && c.unicode() < 128)
                prefix += char(c.unicode());
        if (prefix.empty())
            prefix = "app";
        std::string pattern = (toPath(QDir::tempPath()) / (prefix + "-XXXXXX")).string();
        // mkdtemp makes the folder with mode 0700 under a name nobody had.
        if (::mkdtemp(pattern.data()))
            m_path = pattern;
    }
    ~PrivateFolder()
    {
        if (m_path.empty() || ::getpid() != m_owner)
            return;
        std::error_code ec;
        fs::remove_all(m_path, ec);
    }
    PrivateFolder(const PrivateFolder&) = delete;
    PrivateFolder& operator=(const PrivateFolder&) = delete;

    const fs::path& path() const { return m_path; }

private:
    fs::path m_path;
    pid_t m_owner;
};
} // namespace

FolderItem::FolderItem(fs::path path) : m_path(std::move(path)) {}

FolderItemPtr FolderItem::PreferencesFolder() { return madeFolder(QStandardPaths::GenericConfigLocation); }
FolderItemPtr FolderItem::DesktopFolder() { return madeFolder(QStandardPaths::DesktopLocation); }
FolderItemPtr FolderItem::TemporaryFolder() { return std::make_shared<FolderItem>(toPath(QDir::tempPath())); }

FolderItemPtr FolderItem::PrivateTemporaryFolder()
{
    static PrivateFolder folder;
    if (folder.path().empty())
        return nullptr;
    return std::make_shared<FolderItem>(folder.path());
}

FolderItemPtr FolderItem::Child(std::string_view name) const
{
    if (name.empty() || name == "." || name == "..")
        return nullptr;
    std::string component(name);
    for (char& c : component)
        if (c == '/' || c == '\0')
            c = ':';
    return std::make_shared<FolderItem>(m_path / component);
}

std::string FolderItem::NativePath() const { return m_path.string(); }
std::string FolderItem::Name() const { return m_path.filename().string(); }

bool FolderItem::Exists() const
{
    std::error_code ec;
    return fs::exists(m_path, ec);
}

bool FolderItem::Directory() const
{
    std::error_code ec;
    return fs::is_directory(m_path, ec);
}

std::int64_t FolderItem::Length() const
{
    std::error_code ec;
    if (!fs::is_regular_file(m_path, ec))
        return -1;
    const auto size = fs::file_size(m_path, ec);
    return ec ? -1 : std::int64_t(size);
}

bool FolderItem::Delete()
{
    // symlink_status: a link is removed itself, never what it points to.
    std::error_code ec;
    const fs::file_status status = fs::symlink_status(m_path, ec);
    if (ec || !(fs::is_regular_file(status) || fs::is_symlink(status)))
        return false;
    return fs::remove(m_path, ec) && !ec;
}

std::optional<FileIdentity> FolderItem::Identity() const
{
    struct stat st {};
    if (::lstat(m_path.c_str(), &st) != 0)
        return std::nullopt;
    return FileIdentity{std::uint64_t(st.st_dev), std::uint64_t(st.st_ino)};
}

bool FolderItem::MoveWithoutReplacing(const FolderItem& target)
{
    if (::renameat2(AT_FDCWD, m_path.c_str(), AT_FDCWD, target.m_path.c_str(), RENAME_NOREPLACE) == 0)
        return true;
    if (errno != EINVAL && errno != ENOSYS)
        return false;
    // File systems without the flag: a hard link fails on an existing name
    // just the same.
    if (::link(m_path.c_str(), target.m_path.c_str()) != 0)
        return false;
    ::unlink(m_path.c_str());
    return true;
}

std::optional<std::string> FolderItem::ReadAll() const
{
    std::error_code ec;
    if (!fs::is_regular_file(m_path, ec))
        return std::nullopt;
    std::ifstream in(m_path, std::ios::binary);
    if (!in)
        return std::nullopt;
    std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    if (in.bad())
        return std::nullopt;
    return bytes;
}

bool FolderItem::WriteAll(std::span<const std::uint8_t> bytes, std::string_view macType, std::string_view macCreator)
{
    return WriteAll(std::string_view(reinterpret_cast<const char*>(bytes.data()), bytes.size()), macType, macCreator);
}

bool FolderItem::WriteAll(std::string_view bytes, std::string_view, std::string_view)
{
    if (Directory())
        return false;
    // QSaveFile writes a temporary file beside the target, syncs it and
    // renames it over the target only on commit.
    QSaveFile file(toQString(m_path));
    if (!file.open(QIODevice::WriteOnly))
        return false;
    if (file.write(bytes.data(), qint64(bytes.size())) != qint64(bytes.size())) {
        file.cancelWriting();
        return false;
    }
    return file.commit();
}

std::unique_ptr<BinaryStream> FolderItem::CreateBinaryFile(std::string_view) const
{
    return BinaryStream::Create(m_path);
}

std::unique_ptr<BinaryStream> FolderItem::OpenAsBinaryFile(bool readWrite) const
{
    return BinaryStream::Open(m_path, readWrite);
}

std::string FolderItem::GetSaveInfo() const
{
    std::error_code ec;
    const fs::path absolute = fs::absolute(m_path, ec);
    return (ec ? m_path : absolute).string();
}

FolderItemPtr FolderItem::FromSaveInfo(std::string_view info)
{
    if (info.empty() || info.front() != '/' || info.find('\0') != std::string_view::npos)
        return nullptr;
    return std::make_shared<FolderItem>(fs::path(info));
}

} // namespace fw
