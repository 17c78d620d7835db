// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QEvent>
#include <QObject>
#include <QWidget>

#include <functional>
#include <utility>

namespace testenv {

// Calls back at each event of that type to a widget (a paint, a hide),
// before the widget handles it.
class EventWatch : public QObject {
public:
    EventWatch(QWidget* widget, QEvent::Type type, std::function<void()> onEvent)
        : m_type(type), m_onEvent(std::move(onEvent))
    {
        widget->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() == m_type)
            m_onEvent();
        return false;
    }

private:
    QEvent::Type m_type;
    std::function<void()> m_onEvent;
};

} // namespace testenv
