// SPDX-License-Identifier: GPL-3.0-or-later
// Framework-internal: where character offsets meet Qt's text positions.
#pragma once

#include <QString>

#include <cstdint>
#include <vector>

namespace fw::detail {

// The application counts characters (code points); Qt counts UTF-16 units, two
// for a character outside the Basic Multilingual Plane. Every offset of a
// text control passes through here, clamped to the text.
class CharIndex {
public:
    void Reset(const QString& text);
    std::int32_t Length() const { return m_length; }
    int ToQt(std::int32_t chars) const;
    // A position inside a surrogate pair counts as the pair's character.
    std::int32_t ToChars(int qt) const;

private:
    // Character offsets of the characters that take two units, ascending.
    std::vector<std::int32_t> m_wide;
    std::int32_t m_length = 0;
};

} // namespace fw::detail
