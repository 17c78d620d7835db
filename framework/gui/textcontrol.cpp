// SPDX-License-Identifier: GPL-3.0-or-later
#include "framework/gui/textcontrol.h"

#include "framework/gui/gui_p.h"

#include <QFont>
#include <QWidget>

namespace fw {

TextControl::TextControl(fw::Window& window, QWidget* widget) : Control(window, widget)
{
    FontChanged();
}

TextControl::TextControl(fw::Window& window) : Control(window) {}

TextControl::~TextControl() = default;

void TextControl::WidgetMade()
{
    Handle()->setFont(Font());
    *m_font = Handle()->font();
}

const QFont& TextControl::Font() const
{
    if (!m_font)
        m_font = std::make_unique<QFont>(detail::MakeFont(m_textFont, m_textSize, m_bold, m_italic, m_underline));
    return *m_font;
}

void TextControl::SetTextFont(std::string_view name)
{
    if (name == m_textFont)
        return;
    m_textFont = name;
    FontChanged();
}

void TextControl::SetTextSize(std::int32_t size)
{
    if (size == m_textSize)
        return;
    m_textSize = size;
    FontChanged();
}

std::int32_t TextControl::ShownTextSize() const
{
    return Font().pixelSize();
}

void TextControl::SetBold(bool on)
{
    if (on == m_bold)
        return;
    m_bold = on;
    FontChanged();
}

void TextControl::SetItalic(bool on)
{
    if (on == m_italic)
        return;
    m_italic = on;
    FontChanged();
}

void TextControl::SetUnderline(bool on)
{
    if (on == m_underline)
        return;
    m_underline = on;
    FontChanged();
}

void TextControl::FontChanged()
{
    m_font.reset();
    if (Handle()) {
        Handle()->setFont(Font());
        *m_font = Handle()->font();
    } else
        Refresh();
}

} // namespace fw
