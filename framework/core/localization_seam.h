// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Tests choose the language and the tables.

#include <string_view>

namespace fw {

// Chooses the language (for example "es") in place of the user's locale;
// an empty text returns to the locale.
void SetLocalizationLanguage(std::string_view language);
// Looks tables up in folder (files "<language>.json") before the resources.
void SetLocalizationFolder(std::string_view folder);

} // namespace fw
