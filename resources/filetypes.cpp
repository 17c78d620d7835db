// SPDX-License-Identifier: GPL-3.0-or-later
#include "resources/filetypes.h"

namespace FileTypes {

namespace {
FileType s_text;
} // namespace

const FileType& pText()
{
    return s_text;
}

void Initialize()
{
    s_text.Name = "text";
    s_text.Extensions = "";
    s_text.MacType = "TEXT";
    s_text.MacCreator = "R*ch";
}

} // namespace FileTypes
