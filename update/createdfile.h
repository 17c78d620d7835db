// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "framework/core/filehold.h"
#include "framework/core/folderitem.h"

#include <memory>
#include <optional>
#include <string>

namespace update {

// A hidden name of our own in the Desktop folder for a download's file while
// it arrives.
std::string PartialFileName();

// A partial file of this run's downloads: where it is and which file it is,
// held so that only that very file is ever deleted again and that no other
// start takes it for a leftover.
struct CreatedFile {
    fw::FolderItemPtr item;
    std::shared_ptr<const fw::FileHold> hold;

    // Deletes it when its path still names the same file; true when it did.
    bool Remove() const;
    // It has its final name: no partial file any more.
    void Keep() const;
};

// Holds the file a download made (as it was when made) and counts it among
// this run's partial files, which quitting removes, as an exit handler does
// when the process ends another way (losing its display ends it by exit()).
// Nothing when its path no longer names that file.
std::optional<CreatedFile> HoldPartialFile(fw::FolderItemPtr item, std::optional<fw::FileIdentity> made);

// A cancelled download's file, deleted by the calendar window's timer a
// moment later (at once when the application is quitting, as no timer will
// run then).
void RemoveLater(const CreatedFile& file);

// Deletes the files of every cancelled download that are still the ones the
// downloads made; what the calendar window's timer does. Returns how many
// were deleted.
int RemoveCancelledDownloads();

// Every partial file of this run, cancelled or not, at once: what quitting
// does.
void RemovePartialFiles();

// The partial files in the Desktop folder that killed runs left: those of
// our pattern that no running program holds. What a start does.
void RemoveLeftoverPartialFiles();

} // namespace update
