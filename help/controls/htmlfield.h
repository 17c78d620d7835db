// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "framework/gui/editfield.h"
#include "help/render/htmlrender.h"

#include <cstdint>
#include <string>
#include <string_view>

namespace help {

// A styled, multi-line field that shows a page of the help pages' HTML
// subset. Its selection changes are its own: a selection that starts in a
// "#name" link scrolls the anchor's line to the top, one in any other link
// raises LinkClicked; SelChange is not raised to the window.
class HTMLField : public fw::EditField {
public:
    explicit HTMLField(fw::Window& window);
    std::string_view ClassName() const override { return "HTMLField"; }

    // Replaces the content with the rendered page, its styles and colours,
    // shown from the top with the caret at 0. Nothing of the page's work
    // reaches LinkClicked.
    void Render(std::string_view html);
    // Empty, unstyled text and no runs.
    void ClearAll();

    // The page on show: its text, runs, anchors, title and colours.
    const HTMLPage& Page() const { return m_page; }
    fw::Color LinkColor() const { return m_page.linkColor; }
    bool NowRendering() const { return m_nowRendering; }

    fw::Event<void(const std::string& title)> GotTitle;
    fw::Event<void(const std::string& href)> LinkClicked;

protected:
    void Event_SelChange() override;

private:
    HTMLPage m_page;
    bool m_nowRendering = false;
    // Counts renders, so that a click handler that renders another page ends
    // the scan of the old one.
    std::uint64_t m_renders = 0;
};

} // namespace help
