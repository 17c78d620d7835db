// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <string_view>

namespace fw {

// The current language's text for key, or defaultText unchanged when the
// language has no table or the table has no such key. Tables are JSON objects
// of key to text, shipped as resources ":/l10n/<language>.json"; the language
// comes from the user's locale.
std::string GetLocalizedString(std::string_view key, std::string_view defaultText);

// Chooses the language (for example "es") in place of the user's locale;
// an empty text returns to the locale.
void SetLocalizationLanguage(std::string_view language);
// Looks tables up in folder (files "<language>.json") before the resources.
void SetLocalizationFolder(std::string_view folder);

} // namespace fw
