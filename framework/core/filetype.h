// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <memory>
#include <string>
#include <string_view>

namespace fw {

// A kind of file a program declares: its name, its extensions and its Mac
// file type and creator. The Mac codes mean nothing on this platform: they
// are carried as data, and nothing sets them on a file.
class FileType {
public:
    const std::string& Name() const { return m_name; }
    void SetName(std::string_view name) { m_name = name; }
    // Semicolon-separated; empty for none.
    const std::string& Extensions() const { return m_extensions; }
    void SetExtensions(std::string_view extensions) { m_extensions = extensions; }
    const std::string& MacType() const { return m_macType; }
    void SetMacType(std::string_view type) { m_macType = type; }
    const std::string& MacCreator() const { return m_macCreator; }
    void SetMacCreator(std::string_view creator) { m_macCreator = creator; }

private:
    std::string m_name;
    std::string m_extensions;
    std::string m_macType;
    std::string m_macCreator;
};

using FileTypePtr = std::shared_ptr<FileType>;

} // namespace fw
