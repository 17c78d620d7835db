// SPDX-License-Identifier: GPL-3.0-or-later
#include "framework/gui/statictext.h"

#include "framework/gui/gui_p.h"

#include <QLabel>

namespace fw {

namespace {
QLabel* MakeLabel(QWidget* parent)
{
    auto* label = new QLabel(parent);
    label->setTextFormat(Qt::PlainText);
    label->setMargin(0);
    return label;
}
} // namespace

StaticText::StaticText(fw::Window& window) : TextControl(window, MakeLabel(ContentOf(window)))
{
    UpdateLabel();
}

void StaticText::ApplyProperty(std::string_view name, const PropertyValue& value)
{
    using namespace detail;
    if (name == "Text")
        SetText(AsString(value, name));
    else if (name == "TextAlign")
        SetTextAlign(AsInt(value, name));
    else if (name == "TextColor")
        SetTextColor(AsColor(value, name));
    else if (name == "MultiLine")
        SetMultiLine(AsBool(value, name));
    else
        TextControl::ApplyProperty(name, value);
}

void StaticText::SetText(std::string_view text)
{
    if (text == m_text)
        return;
    m_text = text;
    static_cast<QLabel*>(Handle())->setText(detail::DisplayText(m_text));
}

void StaticText::SetTextAlign(std::int32_t align)
{
    if (align == m_textAlign)
        return;
    m_textAlign = align;
    UpdateLabel();
}

void StaticText::SetTextColor(Color color)
{
    if (color == m_textColor)
        return;
    m_textColor = color;
    UpdateLabel();
}

void StaticText::SetMultiLine(bool on)
{
    if (on == m_multiLine)
        return;
    m_multiLine = on;
    UpdateLabel();
}

void StaticText::UpdateLabel()
{
    auto* label = static_cast<QLabel*>(Handle());
    Qt::Alignment align = Qt::AlignTop;
    switch (m_textAlign) {
    case kAlignCenter: align |= Qt::AlignHCenter; break;
    case kAlignRight: align |= Qt::AlignRight; break;
    default: align |= Qt::AlignLeft; break;
    }
    label->setAlignment(align);
    label->setWordWrap(m_multiLine);
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, detail::ToQColor(m_textColor));
    // Disabled text is the colour half-way to grey.
    const QColor c = detail::ToQColor(m_textColor);
    palette.setColor(QPalette::Disabled, QPalette::WindowText,
                     QColor((c.red() + 160) / 2, (c.green() + 160) / 2, (c.blue() + 160) / 2));
    label->setPalette(palette);
}

} // namespace fw
