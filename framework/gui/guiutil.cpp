// SPDX-License-Identifier: GPL-3.0-or-later
#include "framework/gui/gui_p.h"

#include <QGuiApplication>
#include <QKeyEvent>

namespace fw::detail {

QString DisplayText(std::string_view text)
{
    QString s = ToQString(text);
    s.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    s.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return s;
}

QFont MakeFont(std::string_view name, std::int32_t size, bool bold, bool italic, bool underline)
{
    QFont font = QGuiApplication::font();
    int pixels = 13;
    if (name == "SmallSystem" || name == "smallSystem")
        pixels = 11;
    else if (!name.empty() && name != "System") {
        font.setFamily(ToQString(name));
        pixels = 12;
    }
    font.setPixelSize(size > 0 ? size : pixels);
    font.setBold(bold);
    font.setItalic(italic);
    font.setUnderline(underline);
    return font;
}

std::string KeyText(const QKeyEvent& event)
{
    // The Mac's character codes for the editing keys.
    switch (event.key()) {
    case Qt::Key_Left: return std::string(1, '\x1c');
    case Qt::Key_Right: return std::string(1, '\x1d');
    case Qt::Key_Up: return std::string(1, '\x1e');
    case Qt::Key_Down: return std::string(1, '\x1f');
    case Qt::Key_Backspace: return std::string(1, '\x08');
    case Qt::Key_Tab:
    case Qt::Key_Backtab: return std::string(1, '\x09');
    case Qt::Key_Return:
    case Qt::Key_Enter: return std::string(1, '\x0d');
    case Qt::Key_Escape: return std::string(1, '\x1b');
    case Qt::Key_Delete: return std::string(1, '\x7f');
    case Qt::Key_Home: return std::string(1, '\x01');
    case Qt::Key_End: return std::string(1, '\x04');
    case Qt::Key_PageUp: return std::string(1, '\x0b');
    case Qt::Key_PageDown: return std::string(1, '\x0c');
    default: break;
    }
    if (event.modifiers() & (Qt::ControlModifier | Qt::MetaModifier))
        return {};
    const QString text = event.text();
    if (text.isEmpty() || text.at(0).unicode() < 0x20)
        return {};
    // The first character, a surrogate pair kept whole.
    const qsizetype n = text.at(0).isHighSurrogate() && text.size() > 1 ? 2 : 1;
    return text.left(n).toStdString();
}

} // namespace fw::detail
