// SPDX-License-Identifier: GPL-3.0-or-later
// Writes valid preferences files as seeds for prefs_load_fuzz.
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <memory>
#include <string>

#include "prefs/bdictionary.h"
#include "prefs/bprefs.h"

namespace {

bool write(const std::filesystem::path& file, const std::string& bytes)
{
    std::ofstream out(file, std::ios::binary);
    out << bytes;
    return bool(out);
}

fw::DictionaryPtr fourteen()
{
    auto d = std::make_shared<fw::Dictionary>();
    d->SetValue("durciclo", "28");
    d->SetValue("luteo", "14");
    d->SetValue("fechamens1", fw::Date(2007, 3, 15, 9, 30, 0));
    d->SetValue("rbevitar", false);
    d->SetValue("rbconcebir", true);
    d->SetValue("rbnino", false);
    d->SetValue("rbnina", false);
    d->SetValue("disclaimer", true);
    d->SetValue("helptip", true);
    d->SetValue("ckupdt", false);
    d->SetValue("durmens", std::int32_t(2));
    d->SetValue("fertpre", std::int32_t(2));
    d->SetValue("fertpost", std::int32_t(1));
    d->SetValue("app_vers", BPrefs::AppVersionCode());
    return d;
}

// Every kind of record, nested.
fw::DictionaryPtr allKinds()
{
    auto inner = std::make_shared<fw::Dictionary>();
    inner->SetValue("x", 1.5);
    inner->SetValue(std::int32_t(7), fw::RGB(0xFF, 0x80, 0x00));
    auto d = std::make_shared<fw::Dictionary>();
    d->SetValue("nested", fw::Variant(inner));
    d->SetValue("nil", fw::Variant(nullptr));
    d->SetValue("block", fw::Variant(std::make_shared<fw::MemoryBlock>(fw::MemoryBlock::FromString("\x01\x02"))));
    d->SetValue("file", fw::Variant(std::make_shared<fw::FolderItem>("/tmp/file")));
    d->SetValue("raw", fw::Variant(fw::EncodedString{"raw", fw::kEncodingNone}));
    d->SetValue("empty", fw::Variant(std::make_shared<fw::Dictionary>()));
    return d;
}

} // namespace

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: prefs_corpus <folder>\n");
        return 2;
    }
    const std::filesystem::path folder = argv[1];
    std::filesystem::create_directories(folder);
    bool ok = true;
    ok &= write(folder / "empty-store", *BPrefs::PrefsData(std::make_shared<fw::Dictionary>()));
    ok &= write(folder / "fourteen-keys", *BPrefs::PrefsData(fourteen()));
    ok &= write(folder / "all-kinds", *BPrefs::PrefsData(allKinds()));
    // The same store with a plain body (flag 0).
    const fw::MemoryBlockPtr plain = BDictionary::Convert(fourteen());
    ok &= write(folder / "plain-flag", std::string("BPrefs\x01\x00\x00", 9) + plain->ToString());
    return ok ? 0 : 1;
}
