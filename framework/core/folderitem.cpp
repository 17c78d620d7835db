// SPDX-License-Identifier: GPL-3.0-or-later
#include "framework/core/folderitem.h"

#include "framework/core/binarystream.h"
#include "framework/core/filehold.h"

#include <QByteArray>
#include <QCoreApplication>
#include <QDir>
#include <QStandardPaths>

#include <cctype>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <random>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace fw {

namespace fs = std::filesystem;

namespace {
fs::path toPath(const QString& path)
{
    return fs::path(path.toStdString());
}

enum class Making { Plainly, Privately, Not };

FolderItemPtr madeFolder(QStandardPaths::StandardLocation location, Making making)
{
    QString path = QStandardPaths::writableLocation(location);
    if (path.isEmpty())
        path = QDir::homePath() + (location == QStandardPaths::DesktopLocation ? "/Desktop" : "/.config");
    if (making == Making::Plainly) {
        QDir().mkpath(path);
    } else if (making == Making::Privately) {
        // Each missing folder on the way is made 0700, whatever the umask.
        fs::path made;
        for (const fs::path& part : toPath(path)) {
            made /= part;
            if (::mkdir(made.c_str(), 0700) == 0)
                ::chmod(made.c_str(), 0700);
        }
    }
    return std::make_shared<FolderItem>(toPath(path));
}

std::string reasonOf(int error)
{
    return std::strerror(error);
}

// Where a write to the path lands: the path itself, or the end of its chain
// of links. Nothing, with the reason, when that is neither a regular file
// nor a name not taken yet.
std::optional<fs::path> writeTarget(const fs::path& path, std::string& reason)
{
    fs::path at = path;
    for (int links = 0; links <= 40; ++links) {
        struct stat info {};
        if (::lstat(at.c_str(), &info) != 0) {
            if (errno == ENOENT)
                return at;
            reason = reasonOf(errno);
            return std::nullopt;
        }
        if (S_ISREG(info.st_mode))
            return at;
        if (S_ISDIR(info.st_mode)) {
            reason = reasonOf(EISDIR);
            return std::nullopt;
        }
        if (!S_ISLNK(info.st_mode)) {
            reason = "Not a regular file";
            return std::nullopt;
        }
        std::error_code ec;
        const fs::path next = fs::read_symlink(at, ec);
        if (ec) {
            reason = ec.message();
            return std::nullopt;
        }
        at = next.is_absolute() ? next : at.parent_path() / next;
    }
    reason = reasonOf(ELOOP);
    return std::nullopt;
}

// "<name>.tmp-XXXXXX", the temporary names of WriteAtomically: distinct enough that
// no file a user names, such as "<name>.backup", is taken for one.
constexpr std::string_view kTemporaryInfix = ".tmp-";
constexpr std::size_t kTemporaryRandomChars = 6;

std::string randomCharacters(std::size_t count)
{
    static constexpr std::string_view kCharacters = "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789";
    static std::mt19937 generator{std::random_device{}()};
    std::uniform_int_distribution<std::size_t> pick(0, kCharacters.size() - 1);
    std::string made;
    for (std::size_t i = 0; i < count; ++i)
        made += kCharacters[pick(generator)];
    return made;
}

// The process's private folder, held (and so locked) while the process
// runs and removed when static objects are destroyed at exit; a start removes
// those that killed runs left. A forked child that exits leaves it to its
// parent.
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
        prefix += '-';
        const FolderItem temporary(FolderItem::TemporaryFolder()->Path());
        RemoveUnheld(temporary, {prefix, 6, {}, true});
        // Another start's clean-up may take the folder before it is held: then
        // a new one is made.
        for (int attempt = 0; attempt < 3 && !m_hold; ++attempt) {
            std::string pattern = (temporary.Path() / (prefix + "XXXXXX")).string();
            // mkdtemp makes the folder with mode 0700 under a name nobody had.
            if (!::mkdtemp(pattern.data()))
                return;
            m_hold = FileHold::Open(FolderItem(pattern));
            if (m_hold)
                m_path = pattern;
            else
                ::rmdir(pattern.c_str());
        }
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
    std::unique_ptr<FileHold> m_hold;
    pid_t m_owner;
};
} // namespace

FolderItem::FolderItem(fs::path path) : m_path(std::move(path)) {}

FolderItemPtr FolderItem::PreferencesFolder()
{
    return madeFolder(QStandardPaths::GenericConfigLocation, Making::Privately);
}

FolderItemPtr FolderItem::DesktopFolder(bool make)
{
    return madeFolder(QStandardPaths::DesktopLocation, make ? Making::Plainly : Making::Not);
}

FolderItemPtr FolderItem::TemporaryFolder()
{
    // Qt's temporary path is empty for a TMPDIR that names no folder, and
    // an empty folder is the working one.
    if (const char* named = std::getenv("TMPDIR"); named && named[0] == '/') {
        std::error_code ec;
        const fs::path folder = fs::canonical(named, ec);
        if (!ec && fs::is_directory(folder, ec))
            return std::make_shared<FolderItem>(folder);
    }
    return std::make_shared<FolderItem>("/tmp");
}

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
    struct stat info {};
    return ::stat(m_path.c_str(), &info) == 0;
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

BinaryStreamPtr FolderItem::CreateBinaryFile(std::string_view macType)
{
    m_lastError.clear();
    // O_EXCL refuses any name taken, a link leading nowhere included.
    const int fd = ::open(m_path.c_str(), O_RDWR | O_CREAT | O_EXCL | O_CLOEXEC, 0600);
    if (fd < 0) {
        m_lastError = reasonOf(errno);
        return nullptr;
    }
    // 0600 whatever the umask.
    if (::fchmod(fd, 0600) != 0) {
        m_lastError = reasonOf(errno);
        ::close(fd);
        ::unlink(m_path.c_str());
        return nullptr;
    }
    if (!macType.empty())
        m_macType = macType;
    return BinaryStreamPtr(new BinaryStream(fd, true));
}

BinaryStreamPtr FolderItem::OpenAsBinaryFile(bool readWrite) const
{
    // Not blocking: a pipe under this name opens at once and is then refused.
    const int fd = ::open(m_path.c_str(), (readWrite ? O_RDWR : O_RDONLY) | O_CLOEXEC | O_NONBLOCK);
    if (fd < 0)
        return nullptr;
    struct stat info {};
    if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) {
        ::close(fd);
        return nullptr;
    }
    return BinaryStreamPtr(new BinaryStream(fd, readWrite));
}

std::optional<std::string> FolderItem::ReadAll() const
{
    const BinaryStreamPtr stream = OpenAsBinaryFile();
    if (!stream)
        return std::nullopt;
    std::string bytes = stream->Read(std::size_t(stream->Length()));
    if (stream->ReadError())
        return std::nullopt;
    return bytes;
}

bool FolderItem::WriteAtomically(const std::function<void(BinaryStream&)>& write, std::string_view macType)
{
    m_lastError.clear();
    const std::optional<fs::path> target = writeTarget(m_path, m_lastError);
    if (!target)
        return false;
    const bool written = writeThroughTemporary(*target, write, macType, [&](const FolderItem& temporary) {
        return ::rename(temporary.m_path.c_str(), target->c_str()) == 0 ? 0 : errno;
    });
    if (written && !macType.empty())
        m_macType = macType;
    return written;
}

bool FolderItem::WriteCopyAtomically(const FolderItem& copy, const std::function<void(BinaryStream&)>& write,
                                      std::string_view macType)
{
    m_lastError.clear();
    return writeThroughTemporary(m_path, write, macType, [&](FolderItem& temporary) {
        return temporary.MoveWithoutReplacing(copy) ? 0 : errno;
    });
}

bool FolderItem::writeThroughTemporary(const fs::path& besides, const std::function<void(BinaryStream&)>& write,
                                       std::string_view macType,
                                       const std::function<int(FolderItem& temporary)>& place)
{
    const auto failed = [this](int error) {
        m_lastError = reasonOf(error);
        return false;
    };
    FolderItem temporary(besides);
    BinaryStreamPtr stream;
    // Held while it is written, so that another instance's start leaves it
    // alone. A name already taken, by chance or by another writer, or taken
    // away by a start's clean-up before it was held, gives way to another.
    std::unique_ptr<FileHold> hold;
    for (int attempt = 0; attempt < 100 && !hold; ++attempt) {
        temporary = FolderItem(besides.string() + std::string(kTemporaryInfix) + randomCharacters(kTemporaryRandomChars));
        stream = temporary.CreateBinaryFile(macType);
        if (!stream && !temporary.Exists()) {
            m_lastError = temporary.LastError();
            return false;
        }
        const std::optional<FileIdentity> made = stream ? temporary.Identity() : std::nullopt;
        hold = made ? FileHold::Open(temporary) : nullptr;
        if (hold && hold->Identity() != made)
            hold.reset();
    }
    if (!hold)
        return failed(EEXIST);
    write(*stream);
    if (!stream->Close()) {
        m_lastError = stream->LastError();
        ::unlink(temporary.m_path.c_str());
        return false;
    }
    if (const int error = place(temporary); error != 0) {
        ::unlink(temporary.m_path.c_str());
        return failed(error);
    }
    // The rename itself survives a power cut only once the folder is synced.
    const fs::path folder = besides.has_parent_path() ? besides.parent_path() : fs::path(".");
    const int dir = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (dir < 0)
        return failed(errno);
    const bool synced = ::fsync(dir) == 0 || errno == EINVAL;
    const int error = errno;
    ::close(dir);
    if (!synced)
        return failed(error);
    return true;
}

bool FolderItem::WriteAll(std::string_view bytes, std::string_view macType, std::string_view macCreator)
{
    if (!WriteAtomically([bytes](BinaryStream& stream) { stream.Write(bytes); }, macType))
        return false;
    if (!macCreator.empty())
        m_macCreator = macCreator;
    return true;
}

int FolderItem::RemoveLeftoverTemporaryFiles() const
{
    const auto removeBeside = [](const fs::path& path) {
        const std::string prefix = path.filename().string() + std::string(kTemporaryInfix);
        const FolderItem folder(path.has_parent_path() ? path.parent_path() : fs::path("."));
        return RemoveUnheld(folder, {prefix, kTemporaryRandomChars, {}});
    };
    int removed = removeBeside(m_path);
    // A write through a link leaves its temporary files beside the link's target.
    std::string unused;
    if (const std::optional<fs::path> target = writeTarget(m_path, unused); target && *target != m_path)
        removed += removeBeside(*target);
    return removed;
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
