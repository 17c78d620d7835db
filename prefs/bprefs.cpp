// SPDX-License-Identifier: GPL-3.0-or-later
#include "prefs/bprefs.h"

#include <bit>
#include <exception>
#include <memory>

#include "framework/core/digest.h"
#include "framework/core/memoryblock.h"
#include "prefs/bdictionary.h"

namespace BPrefs {

namespace {

constexpr std::string_view kFileName = "com.tarcyc Prefs";
constexpr std::string_view kMagic = "BPrefs";
constexpr std::int16_t kVersion = 0x0100;
constexpr std::uint8_t kEnciphered = 0x80;
constexpr std::size_t kHeaderSize = 9;

// The seed of the file's key. Every file ever written is enciphered with the
// key made from it: changing it makes them all unreadable.
constexpr std::string_view kSeed = "tarcycle";

fw::DictionaryPtr mPrefs;

} // namespace

void InitPrefs()
{
    if (mPrefs)
        return;
    auto store = std::make_shared<fw::Dictionary>();
    try {
        const fw::FolderItemPtr file = PrefsFile();
        if (file && file->Exists())
            if (const auto bytes = file->ReadAll())
                store = ReadPrefsData(*bytes);
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

std::optional<fw::Variant> Value(const fw::Variant& key)
{
    InitPrefs();
    return mPrefs->Lookup(key);
}

namespace {
// Checks the kind first, so that a value of another kind is simply absent.
std::optional<fw::Variant> valueOfKind(const fw::Variant& key, fw::Variant::Kind kind)
{
    auto v = Value(key);
    if (v && v->VarType() != kind)
        v.reset();
    return v;
}
} // namespace

std::optional<bool> BooleanValue(const fw::Variant& key)
{
    const auto v = valueOfKind(key, fw::Variant::TypeBoolean);
    return v ? v->AsBoolean() : std::nullopt;
}

std::optional<std::int32_t> IntegerValue(const fw::Variant& key)
{
    const auto v = valueOfKind(key, fw::Variant::TypeInteger);
    return v ? v->AsInteger() : std::nullopt;
}

std::optional<std::string> StringValue(const fw::Variant& key)
{
    const auto v = valueOfKind(key, fw::Variant::TypeString);
    return v ? v->AsString() : std::nullopt;
}

std::optional<fw::Date> DateValue(const fw::Variant& key)
{
    const auto v = valueOfKind(key, fw::Variant::TypeDate);
    return v ? v->AsDate() : std::nullopt;
}

void SetValue(const fw::Variant& key, fw::Variant value)
{
    InitPrefs();
    mPrefs->SetValue(key, std::move(value));
}

bool Save()
{
    try {
        // Loading first keeps the file's keys when nothing was read before.
        InitPrefs();
        mPrefs->SetValue("app_vers", AppVersionCode());
        const auto data = PrefsData(*mPrefs);
        if (!data)
            return false;
        const fw::FolderItemPtr file = PrefsFile();
        return file && file->WriteAll(*data, "????");
    } catch (const std::exception&) {
        return false;
    }
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

fw::DictionaryPtr ReadPrefsData(std::string_view file)
{
    fw::DictionaryPtr store;
    if (file.size() >= kHeaderSize && file.substr(0, kMagic.size()) == kMagic) {
        const auto version = std::bit_cast<std::int16_t>(
            std::uint16_t((unsigned(std::uint8_t(file[6])) << 8) | std::uint8_t(file[7])));
        // Any later version reads the same; there is no migration.
        if (version >= kVersion) {
            auto body = std::make_shared<fw::MemoryBlock>(fw::MemoryBlock::FromString(file.substr(kHeaderSize)));
            if (std::uint8_t(file[8]) == kEnciphered)
                BDictionary::Decrypt(body, GenerateKey());
            store = BDictionary::Convert(body);
        }
    }
    return store ? store : std::make_shared<fw::Dictionary>();
}

std::optional<std::string> PrefsData(const fw::Dictionary& store)
{
    const fw::MemoryBlockPtr body = BDictionary::DictionaryData(store);
    if (!body)
        return std::nullopt;
    BDictionary::Encrypt(body, GenerateKey());
    std::string file(kMagic);
    file += char(kVersion >> 8);
    file += char(kVersion & 0xFF);
    file += char(kEnciphered);
    file += body->ToString();
    return file;
}

void ResetForTesting()
{
    mPrefs.reset();
}

} // namespace BPrefs
