// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "framework/core/localization.h"
#include "framework/core/localization_seam.h"
#include "support/testenv.h"

#include <filesystem>
#include <fstream>
#include <string>
#include <utility>
#include <vector>

namespace testenv {

// A language table of its own (key to text, none needing JSON escapes), in
// use for the test's lifetime.
class ScopedTable {
public:
    ScopedTable(const std::string& language, const std::vector<std::pair<std::string, std::string>>& entries)
    {
        const std::filesystem::path folder = m_folders.home() / "l10n";
        std::filesystem::create_directories(folder);
        std::ofstream file(folder / (language + ".json"), std::ios::binary);
        file << "{";
        for (std::size_t i = 0; i < entries.size(); ++i)
            file << (i ? ",\n" : "\n") << '"' << entries[i].first << "\": \"" << entries[i].second << '"';
        file << "\n}\n";
        file.close();
        fw::SetLocalizationFolder(folder.string());
        fw::SetLocalizationLanguage(language);
    }
    ~ScopedTable()
    {
        fw::SetLocalizationFolder("");
        fw::SetLocalizationLanguage("");
    }
    ScopedTable(const ScopedTable&) = delete;
    ScopedTable& operator=(const ScopedTable&) = delete;

private:
    testenv::TempFolders m_folders;
};

} // namespace testenv
