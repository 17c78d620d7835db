// SPDX-License-Identifier: GPL-3.0-or-later
#include "help/render/htmlstyles.h"

#include "framework/core/text.h"

#include <algorithm>

namespace help {

namespace {

// The style of one character; what a run never set stays unset.
struct CharStyle {
    bool bold = false;
    bool italic = false;
    bool underline = false;
    const std::string* font = nullptr;
    std::int32_t size = 0;
    std::optional<fw::Color> color;

    bool operator==(const CharStyle& other) const
    {
        const bool sameFont = font == other.font || (font && other.font && *font == *other.font);
        return bold == other.bold && italic == other.italic && underline == other.underline && sameFont
               && size == other.size && color == other.color;
    }
    bool Plain() const { return *this == CharStyle{}; }
};

template <class Apply>
void Pass(std::vector<CharStyle>& chars, const std::vector<HTMLStyleSpan>& runs, Apply apply)
{
    for (const HTMLStyleSpan& run : runs) {
        const auto end = std::min<std::size_t>(std::max(run.end, 0), chars.size());
        for (auto i = static_cast<std::size_t>(std::max(run.start, 0)); i < end; ++i)
            apply(chars[i], run);
    }
}

std::int32_t Number(const std::string& value)
{
    return fw::ToInt32(fw::Val(value));
}

} // namespace

std::vector<fw::StyleRun> DoStyles(const HTMLPage& page)
{
    std::vector<CharStyle> chars(static_cast<std::size_t>(fw::Len(page.text)));
    Pass(chars, page.bolds, [](CharStyle& c, const HTMLStyleSpan&) { c.bold = true; });
    Pass(chars, page.italics, [](CharStyle& c, const HTMLStyleSpan&) { c.italic = true; });
    Pass(chars, page.headers, [](CharStyle& c, const HTMLStyleSpan& run) {
        c.bold = true;
        switch (Number(run.value)) {
        case 1: c.size = 24; break;
        case 2: c.size = 18; break;
        case 3: c.size = 16; break;
        default: break;
        }
    });
    Pass(chars, page.fonts, [](CharStyle& c, const HTMLStyleSpan& run) { c.font = &run.value; });
    Pass(chars, page.sizes, [](CharStyle& c, const HTMLStyleSpan& run) { c.size = Number(run.value); });
    Pass(chars, page.colors, [](CharStyle& c, const HTMLStyleSpan& run) {
        if (const auto color = ColorFromHex(run.value))
            c.color = color;
    });
    Pass(chars, page.links, [&page](CharStyle& c, const HTMLStyleSpan&) {
        c.color = page.linkColor;
        c.underline = true;
    });

    std::vector<fw::StyleRun> runs;
    for (std::size_t i = 0; i < chars.size();) {
        std::size_t end = i + 1;
        while (end < chars.size() && chars[end] == chars[i])
            ++end;
        const CharStyle& c = chars[i];
        if (!c.Plain()) {
            fw::StyleRun run;
            run.start = std::int32_t(i);
            run.end = std::int32_t(end);
            if (c.bold)
                run.bold = true;
            if (c.italic)
                run.italic = true;
            if (c.underline)
                run.underline = true;
            if (c.font)
                run.font = *c.font;
            if (c.size > 0)
                run.size = c.size;
            run.color = c.color;
            runs.push_back(std::move(run));
        }
        i = end;
    }
    return runs;
}

std::vector<LinkAction> LinkActionsAt(const HTMLPage& page, std::int32_t p)
{
    std::vector<LinkAction> actions;
    for (const HTMLStyleSpan& link : page.links) {
        if (p < link.start || p > link.end)
            continue;
        if (link.value.starts_with('#')) {
            for (const HTMLAnchor& anchor : page.anchors)
                if ("#" + anchor.name == link.value)
                    actions.push_back({anchor.position, {}});
        } else
            actions.push_back({std::nullopt, link.value});
    }
    return actions;
}

} // namespace help
