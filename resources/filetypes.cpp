// SPDX-License-Identifier: GPL-3.0-or-later
#include "resources/filetypes.h"

namespace FileTypes {

namespace {
fw::FileTypePtr& text()
{
    static fw::FileTypePtr type;
    return type;
}
} // namespace

const fw::FileTypePtr& pText()
{
    return text();
}

void Initialize()
{
    auto type = std::make_shared<fw::FileType>();
    type->SetName("text");
    type->SetExtensions("");
    type->SetMacType("TEXT");
    type->SetMacCreator("R*ch");
    text() = std::move(type);
}

} // namespace FileTypes
