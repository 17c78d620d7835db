// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "framework/gui/textcontrol.h"

#include <memory>

namespace fw {

// A label of plain text (never rich text); a carriage return breaks the line.
class StaticText : public TextControl {
public:
    enum : std::int32_t { kAlignLeft = 0, kAlignCenter = 1, kAlignRight = 2 };

    explicit StaticText(fw::Window& window);
    ~StaticText() override;
    std::string_view ClassName() const override { return "StaticText"; }
    static std::span<const PropertyInfo> StoredProperties();

    const std::string& Text() const { return m_text; }
    void SetText(std::string_view text);
    std::int32_t TextAlign() const { return m_textAlign; }
    void SetTextAlign(std::int32_t align);
    Color TextColor() const { return m_textColor; }
    void SetTextColor(Color color);
    // Wraps long lines at the control's width.
    bool MultiLine() const { return m_multiLine; }
    void SetMultiLine(bool on);

protected:
    void Draw(QPainter& painter) override;

private:
    // The text and colours as drawn, made at the first paint after a change.
    struct Look;
    // Drops what was made from the changed values and redraws.
    void Changed(bool colour);

    std::unique_ptr<Look> m_look;

    std::string m_text;
    std::int32_t m_textAlign = kAlignLeft;
    Color m_textColor{0, 0, 0};
    bool m_multiLine = false;
};

} // namespace fw
