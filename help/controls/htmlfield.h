// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "framework/gui/editfield.h"
#include "help/render/htmlrender.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace help {

// A styled, multi-line, read-only field that shows a page of the help pages'
// HTML subset. Render records the page's style runs in the arrays it
// inherits and lays them on the text through the selection. Its selection
// changes are its own: a selection that starts in a "#name" link scrolls the
// anchor's line to the top, one in any other link raises LinkClicked, except
// while a page is being rendered; SelChange is not raised to the window.
class HTMLField : public fw::EditField, public HTMLRuns {
public:
    explicit HTMLField(fw::Window& window);
    std::string_view ClassName() const override { return "HTMLField"; }

    // No colour for a text other than "#rrggbb" or "#rgb".
    static std::optional<fw::Color> ColorFromHex(std::string_view s);
    static std::string HexFromColor(fw::Color c);
    // "+n" and "-n" count from the size the field shows its text at.
    std::int32_t GetSizeFromParam(std::string_view s) const;
    static std::string RemoveExcessSpace(std::string_view s);
    // Raises GotTitle with the page's title, empty when it has none.
    void GetTitle(std::string_view s);
    // Empty, unstyled text and no runs.
    void ClearAll();
    // Replaces the content with the rendered page, its styles and colours,
    // shown from the top with the caret at 0.
    void Render(std::string_view html);
    // Lays the runs on the text, in one edit of it: bolds, italics, headers
    // (bold at 24, 18 or 16), fonts, sizes, colors, links (linkColor,
    // underlined). Where runs overlap, a later pass wins for what it sets,
    // and within a pass the later run.
    void DoStyles();
    // s without its tags; Render measures each paired tag's content with it.
    virtual std::string StripHTML(std::string_view s) const;
    static std::string ReplaceEntities(std::string_view s);

    // Set by every Render.
    fw::Color linkColor{0, 0, 255};
    bool nowRendering = false;

    fw::Event<void(const std::string& title)> GotTitle;
    fw::Event<void(const std::string& href)> LinkClicked;

protected:
    void Event_Open() override;
    void Event_SelChange() override;

private:
    // Selects the run's characters, then styles them.
    template <class Style>
    void StylePass(const std::vector<HTMLStyleSpan>& runs, Style style);

    // Counts renders, so that a click handler that renders another page ends
    // the scan of the old one.
    std::uint64_t m_renders = 0;
};

} // namespace help
