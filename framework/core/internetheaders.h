// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace fw {

// The header fields of an HTTP reply, in the order they came.
class InternetHeaders {
public:
    void AppendHeader(std::string name, std::string value);
    void Clear() { m_fields.clear(); }
    std::size_t Count() const { return m_fields.size(); }
    const std::pair<std::string, std::string>& Field(std::size_t i) const { return m_fields.at(i); }

    // The value of the first field of that name (letter case ignored), or
    // nothing when the reply has none.
    std::optional<std::string> Value(std::string_view name) const;

private:
    std::vector<std::pair<std::string, std::string>> m_fields;
};

} // namespace fw
