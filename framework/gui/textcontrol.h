// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "framework/gui/control.h"

#include <array>
#include <memory>

class QFont;

namespace fw {

// A control that shows text in one font. The design is in 72-dpi pixels:
// TextSize is a pixel size, 0 the default; "System" and "SmallSystem" are
// the application font at 13 and 11 pixels.
class TextControl : public Control {
public:
    ~TextControl() override;
    const std::string& TextFont() const { return m_textFont; }
    void SetTextFont(std::string_view name);
    std::int32_t TextSize() const { return m_textSize; }
    void SetTextSize(std::int32_t size);
    // The size the text is shown at: TextSize, or the font's own when that is 0.
    std::int32_t ShownTextSize() const;
    bool Bold() const { return m_bold; }
    void SetBold(bool on);
    bool Italic() const { return m_italic; }
    void SetItalic(bool on);
    bool Underline() const { return m_underline; }
    void SetUnderline(bool on);

protected:
    TextControl(fw::Window& window, QWidget* widget);
    // A drawn text control, or one whose widget is made when it shows.
    explicit TextControl(fw::Window& window);
    // TextFont, TextSize, Bold, Italic and Underline, which every text
    // class stores together from the id `first` on.
    static constexpr std::array<PropertyInfo, 5> TextStyleRows(std::uint16_t first)
    {
        return {Row<&TextControl::SetTextFont>(first, "TextFont"),
                Row<&TextControl::SetTextSize>(first + 1, "TextSize"),
                Row<&TextControl::SetBold>(first + 2, "Bold"),
                Row<&TextControl::SetItalic>(first + 3, "Italic"),
                Row<&TextControl::SetUnderline>(first + 4, "Underline")};
    }
    void WidgetMade() override;
    // The font as shown.
    const QFont& Font() const;

private:
    // Applies the font to the widget, or redraws; called after every font change.
    void FontChanged();

    // Made when first asked for after a change: a window's blocks set a
    // text control's style one property at a time.
    mutable std::unique_ptr<QFont> m_font;
    std::string m_textFont = "System";
    std::int32_t m_textSize = 0;
    bool m_bold = false;
    bool m_italic = false;
    bool m_underline = false;
};

} // namespace fw
