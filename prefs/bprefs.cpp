// SPDX-License-Identifier: GPL-3.0-or-later
#include "prefs/bprefs.h"
#include "prefs/bprefs_seam.h"

#include <bit>
#include <cerrno>
#include <cstring>
#include <filesystem>
#include <exception>
#include <memory>

#include "framework/core/binarystream.h"
#include "framework/core/digest.h"
#include "framework/core/memoryblock.h"
#include "prefs/bdictionary.h"

namespace BPrefs {

namespace {

constexpr std::string_view kFileName = "com.tarcyc Prefs";
constexpr std::string_view kMagic = "BPrefs";
constexpr std::int16_t kVersion = 0x0100;
constexpr std::uint8_t kEnciphered = 0x80;

// The seed of the file's key. Every file ever written is enciphered with the
// key made from it: changing it makes them all unreadable.
constexpr std::string_view kSeed = "tarcycle";

// Files that did not load whole are kept under this name, or with " 2",
// " 3" and so on after it when it is taken: no copy replaces another.
constexpr std::string_view kDamagedName = "com.tarcyc Prefs.damaged";
constexpr int kMostDamagedCopies = 9999;
// The program writes well under 1 MB; this leaves room for 100,000 keys. A
// larger file is not read, so that no file can take the memory.
constexpr std::uintmax_t kMaxFileSize = 16 * 1024 * 1024;

fw::DictionaryPtr mPrefs;
// The bytes of a file that did not load whole, until a save has kept them.
std::optional<std::string> mUnread;
// The file exists but could not be read at all, so nothing may replace it.
bool mUnreadable = false;
// The file was too large to read: a save moves it aside first.
bool mTooLarge = false;
// The file that did not load whole was written by a later version.
bool mLaterVersion = false;
SaveOutcome mLastSave;
// What the last save of this run that wrote the file wrote.
std::optional<std::string> mWritten;

struct Read {
    fw::DictionaryPtr store;
    bool whole = false;
    // A later format version whose body the store holds in full.
    bool later = false;
};

// The load's reading of a file, from its start: a good header (the magic and
// a version of at least 0x0100), the flag and the body.
Read readPrefs(fw::BinaryStream& stream)
{
    stream.SetLittleEndian(false);
    fw::DictionaryPtr store;
    bool whole = false;
    bool later = false;
    if (stream.Read(kMagic.size()) == kMagic) {
        const std::int16_t version = stream.ReadInt16();
        const std::uint8_t flag = stream.ReadUInt8();
        // Any later version reads the same; there is no migration.
        if (!stream.ReadError() && version >= kVersion) {
            auto body = std::make_shared<fw::MemoryBlock>(
                fw::MemoryBlock::FromString(stream.Read(std::size_t(stream.Length() - stream.Position()))));
            if (flag == kEnciphered)
                BDictionary::Decrypt(body, GenerateKey());
            store = BDictionary::Convert(body);
            // What writes back to the same body lost nothing on the way in.
            // A later version's file is never whole: a save would write it
            // back in this version's format.
            if (store && !stream.ReadError()) {
                const fw::MemoryBlockPtr again = BDictionary::Convert(store);
                const bool same = again && *again == *body;
                whole = same && version == kVersion;
                later = same && version > kVersion;
            }
        }
    }
    return {store ? store : std::make_shared<fw::Dictionary>(), whole, later};
}

// The save's writing of a file: the header, then the enciphered body.
void writePrefs(fw::BinaryStream& stream, const fw::MemoryBlock& enciphered)
{
    stream.SetLittleEndian(false);
    stream.Write(kMagic);
    stream.WriteInt16(kVersion);
    stream.WriteUInt8(kEnciphered);
    stream.Write(enciphered.ToString());
}

// The bytes writePrefs writes.
std::string fileData(const fw::MemoryBlock& enciphered)
{
    const auto file = std::make_shared<fw::MemoryBlock>();
    fw::BinaryStream stream(file);
    writePrefs(stream, enciphered);
    return file->ToString();
}

// The serialised store, enciphered; null when it cannot be serialised.
fw::MemoryBlockPtr encipheredBody(const fw::DictionaryPtr& store)
{
    return BDictionary::Encrypt(BDictionary::Convert(store), GenerateKey());
}

// The file that did not load whole, kept under the first free name of the
// damaged copies: its bytes as read, or, too large to have been read, the
// file itself moved there. Null, and why, when it cannot be kept.
fw::FolderItemPtr keepAside(fw::FolderItem& file, std::string& why)
{
    const fw::FolderItemPtr folder = fw::FolderItem::PreferencesFolder();
    for (int n = 1; n <= kMostDamagedCopies; ++n) {
        fw::FolderItemPtr copy = folder->Child(std::string(kDamagedName) + (n > 1 ? " " + std::to_string(n) : ""));
        const bool kept = mTooLarge ? file.MoveWithoutReplacing(*copy)
                                    : file.WriteCopyAtomically(*copy, [](fw::BinaryStream& s) { s.Write(*mUnread); });
        const std::string error = mTooLarge ? std::string(std::strerror(errno)) : file.LastError();
        if (kept)
            return copy;
        // Only a name taken by an earlier copy sends the copy on to the next.
        if (!copy->Identity()) {
            why = copy->NativePath() + ": " + error;
            return nullptr;
        }
    }
    why = folder->Child(kDamagedName)->NativePath() + ": every numbered name is taken";
    return nullptr;
}

} // namespace

void InitPrefs()
{
    if (mPrefs)
        return;
    auto store = std::make_shared<fw::Dictionary>();
    mUnread.reset();
    mUnreadable = false;
    mTooLarge = false;
    mLaterVersion = false;
    try {
        const fw::FolderItemPtr file = PrefsFile();
        // A save killed before it finished leaves its temporary file; one
        // that another running instance is writing stays.
        if (file)
            file->RemoveLeftoverTemporaryFiles();
        if (file && file->Exists()) {
            const fw::BinaryStreamPtr stream = file->OpenAsBinaryFile();
            std::error_code ec;
            if (!stream) {
                // A folder or a pipe under the name is no file to keep.
                mUnreadable = std::filesystem::is_regular_file(file->Path(), ec);
            } else if (stream->Length() > kMaxFileSize) {
                mTooLarge = true;
            } else {
                Read read = readPrefs(*stream);
                store = std::move(read.store);
                if (!read.whole) {
                    // Kept whole for the save to set aside; a file that
                    // cannot be read to its end may not be replaced.
                    stream->SetPosition(0);
                    const auto length = std::size_t(stream->Length());
                    std::string bytes = stream->Read(length);
                    if (bytes.size() == length)
                        mUnread = std::move(bytes);
                    else
                        mUnreadable = true;
                    mLaterVersion = read.later;
                }
            }
            if (stream)
                stream->Close();
        }
    } catch (const std::exception&) {
        // A file that cannot be read leaves the store empty, as a missing one does.
    }
    mPrefs = std::move(store);
}

bool HasKey(const fw::Variant& key)
{
    InitPrefs();
    return mPrefs->HasKey(key);
}

fw::Variant Value(const fw::Variant& key)
{
    InitPrefs();
    return mPrefs->Value(key);
}

void SetValue(const fw::Variant& key, fw::Variant value)
{
    InitPrefs();
    mPrefs->SetValue(key, std::move(value));
}

bool Save()
{
    mLastSave = {};
    SaveOutcome& out = mLastSave;
    try {
        // Loading first keeps the file's keys when nothing was read before.
        InitPrefs();
        mPrefs->SetValue("app_vers", AppVersionCode());
        const fw::MemoryBlockPtr body = encipheredBody(mPrefs);
        const fw::FolderItemPtr file = PrefsFile();
        if (!body) {
            out.reason = "The settings hold a value that cannot be stored.";
            return false;
        }
        if (!file) {
            out.reason = "There is no preferences folder.";
            return false;
        }
        if (mUnreadable) {
            out.reason = "The file could not be read, so it was left as it is.";
            return false;
        }
        // Quitting saves from more than one handler; the file is written once.
        if (mWritten && *mWritten == fileData(*body) && file->ReadAll() == mWritten) {
            out.saved = true;
            return true;
        }
        if (mUnread || mTooLarge) {
            std::string why;
            fw::FolderItemPtr copy = keepAside(*file, why);
            if (!copy) {
                out.reason = "The unreadable file could not be kept as " + why;
                return false;
            }
            mUnread.reset();
            mTooLarge = false;
            out.damagedCopy = std::move(copy);
            out.laterVersion = std::exchange(mLaterVersion, false);
        }
        // Written whole into a new file beside it, which then takes its place.
        if (!file->WriteAtomically([&](fw::BinaryStream& stream) { writePrefs(stream, *body); }, "????")) {
            out.reason = file->LastError();
            return false;
        }
        mWritten = fileData(*body);
        out.saved = true;
        return true;
    } catch (const std::exception& e) {
        out.reason = e.what();
        return false;
    }
}

const SaveOutcome& LastSave()
{
    return mLastSave;
}

fw::FolderItemPtr PrefsFile()
{
    const fw::FolderItemPtr folder = fw::FolderItem::PreferencesFolder();
    return folder ? folder->Child(kFileName) : nullptr;
}

std::int32_t AppVersionCode()
{
    return AppVersionCode(fw::AppVersion());
}

std::int32_t AppVersionCode(const fw::AppVersionParts& parts)
{
    // Unsigned, so that wide parts wrap as 32-bit arithmetic does.
    std::uint32_t code = std::uint32_t(parts.MajorVersion);
    code = code * 64 + std::uint32_t(parts.MinorVersion);
    code = code * 64 + std::uint32_t(parts.BugVersion);
    code = (code * 2 + 0) * 4 + std::uint32_t(parts.StageCode);
    code = code * 256 + std::uint32_t(parts.NonReleaseVersion);
    return std::bit_cast<std::int32_t>(code);
}

std::string GenerateKey()
{
    const std::string s(kSeed);
    const std::size_t n = s.size();
    std::string h = fw::MD5(s + s.substr(0, 2));
    h += fw::MD5(h + std::to_string(n * 67));
    h += fw::MD5(h + s.substr(1, 4));
    h += fw::MD5(h + s);
    h += fw::MD5(h + s.substr(n - 6));
    return h.substr(2, 63 + 172 % n);
}

std::pair<fw::DictionaryPtr, bool> LoadPrefsData(std::string_view file)
{
    fw::BinaryStream stream(std::make_shared<fw::MemoryBlock>(fw::MemoryBlock::FromString(file)));
    Read read = readPrefs(stream);
    return {std::move(read.store), read.whole};
}

std::optional<std::string> PrefsData(const fw::DictionaryPtr& store)
{
    const fw::MemoryBlockPtr body = encipheredBody(store);
    if (!body)
        return std::nullopt;
    return fileData(*body);
}

void ResetForTesting()
{
    mPrefs.reset();
    mUnread.reset();
    mUnreadable = false;
    mTooLarge = false;
    mLaterVersion = false;
    mLastSave = {};
    mWritten.reset();
}

} // namespace BPrefs
