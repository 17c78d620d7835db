// SPDX-License-Identifier: GPL-3.0-or-later
#include "framework/gui/menubar.h"

#include "framework/gui/application.h"
#include "framework/gui/editmenu_p.h"
#include "framework/gui/gui_p.h"
#include "framework/gui/window.h"
#include "framework/gui/window_p.h"

#include <QAction>
#include <QCoreApplication>
#include <QKeySequence>
#include <QMenu>

#include <stdexcept>

namespace fw {

namespace {

QKeySequence ToKeySequence(std::string_view shortcut)
{
    // The Mac's Command key is Ctrl here.
    QString text = detail::ToQString(shortcut);
    text.replace(QLatin1String("Cmd+"), QLatin1String("Ctrl+"), Qt::CaseInsensitive);
    return QKeySequence::fromString(text, QKeySequence::PortableText);
}

void CollectLeaves(MenuItem& item, std::vector<MenuItem*>& out)
{
    for (std::size_t i = 0; i < item.Count(); ++i) {
        MenuItem* child = item.Item(i);
        if (child->Count() > 0)
            CollectLeaves(*child, out);
        else if (!child->IsSeparator())
            out.push_back(child);
    }
}

} // namespace

MenuItem::MenuItem(std::string name) : m_name(std::move(name)) {}

MenuItem::MenuItem(std::string name, Role role) : m_name(std::move(name)), m_role(role) {}

MenuItem::~MenuItem()
{
    // Qt objects cannot be destroyed once the application object is gone
    // (a bar kept until the process ends).
    if (!QCoreApplication::instance()) {
        (void)m_menu.release();
        (void)m_action.release();
    }
}

void MenuItem::EnsureAction()
{
    if (m_action || m_menu)
        return;
    m_action = std::make_unique<QAction>();
    ShowText();
    m_action->setShortcut(ToKeySequence(m_shortcut));
    switch (m_role) {
    case Role::Quit: m_action->setMenuRole(QAction::QuitRole); break;
    case Role::Application: m_action->setMenuRole(QAction::ApplicationSpecificRole); break;
    case Role::Normal: m_action->setMenuRole(QAction::NoRole); break;
    }
    QObject::connect(m_action.get(), &QAction::triggered, m_action.get(), [this] {
        Dispatch([this] { MenuBar::Dispatch(m_name); });
    });
}

void MenuItem::MakeMenu()
{
    if (m_menu)
        return;
    m_menu = std::make_unique<QMenu>();
    m_menu->setTitle(detail::ToQString(m_text));
    QObject::connect(m_menu.get(), &QMenu::aboutToShow, m_menu.get(), [this] {
        Dispatch([this] { AboutToShow(); });
    });
    // An item that becomes a submenu swaps its action for the menu's.
    if (m_action && m_parent && m_parent->m_menu) {
        m_parent->m_menu->insertAction(m_action.get(), m_menu->menuAction());
        m_parent->m_menu->removeAction(m_action.get());
    }
    m_action.reset();
}

void MenuItem::ShowText()
{
    // Some styles draw a separator's text beside its line.
    m_action->setSeparator(IsSeparator());
    m_action->setText(IsSeparator() ? QString() : detail::ToQString(m_text));
}

QAction* MenuItem::Handle()
{
    if (m_menu)
        return m_menu->menuAction();
    EnsureAction();
    return m_action.get();
}

void MenuItem::SetText(std::string_view text)
{
    m_text = text;
    if (m_menu)
        m_menu->setTitle(detail::ToQString(text));
    if (m_action)
        ShowText();
}

void MenuItem::SetKeyboardShortcut(std::string_view shortcut)
{
    m_shortcut = shortcut;
    if (m_action)
        m_action->setShortcut(ToKeySequence(shortcut));
}

void MenuItem::SetEnabled(bool on)
{
    Handle()->setEnabled(on);
}

MenuItem* MenuItem::Append(std::unique_ptr<MenuItem> item)
{
    MenuItem* raw = item.get();
    raw->m_parent = this;
    m_children.push_back(std::move(item));
    if (dynamic_cast<MenuBar*>(this)) {
        raw->MakeMenu();
    } else {
        MakeMenu();
        m_menu->addAction(raw->Handle());
    }
    return raw;
}

MenuItem* MenuItem::Child(std::string_view name) const
{
    for (const auto& child : m_children)
        if (child->m_name == name)
            return child.get();
    return nullptr;
}

MenuItem* MenuItem::FindItem(std::string_view name) const
{
    for (const auto& child : m_children) {
        if (child->m_name == name)
            return child.get();
        if (MenuItem* found = child->FindItem(name))
            return found;
    }
    return nullptr;
}

MenuItem* MenuItem::Item(std::size_t index) const
{
    return index < m_children.size() ? m_children[index].get() : nullptr;
}

void MenuItem::AboutToShow()
{
    MenuItem* root = this;
    while (root->m_parent)
        root = root->m_parent;
    if (auto* bar = dynamic_cast<MenuBar*>(root))
        bar->EnableMenuItems();
}

void MenuBar::Build(std::span<const MenuRow> rows)
{
    for (const MenuRow& row : rows) {
        std::unique_ptr<MenuItem> item;
        switch (row.kind) {
        case MenuRow::Kind::Quit: item = std::make_unique<QuitMenuItem>(); break;
        case MenuRow::Kind::Apple: item = std::make_unique<AppleMenuItem>(); break;
        case MenuRow::Kind::Item: item = std::make_unique<MenuItem>(); break;
        }
        item->SetName(row.name);
        item->SetAutoEnable(row.autoEnable);
        item->SetText(row.text);
        if (!item->IsSeparator())
            item->SetKeyboardShortcut(row.shortcut);
        MenuItem* parent = this;
        if (!row.parent.empty()) {
            parent = Child(row.parent);
            if (!parent)
                throw std::invalid_argument("menu " + std::string(row.parent) + " is not in the bar");
        }
        parent->Append(std::move(item));
    }
}

void MenuBar::EnableMenuItems()
{
    std::vector<MenuItem*> leaves;
    CollectLeaves(*this, leaves);
    for (MenuItem* item : leaves)
        item->SetEnabled(item->AutoEnable());
    if (Window* front = FrontWindow()) {
        Window::Private::EnableMenuItems(*front);
        for (MenuItem* item : leaves)
            if (front->HasMenuHandler(item->Name()))
                item->SetEnabled(true);
    }
    if (Application* app = App()) {
        app->Event_EnableMenuItems();
        for (MenuItem* item : leaves)
            if (app->HasMenuHandler(item->Name()))
                item->SetEnabled(true);
    }
    for (MenuItem* item : leaves)
        if (detail::FieldServes(item->Name()))
            item->SetEnabled(true);
}

bool MenuBar::Dispatch(std::string_view itemName)
{
    Window* front = FrontWindow();
    Application* app = App();
    // The focused text field serves the Edit items nobody else handles.
    if (!(front && front->HasMenuHandler(itemName)) && !(app && app->HasMenuHandler(itemName)))
        return detail::ServeByField(itemName);
    if (front && front->HandleMenuCommand(itemName))
        return true;
    if (app)
        return app->HandleMenuCommand(itemName);
    return false;
}

} // namespace fw
