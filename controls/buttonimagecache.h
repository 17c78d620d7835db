// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "framework/core/folderitem.h"

#include <memory>
#include <string>
#include <string_view>

namespace fw {
class Picture;
using PicturePtr = std::shared_ptr<Picture>;
} // namespace fw

namespace controls {

class ButtonImageFile;
using ButtonImageFilePtr = std::shared_ptr<ButtonImageFile>;

// The glossy buttons' picture files: each image decoded from its base64 text
// into a file of this process's private temporary folder, named by the
// image's role and suffix ("Normal.round", "Symbol.back"). Every button that
// shows the same image holds the same file; the file is deleted when the last
// holder lets it go.
namespace ButtonImageCache {

// The file of that name: the one this process already holds when it is
// still there, otherwise a new one written from the base64 text. Files are
// created exclusively: a file of that name that this process did not write
// is never read, replaced or deleted, and ours takes another name beside it.
// Its item carries the Mac type "PNGf", the creator "EIFF" and Visible False.
// Throws std::runtime_error when the text is not base64 or the file cannot
// be written.
ButtonImageFilePtr Acquire(std::string_view name, std::string_view base64);

// The folder that holds the files; null when it cannot be created.
fw::FolderItemPtr Folder();

} // namespace ButtonImageCache

// One file written by the cache. Not copyable; shared through
// ButtonImageFilePtr.
class ButtonImageFile {
public:
    ~ButtonImageFile();
    ButtonImageFile(const ButtonImageFile&) = delete;
    ButtonImageFile& operator=(const ButtonImageFile&) = delete;

    // The cache name, and the file it was written to (the name itself unless
    // a foreign file held it).
    const std::string& Name() const { return m_name; }
    const fw::FolderItemPtr& Item() const { return m_item; }

    // Whether the file written here is still there.
    bool Present() const;
    // The picture the file holds, read when first asked for and then shared
    // by every holder, which must not draw into it; null when the file
    // cannot be read as a picture (asked again, it is read again).
    fw::PicturePtr OpenAsPicture();

private:
    friend ButtonImageFilePtr ButtonImageCache::Acquire(std::string_view, std::string_view);
    ButtonImageFile(std::string name, fw::FolderItemPtr item, fw::FileIdentity identity);

    std::string m_name;
    fw::FolderItemPtr m_item;
    fw::FileIdentity m_identity;
    fw::PicturePtr m_picture;
};

} // namespace controls
