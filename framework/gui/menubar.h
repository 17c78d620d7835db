// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <memory>
#include <span>
#include <string>
#include <string_view>
#include <vector>

class QAction;
class QMenu;

namespace fw {

// A menu or a menu item, addressed by name. An item with children is a menu;
// the text "-" makes a separator.
class MenuItem {
public:
    explicit MenuItem(std::string name = {});
    virtual ~MenuItem();
    MenuItem(const MenuItem&) = delete;
    MenuItem& operator=(const MenuItem&) = delete;

    const std::string& Name() const { return m_name; }
    void SetName(std::string_view name) { m_name = name; }
    const std::string& Text() const { return m_text; }
    void SetText(std::string_view text);
    // "Cmd+Q" (the Mac's Command key is Ctrl here) or "Ctrl+Q"; empty: none.
    const std::string& KeyboardShortcut() const { return m_shortcut; }
    void SetKeyboardShortcut(std::string_view shortcut);
    // True: the enabling pass enables the item whatever the handlers.
    bool AutoEnable() const { return m_autoEnable; }
    void SetAutoEnable(bool on) { m_autoEnable = on; }
    void SetEnabled(bool on);
    bool IsSeparator() const { return m_text == "-"; }

    // Appends at the end and returns the appended item.
    MenuItem* Append(std::unique_ptr<MenuItem> item);
    // The direct child of that name, or nullptr.
    MenuItem* Child(std::string_view name) const;
    // The item of that name at any depth below this one, or nullptr.
    MenuItem* FindItem(std::string_view name) const;
    std::size_t Count() const { return m_children.size(); }
    MenuItem* Item(std::size_t index) const;
    MenuItem* ParentItem() const { return m_parent; }

    // Framework side: the action shown in menus (a menu's title action for an
    // item with children).
    QAction* Handle();

protected:
    // Platform roles of the Quit and application-menu items.
    enum class Role { Normal, Quit, Application };
    explicit MenuItem(std::string name, Role role);

private:
    friend class MenuBar;
    void EnsureAction();
    void ShowText();
    void MakeMenu();
    void AboutToShow();
    std::string m_name;
    std::string m_text;
    std::string m_shortcut;
    bool m_autoEnable = false;
    Role m_role = Role::Normal;
    MenuItem* m_parent = nullptr;
    std::vector<std::unique_ptr<MenuItem>> m_children;
    std::unique_ptr<QAction> m_action;
    std::unique_ptr<QMenu> m_menu;
};

// The framework's Quit item.
class QuitMenuItem : public MenuItem {
public:
    explicit QuitMenuItem(std::string name = {}) : MenuItem(std::move(name), Role::Quit) {}
};

// An item that belongs to the application menu on platforms that have one;
// elsewhere it stays in the menu that holds it.
class AppleMenuItem : public MenuItem {
public:
    explicit AppleMenuItem(std::string name = {}) : MenuItem(std::move(name), Role::Application) {}
};

// One row of a menu table: parent is empty for a menu of the bar, else the
// name of the bar's menu that receives the item.
struct MenuRow {
    enum class Kind { Item, Quit, Apple };
    std::string_view parent;
    std::string_view name;
    Kind kind;
    std::string_view text;
    std::string_view shortcut;
    bool autoEnable;
};

// A menu bar: its children are the menus. One instance can be shown by any
// number of windows at once.
class MenuBar : public MenuItem {
public:
    MenuBar() = default;

    // Appends the rows in order: each item is created, given Name, AutoEnable,
    // Text and (unless it is a separator) KeyboardShortcut, then appended.
    // Throws std::invalid_argument for a parent that is not a menu of the bar.
    void Build(std::span<const MenuRow> rows);

    // The enabling pass, run before the menus are used: every item is
    // disabled unless AutoEnable; then the front window's EnableMenuItems runs
    // and its handled items are enabled; then the same for the application;
    // then the front window's focused text field enables those of "EditUndo",
    // "EditCut", "EditCopy", "EditPaste" and "EditClear" that apply to it.
    void EnableMenuItems();

    // Runs the command of the item: the front window's handler first, then,
    // unless that returned true, the application's. An item that neither
    // handles goes to the focused text field. False: nobody took it.
    static bool Dispatch(std::string_view itemName);
};

} // namespace fw
