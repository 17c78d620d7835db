// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <filesystem>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

#include "framework/core/object.h"

namespace fw {

class BinaryStream;
using BinaryStreamPtr = std::shared_ptr<BinaryStream>;
class FolderItem;
// Which file a path names: its device and inode, as lstat gives them.
struct FileIdentity {
    std::uint64_t Device = 0;
    std::uint64_t Inode = 0;
    bool operator==(const FileIdentity&) const = default;
};

using FolderItemPtr = std::shared_ptr<FolderItem>;

// A file or folder location, which need not exist. A Mac file type and
// creator and invisibility have no meaning here: they are carried on this
// object as data, and nothing of them reaches the disk (no file is renamed
// to hide it).
class FolderItem : public Object {
public:
    explicit FolderItem(std::filesystem::path path);

    // The XDG configuration folder; the folders it creates are private (0700).
    static FolderItemPtr PreferencesFolder();
    // The XDG desktop folder (created if missing, unless make is false).
    static FolderItemPtr DesktopFolder(bool make = true);
    // The system's temporary folder: the one TMPDIR names when that is an
    // absolute path to an existing folder, else /tmp; never the working
    // folder.
    static FolderItemPtr TemporaryFolder();
    // A folder of this process alone: created on first call inside
    // TemporaryFolder() under a unique name, mode 0700, and removed
    // with its content when the process exits normally; locked while the
    // process runs, so that the first call of a later start, which removes
    // such folders of killed runs, leaves it alone. Null when it cannot be
    // created.
    static FolderItemPtr PrivateTemporaryFolder();

    // The item of that name directly inside this folder. A "/" in the name
    // stands for itself (it becomes ":", as Mac names show it); "", "." and
    // ".." name no child and give null.
    FolderItemPtr Child(std::string_view name) const;

    // Codes kept as given (no padding to four characters); empty until set.
    const std::string& MacType() const { return m_macType; }
    void SetMacType(std::string_view type) { m_macType = type; }
    const std::string& MacCreator() const { return m_macCreator; }
    void SetMacCreator(std::string_view creator) { m_macCreator = creator; }
    // True until set.
    bool Visible() const { return m_visible; }
    void SetVisible(bool visible) { m_visible = visible; }

    const std::filesystem::path& Path() const { return m_path; }
    std::string NativePath() const;
    std::string Name() const;

    // Whether something is there, following links: a link that leads
    // nowhere does not exist.
    bool Exists() const;
    // Deletes a regular file; never a folder. False when nothing was deleted.
    bool Delete();
    // The file this path names now (a link itself, not what it points to);
    // nothing when there is none.
    std::optional<FileIdentity> Identity() const;
    // Gives this file the target's path, never replacing what is there:
    // false when the target exists or the move fails.
    bool MoveWithoutReplacing(const FolderItem& target);

    // A new, empty file of mode 0600 open for reading and writing, made only
    // when the name is not taken (not even by a link); null when it is or
    // the file cannot be made, and LastError() tells why. A type given
    // becomes MacType once the file is made.
    BinaryStreamPtr CreateBinaryFile(std::string_view macType = {});
    // The regular file this names (following links), open for reading, and
    // for writing too when asked; null when it cannot be opened.
    BinaryStreamPtr OpenAsBinaryFile(bool readWrite = false) const;

    // The whole file, read through OpenAsBinaryFile, or nothing when it
    // cannot be read.
    std::optional<std::string> ReadAll() const;
    // Writes the file atomically and privately: write fills a new temporary
    // file beside it (its name, ".tmp-" and six characters) made by
    // CreateBinaryFile and held (FileHold) until it has its place; once the
    // stream has closed cleanly (and so is synced) that file is renamed over
    // this one, then the folder synced. A link is followed only to a regular
    // file or to a name not taken yet; anything else is refused. On any
    // failure, a write through the stream included, the old file stays whole,
    // the temporary file goes, the result is false and LastError() tells why. A
    // type given becomes MacType on success.
    bool WriteAtomically(const std::function<void(BinaryStream&)>& write, std::string_view macType = {});
    // The bytes as the whole file, through WriteAtomically; a creator given
    // becomes MacCreator on success.
    bool WriteAll(std::string_view bytes, std::string_view macType = {}, std::string_view macCreator = {});
    // Writes a new file as WriteAtomically does, through a temporary file
    // beside this one and named as its own are, and gives it the name of
    // `copy` only when nothing has that name: nothing is ever replaced. False
    // when the name is taken (LastError() says the file exists) or the write
    // fails.
    bool WriteCopyAtomically(const FolderItem& copy, const std::function<void(BinaryStream&)>& write,
                             std::string_view macType = {});
    // Why the last CreateBinaryFile or write failed, in words; empty after a
    // success.
    const std::string& LastError() const { return m_lastError; }
    // Removes the temporary files of this file's writes that no write holds:
    // a write killed before its rename leaves one. Those that another
    // process is writing stay. Returns how many went.
    int RemoveLeftoverTemporaryFiles() const;

    // Opaque bytes (the absolute path) that FromSaveInfo turns back into the
    // same location; FromSaveInfo gives null for bytes that name no absolute path.
    std::string GetSaveInfo() const;
    static FolderItemPtr FromSaveInfo(std::string_view info);

private:
    bool writeThroughTemporary(const std::filesystem::path& besides, const std::function<void(BinaryStream&)>& write,
                               std::string_view macType, const std::function<int(FolderItem& temporary)>& place);

    std::filesystem::path m_path;
    std::string m_lastError;
    std::string m_macType;
    std::string m_macCreator;
    bool m_visible = true;
};

} // namespace fw
