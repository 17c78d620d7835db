// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "framework/core/text.h"
#include "framework/gui/editfield.h"

#include <cstdio>
#include <string>
#include <vector>

namespace testenv {

// The styles a styled field shows at character i, as far as they differ
// from the field's own: " b u F:Times 18 #0000ff". Selects that character.
inline std::string CharStyles(fw::EditField& field, std::int32_t i)
{
    field.SetSelStart(i);
    field.SetSelLength(1);
    std::string s = std::string(field.SelBold() ? " b" : "") + (field.SelItalic() ? " i" : "")
                    + (field.SelUnderline() ? " u" : "");
    if (field.SelTextFont() != field.TextFont())
        s += " F:" + field.SelTextFont();
    if (field.SelTextSize() != field.ShownTextSize())
        s += " " + std::to_string(field.SelTextSize());
    if (field.SelTextColor() != field.TextColor()) {
        char hex[8];
        std::snprintf(hex, sizeof hex, "#%06x", unsigned(field.SelTextColor().ToRGB()));
        s += std::string(" ") + hex;
    }
    return s;
}

// The styles a styled field shows, read character by character through the
// selection, equal neighbours joined, what is the field's own left out:
// "1-3 b 18; 3-4 b u F:Times #0000ff". The selection is left on the last
// character.
inline std::string SelStyles(fw::EditField& field)
{
    std::vector<std::string> chars;
    for (std::int32_t i = 0; i < fw::Len(field.Text()); ++i)
        chars.push_back(CharStyles(field, i));
    std::string out;
    for (std::size_t i = 0; i < chars.size();) {
        std::size_t end = i + 1;
        while (end < chars.size() && chars[end] == chars[i])
            ++end;
        if (!chars[i].empty())
            out += (out.empty() ? "" : "; ") + std::to_string(i) + "-" + std::to_string(end) + chars[i];
        i = end;
    }
    return out;
}

} // namespace testenv
