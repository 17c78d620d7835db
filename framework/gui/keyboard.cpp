// SPDX-License-Identifier: GPL-3.0-or-later
// The keyboard across the framework's windows and the platform's dialogs.
#include "framework/gui/gui_p.h"

#include "framework/gui/application.h"
#include "framework/gui/window.h"

#include <QApplication>
#include <QKeyEvent>
#include <QPointer>
#include <QWidget>
#include <QWindow>

#include <utility>

namespace fw::detail {

namespace {

bool IsDefaultKey(int key)
{
    return key == Qt::Key_Return || key == Qt::Key_Enter || key == Qt::Key_Escape;
}

// Return, Enter and Escape act when they are released, in the window that
// took their press, and their repeats while held do nothing. A window that
// goes at the press (its default button hides it) would leave the release and
// the repeats to the window beneath, which would push its own default button
// with them; and a tool that sends the release to whichever window then has
// the keyboard would leave the key held down, repeating for good.
class DefaultKeysOnRelease : public QObject {
protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        // A key reaches its window first, then the window's focus widget.
        if (!watched->isWindowType())
            return false;
        auto* window = static_cast<QWindow*>(watched);
        switch (event->type()) {
        case QEvent::KeyPress:
        case QEvent::KeyRelease:
            break;
        case QEvent::FocusOut:
        case QEvent::Hide:
            if (m_held.window == window)
                m_held = {};
            return false;
        default:
            return false;
        }
        auto* key = static_cast<QKeyEvent*>(event);
        // Menus open over a window act as the platform's do.
        if (event == m_replay || !IsDefaultKey(key->key()) || window->type() == Qt::Popup)
            return false;
        if (event->type() == QEvent::KeyPress) {
            if (!key->isAutoRepeat())
                m_held = {window, key->key(), key->modifiers(), key->text(), key->nativeScanCode(),
                          key->nativeVirtualKey(), key->nativeModifiers()};
            return true;
        }
        if (key->isAutoRepeat())
            return true;
        const Held held = std::exchange(m_held, {});
        if (held.window != window || held.key != key->key())
            return false;
        QKeyEvent press(QEvent::KeyPress, held.key, held.modifiers, held.scanCode, held.virtualKey,
                        held.nativeModifiers, held.text);
        const QPointer<QWindow> alive(window);
        QEvent* const outer = std::exchange(m_replay, &press);
        QCoreApplication::sendEvent(window, &press);
        m_replay = outer;
        // The release follows its press, unless the press took the window away.
        return !alive;
    }

private:
    struct Held {
        QPointer<QWindow> window;
        int key = 0;
        Qt::KeyboardModifiers modifiers;
        QString text;
        quint32 scanCode = 0, virtualKey = 0, nativeModifiers = 0;
    };
    Held m_held;
    QEvent* m_replay = nullptr;
};

} // namespace

void ActOnDefaultKeysWhenReleased()
{
    InstallApplicationFilter<DefaultKeysOnRelease>();
}

void KeyboardBackAfterDialog(const QWidget* dialog)
{
    // Without a window manager nobody gives it back: the keyboard would reach
    // no window until one is clicked. Under one, it already has.
    const QWidget* active = QApplication::activeWindow();
    if ((active && active != dialog) || Quitting())
        return;
    if (Window* front = FrontWindow(); front && front->Handle()->isVisible())
        front->Handle()->activateWindow();
}

} // namespace fw::detail
