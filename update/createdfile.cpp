// SPDX-License-Identifier: GPL-3.0-or-later
#include "update/createdfile.h"

#include "calendar/mainwindow.h"
#include "framework/gui/application.h"
#include "framework/gui/timer.h"

#include <vector>

namespace update {

namespace {
std::vector<CreatedFile>& Pending()
{
    static std::vector<CreatedFile> pending;
    return pending;
}
} // namespace

fw::FolderItemPtr CreatedFile::Item() const
{
    return fw::FolderItem::DesktopFolder()->Child(name);
}

bool CreatedFile::Remove() const
{
    const fw::FolderItemPtr item = Item();
    if (!item || !hold || item->Identity() != hold->Identity())
        return false;
    return item->Delete();
}

void RemoveLater(CreatedFile file)
{
    const fw::Application* app = fw::App();
    if (app && app->Quitting()) {
        file.Remove();
        return;
    }
    Pending().push_back(std::move(file));
    if (windows::main* calendar = win::main())
        calendar->Timer1->SetMode(fw::Timer::kModeMultiple);
}

int RemoveCancelledDownloads()
{
    const std::vector<CreatedFile> files = std::move(Pending());
    Pending().clear();
    int removed = 0;
    for (const CreatedFile& file : files)
        removed += file.Remove() ? 1 : 0;
    return removed;
}

} // namespace update
