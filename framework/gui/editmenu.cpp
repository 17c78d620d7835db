// SPDX-License-Identifier: GPL-3.0-or-later
#include "framework/gui/editmenu_p.h"

#include "framework/gui/control.h"
#include "framework/gui/editfield.h"
#include "framework/gui/window.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QLineEdit>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextEdit>

#include <optional>

namespace fw::detail {

namespace {

enum class Command { Undo, Cut, Copy, Paste, Clear };

std::optional<Command> CommandNamed(std::string_view name)
{
    struct Item { std::string_view name; Command command; };
    static constexpr Item kItems[] = {{"EditUndo", Command::Undo}, {"EditCut", Command::Cut},
                                      {"EditCopy", Command::Copy}, {"EditPaste", Command::Paste},
                                      {"EditClear", Command::Clear}};
    for (const Item& item : kItems)
        if (item.name == name)
            return item.command;
    return std::nullopt;
}

// The widget of the front window's focused text field, if a text field has
// the focus there.
QWidget* FocusedField()
{
    Window* front = FrontWindow();
    QWidget* focus = front ? front->Handle()->focusWidget() : nullptr;
    if (!focus)
        return nullptr;
    for (std::size_t i = 0; Control* c = front->ControlAt(i); ++i)
        if (c->Handle() == focus)
            return dynamic_cast<EditField*>(c) && c->Enabled() ? focus : nullptr;
    return nullptr;
}

// A read-only field offers Copy only; a password is never copied out.
bool Applies(QWidget* field, Command command)
{
    if (auto* line = qobject_cast<QLineEdit*>(field)) {
        const bool editable = !line->isReadOnly();
        const bool selected = line->hasSelectedText() && line->echoMode() == QLineEdit::Normal;
        switch (command) {
        case Command::Undo: return editable && line->isUndoAvailable();
        case Command::Cut: return editable && selected;
        case Command::Copy: return selected;
        case Command::Paste: return editable && !QGuiApplication::clipboard()->text().isEmpty();
        case Command::Clear: return editable && line->hasSelectedText();
        }
    }
    if (auto* area = qobject_cast<QTextEdit*>(field)) {
        const bool editable = !area->isReadOnly();
        const bool selected = area->textCursor().hasSelection();
        switch (command) {
        case Command::Undo: return editable && area->document()->isUndoAvailable();
        case Command::Cut: return editable && selected;
        case Command::Copy: return selected;
        case Command::Paste: return editable && area->canPaste();
        case Command::Clear: return editable && selected;
        }
    }
    return false;
}

void Act(QWidget* field, Command command)
{
    if (auto* line = qobject_cast<QLineEdit*>(field)) {
        switch (command) {
        case Command::Undo: line->undo(); break;
        case Command::Cut: line->cut(); break;
        case Command::Copy: line->copy(); break;
        case Command::Paste: line->paste(); break;
        case Command::Clear: line->del(); break;
        }
    } else if (auto* area = qobject_cast<QTextEdit*>(field)) {
        switch (command) {
        case Command::Undo: area->undo(); break;
        case Command::Cut: area->cut(); break;
        case Command::Copy: area->copy(); break;
        case Command::Paste: area->paste(); break;
        case Command::Clear: {
            QTextCursor cursor = area->textCursor();
            cursor.removeSelectedText();
            area->setTextCursor(cursor);
            break;
        }
        }
    }
}

} // namespace

bool FieldServes(std::string_view itemName)
{
    const std::optional<Command> command = CommandNamed(itemName);
    QWidget* field = command ? FocusedField() : nullptr;
    return field && Applies(field, *command);
}

bool ServeByField(std::string_view itemName)
{
    if (!FieldServes(itemName))
        return false;
    Act(FocusedField(), *CommandNamed(itemName));
    return true;
}

} // namespace fw::detail
