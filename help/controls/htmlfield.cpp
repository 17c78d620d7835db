// SPDX-License-Identifier: GPL-3.0-or-later
#include "help/controls/htmlfield.h"

#include "help/render/htmlstyles.h"

namespace help {

HTMLField::HTMLField(fw::Window& window) : fw::EditField(window)
{
    SetMultiLine(true);
    SetStyled(true);
    SetReadOnly(true);
}

void HTMLField::ClearAll()
{
    QuietScope quiet(*this);
    m_page = HTMLPage{};
    SetTextAndStyle({}, {});
}

void HTMLField::Render(std::string_view html)
{
    // The page is made and applied in one go: nothing waits for events on the
    // way, so no click, topic change or close can come in half-way.
    ++m_renders;
    m_nowRendering = true;
    {
        QuietScope quiet(*this);
        m_page = help::Render(html, ShownTextSize());
        SetTextAndStyle(m_page.text, DoStyles(m_page));
        SetBackColor(m_page.backColor);
        SetTextColor(m_page.textColor);
        SetScrollPosition(0);
        SetSelStart(0);
    }
    m_nowRendering = false;
    GotTitle.Raise(m_page.title);
}

void HTMLField::Event_SelChange()
{
    const std::uint64_t renders = m_renders;
    for (const LinkAction& action : LinkActionsAt(m_page, SelStart())) {
        if (m_renders != renders)
            return;
        if (action.scrollTo)
            SetScrollPosition(LineNumAtCharPos(*action.scrollTo));
        else if (!m_nowRendering)
            LinkClicked.Raise(action.clicked);
    }
}

} // namespace help
