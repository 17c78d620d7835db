// SPDX-License-Identifier: GPL-3.0-or-later
#include "help/controls/htmlfield.h"

#include "framework/core/text.h"
#include "help/render/htmllinks.h"
#include "help/render/validutf8.h"

namespace help {

namespace {

constexpr fw::Color kBlue = fw::RGB(0, 0, 255);
constexpr fw::Color kWhite = fw::RGB(255, 255, 255);
constexpr fw::Color kBlack = fw::RGB(0, 0, 0);

// A body attribute's colour; one missing or not a colour text keeps the
// default.
fw::Color ColorOr(const TagAttributes& attributes, std::string_view key, fw::Color otherwise)
{
    const auto it = attributes.find(key);
    const auto color = it == attributes.end() ? std::nullopt : HTMLField::ColorFromHex(it->second);
    return color.value_or(otherwise);
}

std::int32_t Number(const std::string& value)
{
    return fw::ToInt32(fw::Val(value));
}

} // namespace

HTMLField::HTMLField(fw::Window& window) : fw::EditField(window)
{
    SetMultiLine(true);
    SetStyled(true);
    SetReadOnly(true);
}

void HTMLField::Event_Open()
{
    nowRendering = false;
    Open.Raise();
}

void HTMLField::Event_SelChange()
{
    const std::uint64_t renders = m_renders;
    for (const LinkAction& action : LinkActionsAt(*this, SelStart())) {
        if (m_renders != renders)
            return;
        if (action.scrollTo)
            SetScrollPosition(LineNumAtCharPos(*action.scrollTo));
        else if (!nowRendering)
            LinkClicked.Raise(action.clicked);
    }
}

std::optional<fw::Color> HTMLField::ColorFromHex(std::string_view s)
{
    return help::ColorFromHex(s);
}

std::string HTMLField::HexFromColor(fw::Color c)
{
    return help::HexFromColor(c);
}

std::int32_t HTMLField::GetSizeFromParam(std::string_view s) const
{
    return help::GetSizeFromParam(s, ShownTextSize());
}

std::string HTMLField::RemoveExcessSpace(std::string_view s)
{
    return help::RemoveExcessSpace(s);
}

void HTMLField::GetTitle(std::string_view s)
{
    GotTitle.Raise(TitleOf(s));
}

void HTMLField::ClearAll()
{
    // One edit with the emptying: the old text is not laid out again.
    StyleEdit edit(*this);
    SetSelStart(0);
    SetSelLength(static_cast<std::int32_t>(fw::Len(Text())));
    SetSelBold(false);
    SetSelItalic(false);
    SetSelUnderline(false);
    SetSelTextSize(TextSize());
    SetSelTextFont(TextFont());
    SetSelTextColor(TextColor());
    bolds.clear();
    italics.clear();
    headers.clear();
    fonts.clear();
    colors.clear();
    sizes.clear();
    links.clear();
    anchors.clear();
    SetTextAndStyle({}, {});
}

void HTMLField::Render(std::string_view html)
{
    // The framework shows no busy cursor of its own, so there is none to
    // turn off here. Nothing waits for events on the way: no click, topic
    // change or close comes in half-way.
    ++m_renders;
    nowRendering = true;
    SetVisible(false);
    // A byte that belongs to no character becomes U+FFFD, so that every
    // offset counts whole characters.
    std::string s = ValidUtf8(html);
    // A page's line breaks join the words around them; its markup breaks lines.
    std::erase(s, '\r');
    ReplaceAll(s, "<br>", "\r");
    ReplaceAll(s, "<p", "\r<p");
    ReplaceAll(s, "</p", "\r</p");
    ReplaceAll(s, "<ul>", "\r");
    ReplaceAll(s, "</ul>", "\r");
    for (const std::string level : {"1", "2", "3"}) {
        ReplaceAll(s, "<h" + level, "\r<h" + level);
        ReplaceAll(s, "</h" + level, "\r</h" + level);
    }
    s = RemoveExcessSpace(s);
    // After the spaces are folded, so that the bullet keeps its indent.
    ReplaceAll(s, "<li>", "\r   \u2022 ");
    s = ReplaceEntities(s);
    GetTitle(s);
    CutTitle(s);
    ReplaceAll(s, "&lt;", kLessThan);
    ReplaceAll(s, "&gt;", kGreaterThan);
    {
        // From the clearing to the last style, one edit of the text: the old
        // page goes and the new one is laid out once, styled.
        StyleEdit edit(*this);
        ClearAll();
        const bool body = TagLoop(s, *this,
                                  {[this](std::string_view size) { return GetSizeFromParam(size); },
                                   [this](const TagAttributes& attributes) {
                                       linkColor = ColorOr(attributes, "link", kBlue);
                                       SetBackColor(ColorOr(attributes, "bgcolor", kWhite));
                                       SetTextColor(ColorOr(attributes, "text", kBlack));
                                   },
                                   [this](std::string_view content) { return StripHTML(content); }});
        ReplaceAll(s, kLessThan, "<");
        ReplaceAll(s, kGreaterThan, ">");
        SetText(s);
        if (!body) {
            linkColor = kBlue;
            SetBackColor(kWhite);
            SetTextColor(kBlack);
        }
        DoStyles();
    }
    SetScrollPosition(0);
    SetSelStart(0);
    SetSelLength(0);
    SetVisible(true);
    nowRendering = false;
}

template <class Style>
void HTMLField::StylePass(const std::vector<HTMLStyleSpan>& runs, Style style)
{
    // The bound is taken once; a LinkClicked handler that renders another
    // page meanwhile empties the arrays, which ends the pass.
    const std::size_t bound = runs.size();
    for (std::size_t i = 0; i < bound && i < runs.size(); ++i) {
        const HTMLStyleSpan run = runs[i];
        SetSelStart(run.start);
        // From the start as the field took it.
        SetSelLength(run.end - SelStart());
        style(run);
    }
}

void HTMLField::DoStyles()
{
    // One edit of the text, laid out once at its end, however many runs.
    StyleEdit edit(*this);
    StylePass(bolds, [this](const HTMLStyleSpan&) { SetSelBold(true); });
    StylePass(italics, [this](const HTMLStyleSpan&) { SetSelItalic(true); });
    StylePass(headers, [this](const HTMLStyleSpan& run) {
        SetSelBold(true);
        switch (Number(run.value)) {
        case 1: SetSelTextSize(24); break;
        case 2: SetSelTextSize(18); break;
        case 3: SetSelTextSize(16); break;
        default: break;
        }
    });
    StylePass(fonts, [this](const HTMLStyleSpan& run) { SetSelTextFont(run.value); });
    StylePass(sizes, [this](const HTMLStyleSpan& run) { SetSelTextSize(Number(run.value)); });
    StylePass(colors, [this](const HTMLStyleSpan& run) {
        if (const auto color = ColorFromHex(run.value))
            SetSelTextColor(*color);
    });
    StylePass(links, [this](const HTMLStyleSpan&) {
        SetSelTextColor(linkColor);
        SetSelUnderline(true);
    });
}

std::string HTMLField::StripHTML(std::string_view s) const
{
    return help::StripHTML(s);
}

std::string HTMLField::ReplaceEntities(std::string_view s)
{
    return help::ReplaceEntities(s);
}

} // namespace help
