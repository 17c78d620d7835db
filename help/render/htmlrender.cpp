// SPDX-License-Identifier: GPL-3.0-or-later
#include "help/render/htmlrender.h"

#include "framework/core/text.h"

#include <algorithm>
#include <cctype>
#include <charconv>
#include <cstdio>

namespace help {

namespace {

struct Entity {
    std::string_view name;
    std::string_view character;
};

// In this order: "&amp;" comes ninth, so what it makes is seen by the entries
// after it and not by those before.
constexpr Entity kEntities[] = {
    {"&copy;", "\u00a9"},   {"&reg;", "\u00ae"},    {"&cent;", "\u00a2"},   {"&yen;", "\u00a5"},
    {"&pound;", "\u00a3"},  {"&euro;", "\u20ac"},   {"&trade;", "\u2122"},  {"&quot;", "\""},
    {"&amp;", "&"},         {"&deg;", "\u00b0"},    {"&nbsp;", "\u00a0"},   {"&Agrave;", "\u00c0"},
    {"&Aacute;", "\u00c1"}, {"&Acirc;", "\u00c2"},  {"&Atilde;", "\u00c3"}, {"&Auml;", "\u00c4"},
    {"&Aring;", "\u00c5"},  {"&agrave;", "\u00e0"}, {"&aacute;", "\u00e1"}, {"&acirc;", "\u00e2"},
    {"&atilde;", "\u00e3"}, {"&auml;", "\u00e4"},   {"&aring;", "\u00e5"},  {"&Ccedil;", "\u00c7"},
    {"&ccedil;", "\u00e7"}, {"&Egrave;", "\u00c8"}, {"&Eacute;", "\u00c9"}, {"&Ecirc;", "\u00ca"},
    {"&Euml;", "\u00cb"},   {"&egrave;", "\u00e8"}, {"&eacute;", "\u00e9"}, {"&ecirc;", "\u00ea"},
    {"&euml;", "\u00eb"},   {"&Igrave;", "\u00cc"}, {"&Iacute;", "\u00cd"}, {"&Icirc;", "\u00ce"},
    {"&Iuml;", "\u00cf"},   {"&igrave;", "\u00ec"}, {"&iacute;", "\u00ed"}, {"&icirc;", "\u00ee"},
    {"&iuml;", "\u00ef"},   {"&Ntilde;", "\u00d1"}, {"&ntilde;", "\u00f1"}, {"&Ograve;", "\u00d2"},
    {"&Oacute;", "\u00d3"}, {"&Ocirc;", "\u00d4"},  {"&Otilde;", "\u00d5"}, {"&Ouml;", "\u00d6"},
    {"&ograve;", "\u00f2"}, {"&oacute;", "\u00f3"}, {"&ocirc;", "\u00f4"},  {"&otilde;", "\u00f5"},
    {"&ouml;", "\u00f6"},   {"&Ugrave;", "\u00d9"}, {"&Uacute;", "\u00da"}, {"&Ucirc;", "\u00db"},
    {"&Uuml;", "\u00dc"},   {"&ugrave;", "\u00f9"}, {"&uacute;", "\u00fa"}, {"&ucirc;", "\u00fb"},
    {"&uuml;", "\u00fc"},   {"&Yuml;", "\u0178"},   {"&yuml;", "\u00ff"},   {"&szlig;", "\u00df"},
};
static_assert(std::size(kEntities) == 64);

constexpr std::string_view kTitleOpen = "<title>";
constexpr std::string_view kTitleClose = "</title>";

// Where the title's markers stand, when the page holds one of each in that
// order; a malformed or repeated title is left in the page.
std::optional<std::pair<std::size_t, std::size_t>> TitleSpan(std::string_view s)
{
    const std::size_t open = s.find(kTitleOpen);
    const std::size_t close = s.find(kTitleClose);
    if (open == std::string_view::npos || close == std::string_view::npos || close < open + kTitleOpen.size())
        return std::nullopt;
    if (s.find(kTitleOpen, open + 1) != std::string_view::npos
        || s.find(kTitleClose, close + 1) != std::string_view::npos)
        return std::nullopt;
    return std::pair{open, close};
}

// A tag's text: its name (up to the first blank) and its attributes.
struct Tag {
    std::string name;
    TagAttributes attributes;

    const std::string* Find(std::string_view key) const
    {
        const auto it = attributes.find(key);
        return it == attributes.end() ? nullptr : &it->second;
    }
};

Tag ParseTag(std::string_view text)
{
    Tag tag;
    std::size_t at = text.find(' ');
    tag.name = text.substr(0, at);
    while (at != std::string_view::npos) {
        const std::size_t from = at + 1;
        at = text.find(' ', from);
        const std::string_view word = text.substr(from, at == std::string_view::npos ? at : at - from);
        const std::size_t eq = word.find('=');
        std::string value;
        if (eq != std::string_view::npos)
            std::copy_if(word.begin() + std::ptrdiff_t(eq) + 1, word.end(), std::back_inserter(value),
                         [](char c) { return c != '"'; });
        tag.attributes.insert_or_assign(std::string(word.substr(0, eq)), std::move(value));
    }
    return tag;
}

bool IsImage(std::string_view name)
{
    return name == "img" || name == "image";
}

// An image's label, kept literal even when its alt holds "<" or ">".
std::string ImageLabel(const Tag& tag)
{
    std::string label = "[IMAGE]";
    if (const std::string* alt = tag.Find("alt"))
        label = "[IMAGE: " + *alt + "]";
    ReplaceAll(label, "<", kLessThan);
    ReplaceAll(label, ">", kGreaterThan);
    return label;
}

// The text outside the tags of s, each tag (what lies between a "<" and the
// next ">") handed to onTag with the text so far. A "<" that no ">" follows
// is text.
template <class OnTag>
std::string EachTag(std::string_view s, OnTag onTag)
{
    std::string out;
    out.reserve(s.size());
    std::size_t at = 0;
    while (at < s.size()) {
        const std::size_t open = s.find('<', at);
        const std::size_t close = open == std::string_view::npos ? open : s.find('>', open);
        if (close == std::string_view::npos)
            break;
        out.append(s.substr(at, open - at));
        onTag(s.substr(open, close + 1 - open), out);
        at = close + 1;
    }
    out.append(s.substr(std::min(at, s.size())));
    return out;
}

// The content with each image's tag replaced by its label, so that an image
// inside a paired tag counts as it shows.
std::string LabelImages(std::string_view content)
{
    return EachTag(content, [](std::string_view tagText, std::string& out) {
        const Tag tag = ParseTag(tagText.substr(1, tagText.size() - 2));
        if (IsImage(tag.name))
            out += ImageLabel(tag);
        else
            out += tagText;
    });
}

// A recorded value shows "<" and ">" where the page wrote "&lt;" and "&gt;".
std::string Shown(std::string_view s)
{
    std::string t(s);
    ReplaceAll(t, kLessThan, "<");
    ReplaceAll(t, kGreaterThan, ">");
    return t;
}

std::int32_t Chars(std::string_view s)
{
    return static_cast<std::int32_t>(fw::Len(s));
}

class Loop {
public:
    Loop(std::string& text, HTMLRuns& runs, const TagLoopHooks& hooks) : m_text(text), m_runs(runs), m_hooks(hooks) {}

    bool Run()
    {
        // Everything before the tag in hand is final, so its characters are
        // counted once, as the loop moves on.
        std::size_t from = 0;
        std::int32_t before = 0;
        while (true) {
            const std::size_t p = m_text.find('<', from);
            const std::size_t q = p == std::string::npos ? p : m_text.find('>', p);
            // A "<" with no ">" after it is text, and so is every "<" after it.
            if (q == std::string::npos)
                return m_body;
            before += Chars(std::string_view(m_text).substr(from, p - from));
            const Tag tag = ParseTag(std::string_view(m_text).substr(p + 1, q - p - 1));
            m_text.erase(p, q - p + 1);
            Pass(tag, p, before);
            from = p;
        }
    }

private:
    void Pass(const Tag& tag, std::size_t p, std::int32_t start)
    {
        if (IsImage(tag.name)) {
            const std::string label = ImageLabel(tag);
            m_text.insert(p, label);
            if (const std::string* src = tag.Find("src"))
                m_runs.links.push_back({start, start + Chars(label), Shown(*src)});
            return;
        }
        if (tag.name.empty() || tag.name.front() == '/')
            return;
        // Any closing tag that begins with the name closes it: "</b" also
        // closes at "</body>".
        const std::size_t close = m_text.find("</" + tag.name, p);
        const std::size_t closeEnd = close == std::string::npos ? close : m_text.find('>', close);
        if (closeEnd == std::string::npos)
            return;
        const std::string_view content = std::string_view(m_text).substr(p, close - p);
        const std::int32_t end = start + Chars(m_hooks.stripHTML(LabelImages(content)));
        m_text.erase(close, closeEnd - close + 1);
        Record(tag, start, end);
    }

    void Record(const Tag& tag, std::int32_t start, std::int32_t end)
    {
        const std::string_view name = tag.name;
        auto add = [&](std::vector<HTMLStyleSpan>& runs, std::string value) {
            runs.push_back({start, end, std::move(value)});
        };
        if (name == "body") {
            TagAttributes shown;
            for (const auto& [key, value] : tag.attributes)
                shown.emplace(key, Shown(value));
            m_hooks.body(shown);
            m_body = true;
        } else if (name == "b")
            add(m_runs.bolds, {});
        else if (name == "i")
            add(m_runs.italics, {});
        else if (name == "small")
            add(m_runs.sizes, "10");
        else if (name == "h1" || name == "h2" || name == "h3")
            add(m_runs.headers, std::string(name.substr(1)));
        else if (name == "font") {
            if (const std::string* face = tag.Find("face"))
                add(m_runs.fonts, Shown(*face));
            if (const std::string* size = tag.Find("size"))
                add(m_runs.sizes, fw::Str(m_hooks.sizeFromParam(Shown(*size))));
            if (const std::string* color = tag.Find("color"))
                add(m_runs.colors, Shown(*color));
        } else if (name == "a") {
            if (const std::string* href = tag.Find("href"))
                add(m_runs.links, Shown(*href));
            if (const std::string* anchor = tag.Find("name"))
                m_runs.anchors.push_back({start, Shown(*anchor)});
        }
    }

    std::string& m_text;
    HTMLRuns& m_runs;
    const TagLoopHooks& m_hooks;
    bool m_body = false;
};

// Offsets past the text's end (a "<" left as text behind a tag's content)
// are brought back to it.
void ClampTo(HTMLRuns& runs, std::int32_t length)
{
    auto clamp = [length](std::int32_t v) { return std::clamp(v, std::int32_t{0}, length); };
    for (auto* array : {&runs.bolds, &runs.italics, &runs.headers, &runs.fonts, &runs.colors, &runs.sizes, &runs.links})
        for (HTMLStyleSpan& run : *array) {
            run.start = clamp(run.start);
            run.end = std::max(run.start, clamp(run.end));
        }
    for (HTMLAnchor& anchor : runs.anchors)
        anchor.position = clamp(anchor.position);
}

} // namespace

void ReplaceAll(std::string& s, std::string_view find, std::string_view with)
{
    if (find.empty())
        return;
    std::size_t at = s.find(find);
    if (at == std::string::npos)
        return;
    std::string out;
    out.reserve(s.size());
    std::size_t from = 0;
    for (; at != std::string::npos; at = s.find(find, from)) {
        out.append(s, from, at - from);
        out.append(with);
        from = at + find.size();
    }
    out.append(s, from);
    s = std::move(out);
}

std::string ReplaceEntities(std::string_view s)
{
    std::string out(s);
    if (out.find('&') == std::string::npos)
        return out;
    for (const Entity& e : kEntities)
        ReplaceAll(out, e.name, e.character);
    return out;
}

std::string RemoveExcessSpace(std::string_view s)
{
    std::string out;
    out.reserve(s.size());
    for (const char c : s)
        if (c != ' ' || out.empty() || out.back() != ' ')
            out.push_back(c);
    return out;
}

std::string StripHTML(std::string_view s)
{
    return EachTag(s, [](std::string_view, std::string&) {});
}

std::string TitleOf(std::string_view s)
{
    const auto span = TitleSpan(s);
    if (!span)
        return {};
    const std::size_t from = span->first + kTitleOpen.size();
    return std::string(s.substr(from, span->second - from));
}

void CutTitle(std::string& s)
{
    if (const auto span = TitleSpan(s))
        s.erase(span->first, span->second + kTitleClose.size() - span->first);
}

bool TagLoop(std::string& text, HTMLRuns& runs, const TagLoopHooks& hooks)
{
    const bool body = Loop(text, runs, hooks).Run();
    ClampTo(runs, Chars(text));
    return body;
}

std::optional<fw::Color> ColorFromHex(std::string_view s)
{
    if ((s.size() != 7 && s.size() != 4) || s.front() != '#')
        return std::nullopt;
    const std::string_view digits = s.substr(1);
    if (!std::all_of(digits.begin(), digits.end(), [](char c) { return std::isxdigit(static_cast<unsigned char>(c)); }))
        return std::nullopt;
    std::uint32_t rgb = 0;
    std::from_chars(digits.data(), digits.data() + digits.size(), rgb, 16);
    if (digits.size() == 3)
        return fw::RGB(int(rgb >> 8 & 15) * 17, int(rgb >> 4 & 15) * 17, int(rgb & 15) * 17);
    return fw::Color::FromRGB(rgb);
}

std::string HexFromColor(fw::Color c)
{
    char hex[8];
    std::snprintf(hex, sizeof hex, "#%06x", unsigned(c.ToRGB()));
    return hex;
}

std::int32_t GetSizeFromParam(std::string_view s, std::int32_t ownSize)
{
    double size = 0;
    if (!s.empty() && s.front() == '-')
        size = ownSize - fw::Val(s.substr(1));
    else if (!s.empty() && s.front() == '+')
        size = ownSize + fw::Val(s.substr(1));
    else
        size = fw::Val(s);
    return std::clamp(fw::ToInt32(size), std::int32_t{1}, std::int32_t{96});
}

} // namespace help
