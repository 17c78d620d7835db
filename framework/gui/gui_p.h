// SPDX-License-Identifier: GPL-3.0-or-later
// Framework-internal helpers shared by the window and control sources.
#pragma once

#include "framework/core/color.h"

#include <QColor>
#include <QCoreApplication>
#include <QFont>
#include <QString>

#include <cstdint>
#include <string>
#include <string_view>

class QKeyEvent;
class QWidget;

namespace fw::detail {

inline QColor ToQColor(Color c)
{
    return QColor(c.Red, c.Green, c.Blue);
}
inline QString ToQString(std::string_view text)
{
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}
inline std::string ToStdString(const QString& text)
{
    return text.toStdString();
}
// A carriage return (alone or before a line feed) becomes a line break.
QString DisplayText(std::string_view text);

// The design's fonts: pixel sizes; "System" 13 px, "SmallSystem" 11 px.
QFont MakeFont(std::string_view name, std::int32_t size, bool bold, bool italic, bool underline);

// The key as KeyDown gives it: one character, arrows as codes 28-31 and the
// other editing keys as their control codes; empty for keys without one.
std::string KeyText(const QKeyEvent& event);

// Installs an event filter of class F on the application, once.
template <class F>
void InstallApplicationFilter()
{
    static bool installed = false;
    QCoreApplication* app = QCoreApplication::instance();
    if (installed || !app)
        return;
    installed = true;
    auto* filter = new F;
    filter->setParent(app);
    app->installEventFilter(filter);
}

// From now on Return, Enter and Escape act when released, in the window that
// took their press; held down, they repeat nothing.
void ActOnDefaultKeysWhenReleased();

// Gives the keyboard back to the front window once a dialog of the
// framework's (a message box, Page Setup) has closed, if nothing else has it.
void KeyboardBackAfterDialog(const QWidget* dialog);

} // namespace fw::detail
