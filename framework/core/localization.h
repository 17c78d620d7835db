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

} // namespace fw
