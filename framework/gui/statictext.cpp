// SPDX-License-Identifier: GPL-3.0-or-later
#include "framework/gui/statictext.h"

#include "framework/gui/gui_p.h"

#include <QApplication>
#include <QPainter>
#include <QStyle>
#include <QWidget>

#include <algorithm>

namespace fw {

struct StaticText::Look {
    QPalette palette;
    // Text and flags follow the text, alignment and wrapping.
    bool laidOut = false;
    QString text;
    int flags = 0;
};

StaticText::StaticText(fw::Window& window) : TextControl(window) {}

StaticText::~StaticText() = default;

void StaticText::Changed(bool colour)
{
    if (colour)
        m_look.reset();
    else if (m_look)
        m_look->laidOut = false;
    Refresh();
}

std::span<const PropertyInfo> StaticText::StoredProperties()
{
    static constexpr auto kRows = JoinRows(std::to_array<PropertyInfo>({
                                               Row<&StaticText::SetText>(0x20, "Text"),
                                               Row<&StaticText::SetTextAlign>(0x22, "TextAlign"),
                                               Row<&StaticText::SetTextColor>(0x23, "TextColor"),
                                           }),
                                           TextStyleRows(0x24),
                                           std::to_array<PropertyInfo>({
                                               Row<&StaticText::SetMultiLine>(0x29, "MultiLine"),
                                               {0x2a, "DataSource", PropertyKind::String},
                                               {0x2b, "DataField", PropertyKind::String},
                                           }));
    return kRows;
}

void StaticText::SetText(std::string_view text)
{
    if (text == m_text)
        return;
    m_text = text;
    Changed(false);
}

void StaticText::SetTextAlign(std::int32_t align)
{
    if (align == m_textAlign)
        return;
    m_textAlign = align;
    Changed(false);
}

void StaticText::SetTextColor(Color color)
{
    if (color == m_textColor)
        return;
    m_textColor = color;
    Changed(true);
}

void StaticText::SetMultiLine(bool on)
{
    if (on == m_multiLine)
        return;
    m_multiLine = on;
    Changed(false);
}

void StaticText::Draw(QPainter& painter)
{
    // As a plain-text label draws itself.
    if (m_text.empty())
        return;
    if (!m_look) {
        m_look = std::make_unique<Look>();
        m_look->palette = ContentOf(ParentWindow())->palette();
        const QColor c = detail::ToQColor(m_textColor);
        m_look->palette.setColor(QPalette::WindowText, c);
        // Disabled text is the colour half-way to grey.
        m_look->palette.setColor(QPalette::Disabled, QPalette::WindowText,
                                 QColor((c.red() + 160) / 2, (c.green() + 160) / 2, (c.blue() + 160) / 2));
    }
    if (!m_look->laidOut) {
        m_look->laidOut = true;
        m_look->text = detail::DisplayText(m_text);
        const Qt::LayoutDirection direction = m_look->text.isRightToLeft() ? Qt::RightToLeft : Qt::LeftToRight;
        Qt::Alignment align = Qt::AlignTop;
        switch (m_textAlign) {
        case kAlignCenter: align |= Qt::AlignHCenter; break;
        case kAlignRight: align |= Qt::AlignRight; break;
        default: align |= Qt::AlignLeft; break;
        }
        m_look->flags = int(QStyle::visualAlignment(direction, align));
        m_look->flags |= direction == Qt::LeftToRight ? Qt::TextForceLeftToRight : Qt::TextForceRightToLeft;
        if (m_multiLine)
            m_look->flags |= Qt::TextWordWrap;
    }
    m_look->palette.setCurrentColorGroup(Enabled() ? QPalette::Active : QPalette::Disabled);
    painter.setFont(Font());
    QApplication::style()->drawItemText(&painter, QRect(0, 0, std::max(Width(), 0), std::max(Height(), 0)),
                                        m_look->flags, m_look->palette, Enabled(), m_look->text,
                                        QPalette::WindowText);
}

} // namespace fw
