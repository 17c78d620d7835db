// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "framework/core/filehold.h"
#include "framework/core/folderitem.h"

#include <memory>

#include <string>

namespace update {

// A file that a download made in the Desktop folder: its name and which file
// it is, held open so that only that very file is ever deleted again.
struct CreatedFile {
    std::string name;
    std::shared_ptr<const fw::FileHold> hold;

    fw::FolderItemPtr Item() const;
    // Deletes it when the Desktop still holds the same file under its name;
    // true when it did.
    bool Remove() const;
};

// A cancelled download's file, deleted by the calendar window's timer a
// moment later (at once when the application is quitting, as no timer will
// run then).
void RemoveLater(CreatedFile file);

// Deletes the files of every cancelled download that are still the ones the
// downloads made; what the calendar window's timer does. Returns how many
// were deleted.
int RemoveCancelledDownloads();

} // namespace update
