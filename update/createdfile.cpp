// SPDX-License-Identifier: GPL-3.0-or-later
#include "update/createdfile.h"

#include "calendar/mainwindow.h"
#include "framework/gui/application.h"
#include "framework/gui/timer.h"

#include <algorithm>
#include <cstdlib>
#include <random>
#include <unistd.h>
#include <vector>

namespace update {

namespace {

constexpr fw::LeftoverPattern kPartialFiles{".cyclane-download-", 16, ".part"};

struct PartialFile {
    CreatedFile file;
    pid_t maker = 0;
    bool cancelled = false;
};

// Never destroyed: the exit handler reads it after static destructors may
// have begun.
std::vector<PartialFile>& Partial()
{
    static auto* files = new std::vector<PartialFile>;
    return *files;
}

void Forget(const CreatedFile& file)
{
    std::erase_if(Partial(), [&](const PartialFile& p) { return p.file.hold == file.hold; });
}

// Plain file-system calls only: it runs in exit(), whatever called that. A
// forked child that exits leaves its parent's files alone.
void RemoveAtExit()
{
    const std::vector<PartialFile> files = Partial();
    for (const PartialFile& p : files)
        if (p.maker == ::getpid())
            p.file.Remove();
}

} // namespace

std::string PartialFileName()
{
    static std::mt19937_64 random{std::random_device{}()};
    static constexpr char kHex[] = "0123456789abcdef";
    std::string name(kPartialFiles.prefix);
    std::uint64_t bits = random();
    for (std::size_t i = 0; i < kPartialFiles.randomChars; ++i, bits >>= 4)
        name += kHex[bits & 15];
    return name + std::string(kPartialFiles.suffix);
}

bool CreatedFile::Remove() const
{
    Forget(*this);
    if (!item || !hold || item->Identity() != hold->Identity())
        return false;
    return item->Delete();
}

void CreatedFile::Keep() const
{
    Forget(*this);
}

std::optional<CreatedFile> HoldPartialFile(fw::FolderItemPtr item, std::optional<fw::FileIdentity> made)
{
    std::shared_ptr<const fw::FileHold> hold = item ? fw::FileHold::Open(*item) : nullptr;
    if (!hold || hold->Identity() != made)
        return std::nullopt;
    static const bool atExit = std::atexit(RemoveAtExit) == 0;
    (void)atExit;
    CreatedFile file{std::move(item), std::move(hold)};
    Partial().push_back({file, ::getpid()});
    return file;
}

void RemoveLater(const CreatedFile& file)
{
    const fw::Application* app = fw::App();
    if (app && app->Quitting()) {
        file.Remove();
        return;
    }
    for (PartialFile& p : Partial())
        p.cancelled = p.cancelled || p.file.hold == file.hold;
    if (windows::main* calendar = win::main())
        calendar->Timer1->SetMode(fw::Timer::kModeMultiple);
}

int RemoveCancelledDownloads()
{
    std::vector<CreatedFile> cancelled;
    for (const PartialFile& p : Partial())
        if (p.cancelled)
            cancelled.push_back(p.file);
    int removed = 0;
    for (const CreatedFile& file : cancelled)
        removed += file.Remove() ? 1 : 0;
    return removed;
}

void RemovePartialFiles()
{
    const std::vector<PartialFile> files = Partial();
    for (const PartialFile& p : files)
        p.file.Remove();
}

void RemoveLeftoverPartialFiles()
{
    fw::RemoveUnheld(*fw::FolderItem::DesktopFolder(false), kPartialFiles);
}

} // namespace update
