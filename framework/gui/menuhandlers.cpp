// SPDX-License-Identifier: GPL-3.0-or-later
#include "framework/gui/menuhandlers.h"

namespace fw {

void MenuHandlers::AddMenuHandler(std::string itemName, std::function<bool()> handler)
{
    m_menuHandlers[std::move(itemName)] = std::move(handler);
}

bool MenuHandlers::HasMenuHandler(std::string_view itemName) const
{
    return m_menuHandlers.find(itemName) != m_menuHandlers.end();
}

bool MenuHandlers::HandleMenuCommand(std::string_view itemName)
{
    auto it = m_menuHandlers.find(itemName);
    if (it == m_menuHandlers.end())
        return false;
    // A copy: the handler may replace itself.
    auto handler = it->second;
    return handler();
}

} // namespace fw
