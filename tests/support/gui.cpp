// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/gui.h"

#include "framework/gui/control.h"
#include "framework/gui/editfield.h"
#include "framework/gui/window.h"
#include "support/testenv.h"

#include <QApplication>
#include <QKeyEvent>
#include <QWindow>
#include <QMouseEvent>
#include <QPointer>
#include <QTest>
#include <QWidget>

#include <gtest/gtest.h>

namespace testenv {

namespace {

// The widget that took the last press, which gets the moves and the release
// until the button goes up.
QPointer<QWidget> s_grab;

QWidget* widgetAt(fw::Window* window, QPoint p)
{
    QWidget* content = window->Content();
    QWidget* target = content->childAt(p);
    return target ? target : content;
}

} // namespace

void pressAt(fw::Window* window, int x, int y)
{
    s_grab = widgetAt(window, {x, y});
    QTest::mousePress(s_grab, Qt::LeftButton, {}, s_grab->mapFrom(window->Content(), QPoint(x, y)));
}

void releaseAt(fw::Window* window, int x, int y)
{
    QWidget* target = s_grab ? s_grab.data() : widgetAt(window, {x, y});
    s_grab = nullptr;
    QTest::mouseRelease(target, Qt::LeftButton, {}, target->mapFrom(window->Content(), QPoint(x, y)));
}

void clickAt(fw::Window* window, int x, int y)
{
    pressAt(window, x, y);
    releaseAt(window, x, y);
}

void press(fw::Control* c)
{
    pressAt(&c->ParentWindow(), c->Left() + c->Width() / 2, c->Top() + c->Height() / 2);
}

void release(fw::Control* c)
{
    releaseAt(&c->ParentWindow(), c->Left() + c->Width() / 2, c->Top() + c->Height() / 2);
}

void click(fw::Control* control)
{
    press(control);
    release(control);
}

void hover(fw::Window* window, int x, int y)
{
    const QPoint p(x, y);
    if (s_grab) {
        QTest::mouseMove(s_grab, s_grab->mapFrom(window->Content(), p));
        return;
    }
    QWidget* target = widgetAt(window, p);
    const QPoint local = target->mapFrom(window->Content(), p);
    QMouseEvent move(QEvent::MouseMove, local, target->mapToGlobal(local), Qt::NoButton, Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(target, &move);
}

void leave(fw::Window* window)
{
    QEvent leaveEvent(QEvent::Leave);
    QApplication::sendEvent(window->Content(), &leaveEvent);
}

void key(fw::Control* control, int qtKey)
{
    QTest::keyClick(control->Handle(), static_cast<Qt::Key>(qtKey));
}

void type(fw::EditField* field, std::string_view text)
{
    QTest::keyClicks(field->Handle(), QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())));
}

void sendReturn(SentKey what, fw::Window* to)
{
    QCoreApplication::processEvents();
    if (!to)
        to = fw::FrontWindow();
    ASSERT_NE(to, nullptr) << "no window has the keyboard";
    QWindow* window = to->Handle()->windowHandle();
    const auto send = [&](QEvent::Type type, bool repeat) {
        QKeyEvent event(type, Qt::Key_Return, Qt::NoModifier, QStringLiteral("\r"), repeat);
        QCoreApplication::sendEvent(window, &event);
    };
    if (what == SentKey::Repeat)
        send(QEvent::KeyRelease, true);
    send(what == SentKey::Release ? QEvent::KeyRelease : QEvent::KeyPress, what == SentKey::Repeat);
}

void runFor(int ms)
{
    QTest::qWait(ms);
}

std::filesystem::path screenshot(fw::Window* window, const std::string& name)
{
    return screenshot(window->Handle(), name);
}

} // namespace testenv
