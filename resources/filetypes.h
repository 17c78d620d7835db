// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "framework/core/filetype.h"

// The program's file types, declared at start-up. Nothing opens or saves a
// file through them.
namespace FileTypes {

// Plain text: "text", no extensions, Mac type "TEXT", creator "R*ch". Null
// until Initialize.
const fw::FileTypePtr& pText();
// Makes the types and sets their properties.
void Initialize();

} // namespace FileTypes
