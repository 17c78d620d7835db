// SPDX-License-Identifier: GPL-3.0-or-later
// Framework-internal: the Edit menu's items Undo, Cut, Copy, Paste and Clear
// ("EditUndo" ... "EditClear"), which the front window's focused text field
// serves by name.
#pragma once

#include <string_view>

namespace fw::detail {

// True when the item is one of them and applies to the focused field now.
bool FieldServes(std::string_view itemName);
// Acts on the focused field; false when the item does not apply to it.
bool ServeByField(std::string_view itemName);

} // namespace fw::detail
