// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <functional>
#include <map>
#include <string>
#include <string_view>

namespace fw {

// Menu handlers by item name, as a window and the application hold them. True
// from a handler marks the command as handled: a window's handler that gives
// true keeps the application's from being asked.
class MenuHandlers {
public:
    void AddMenuHandler(std::string itemName, std::function<bool()> handler);
    template <class Obj, class Method>
    void AddMenuHandler(std::string itemName, Obj* obj, Method method)
    {
        AddMenuHandler(std::move(itemName), std::function<bool()>([obj, method] { return (obj->*method)(); }));
    }
    bool HasMenuHandler(std::string_view itemName) const;
    // Runs the handler of the item; false when there is none.
    bool HandleMenuCommand(std::string_view itemName);

protected:
    ~MenuHandlers() = default;

private:
    std::map<std::string, std::function<bool()>, std::less<>> m_menuHandlers;
};

} // namespace fw
