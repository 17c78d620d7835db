// SPDX-License-Identifier: GPL-3.0-or-later
#include "framework/core/localization.h"
#include "framework/core/localization_seam.h"
#include "support/testenv.h"

#include <gtest/gtest.h>

namespace fs = std::filesystem;
using fw::GetLocalizedString;

namespace {
// Puts the locale's language and the resources-only lookup back.
struct LocalizationGuard {
    ~LocalizationGuard()
    {
        fw::SetLocalizationFolder("");
        fw::SetLocalizationLanguage("");
    }
};
} // namespace

TEST(Localization, TablesByLanguageWithDefaults)
{
    testenv::TempFolders folders;
    LocalizationGuard guard;
    const fs::path dir = folders.home() / "l10n";
    fs::create_directories(dir);
    testenv::WriteFile(dir / "fr.json",
                       R"({"Textos.k300": "F\u00e9vrier", "Textos.k301": "Ao\u00fbt\rD\u00e9cembre",)"
                       R"( "Textos.k302": 5, "Textos.k303": null, "Textos.k304": ""})");
    testenv::WriteFile(dir / "es.json", "{\"Textos.k300\": \"Febrero\"}");
    testenv::WriteFile(dir / "es_MX.json", "{\"Textos.k300\": \"Feb. (MX)\"}");
    testenv::WriteFile(dir / "de.json", "{\"Textos.k300\": \"Februar\""); // cut short
    testenv::WriteFile(dir / "it.json", "[\"Febbraio\"]");
    testenv::WriteFile(dir / "nl.json", "");
    fw::SetLocalizationFolder(dir.string());

    struct Row { const char* name; const char* language; const char* key; std::string expected; };
    const Row rows[] = {
        {"French with accents", "fr", "Textos.k300", "F\xC3\xA9vrier"},
        {"carriage return kept", "fr", "Textos.k301", "Ao\xC3\xBBt\rD\xC3\xA9" "cembre"},
        {"number value ignored", "fr", "Textos.k302", "default"},
        {"empty text is a text", "fr", "Textos.k304", ""},
        {"missing key", "fr", "Textos.k999", "default"},
        {"region falls back to language", "fr_CA", "Textos.k300", "F\xC3\xA9vrier"},
        {"region table first", "es_MX", "Textos.k300", "Feb. (MX)"},
        {"language only", "es", "Textos.k300", "Febrero"},
        {"invalid JSON", "de", "Textos.k300", "default"},
        {"not an object", "it", "Textos.k300", "default"},
        {"empty file", "nl", "Textos.k300", "default"},
        {"no table", "pt_BR", "Textos.k300", "default"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        fw::SetLocalizationLanguage(row.language);
        EXPECT_EQ(GetLocalizedString(row.key, "default"), row.expected);
    }
}
