// SPDX-License-Identifier: GPL-3.0-or-later
#include "framework/gui/charindex.h"

#include <algorithm>

namespace fw::detail {

void CharIndex::Reset(const QString& text)
{
    m_wide.clear();
    std::int32_t chars = 0;
    for (qsizetype i = 0; i < text.size(); ++i, ++chars)
        if (text.at(i).isHighSurrogate() && i + 1 < text.size() && text.at(i + 1).isLowSurrogate()) {
            m_wide.push_back(chars);
            ++i;
        }
    m_length = chars;
}

int CharIndex::ToQt(std::int32_t chars) const
{
    chars = std::clamp(chars, std::int32_t{0}, m_length);
    const auto before = std::lower_bound(m_wide.begin(), m_wide.end(), chars) - m_wide.begin();
    return static_cast<int>(chars + before);
}

std::int32_t CharIndex::ToChars(int qt) const
{
    qt = std::max(qt, 0);
    // The k-th wide character starts at unit m_wide[k] + k.
    std::int32_t started = 0;
    for (std::size_t k = 0; k < m_wide.size() && m_wide[k] + static_cast<std::int32_t>(k) < qt; ++k)
        ++started;
    return std::min(qt - started, m_length);
}

} // namespace fw::detail
