// SPDX-License-Identifier: GPL-3.0-or-later
#include "controls/buttonimagecache.h"

#include "framework/core/binarystream.h"
#include "framework/core/digest.h"
#include "framework/gui/picture.h"

#include <map>
#include <optional>
#include <stdexcept>

namespace {

// The live files by cache name; a file goes when its last holder does. Never
// destroyed: buttons still alive at an exit() erase their names from it.
std::map<std::string, std::weak_ptr<controls::ButtonImageFile>, std::less<>>& Registry()
{
    static auto& files = *new std::map<std::string, std::weak_ptr<controls::ButtonImageFile>, std::less<>>;
    return files;
}

} // namespace

namespace controls {

ButtonImageFile::ButtonImageFile(std::string name, fw::FolderItemPtr item, fw::FileIdentity identity)
    : m_name(std::move(name)), m_item(std::move(item)), m_identity(identity)
{
}

ButtonImageFile::~ButtonImageFile()
{
    if (Present())
        m_item->Delete();
    auto& files = Registry();
    if (auto it = files.find(m_name); it != files.end() && it->second.expired())
        files.erase(it);
}

bool ButtonImageFile::Present() const
{
    return m_item->Identity() == m_identity;
}

fw::PicturePtr ButtonImageFile::OpenAsPicture()
{
    if (!m_picture && Present())
        m_picture = fw::OpenAsPicture(*m_item);
    return m_picture;
}

namespace ButtonImageCache {

fw::FolderItemPtr Folder()
{
    return fw::FolderItem::PrivateTemporaryFolder();
}

ButtonImageFilePtr Acquire(std::string_view name, std::string_view base64)
{
    auto& files = Registry();
    auto it = files.find(name);
    if (it != files.end())
        if (ButtonImageFilePtr held = it->second.lock(); held && held->Present())
            return held;

    const std::optional<std::string> bytes = fw::DecodeBase64(base64);
    if (!bytes)
        throw std::runtime_error("the artwork of " + std::string(name) + " is not base64");
    const fw::FolderItemPtr folder = Folder();
    if (!folder)
        throw std::runtime_error("no temporary folder for the button pictures");

    // The name itself, or beside it when something we did not write holds it.
    for (int attempt = 1; attempt <= 100; ++attempt) {
        const std::string fileName = attempt == 1 ? std::string(name) : std::string(name) + "-" + std::to_string(attempt);
        fw::FolderItemPtr item = folder->Child(fileName);
        if (!item)
            break;
        fw::BinaryStreamPtr stream = item->CreateBinaryFile("application/binary");
        if (!stream) {
            if (item->Identity())
                continue;
            break;
        }
        stream->Write(*bytes);
        item->SetMacType("PNGf");
        item->SetMacCreator("EIFF");
        item->SetVisible(false);
        const std::optional<fw::FileIdentity> identity = item->Identity();
        const bool written = !stream->WriteError() && identity;
        // Closed without the sync of Close(): the files live only as long as
        // the run and are written again by the next one.
        stream.reset();
        if (!written) {
            item->Delete();
            break;
        }
        auto file = ButtonImageFilePtr(new ButtonImageFile(std::string(name), std::move(item), *identity));
        files.insert_or_assign(std::string(name), file);
        return file;
    }
    throw std::runtime_error("cannot write the picture file " + std::string(name));
}

} // namespace ButtonImageCache

} // namespace controls
