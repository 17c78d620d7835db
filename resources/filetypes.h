// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

// The program's file types. They are declared at start-up and nothing opens
// or saves a file through them; the Mac type and creator mean nothing here.
namespace FileTypes {

struct FileType {
    std::string Name;
    std::string Extensions;
    std::string MacType;
    std::string MacCreator;
};

// Plain text; empty until Initialize.
const FileType& pText();
void Initialize();

} // namespace FileTypes
