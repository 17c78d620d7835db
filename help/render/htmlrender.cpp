// SPDX-License-Identifier: GPL-3.0-or-later
#include "help/render/htmlrender.h"

#include "framework/core/text.h"
#include "help/render/utf32.h"

#include <algorithm>
#include <map>

namespace help {

namespace {

using Text = std::u32string;
using View = std::u32string_view;

constexpr char32_t kCR = 13;
// "&lt;" and "&gt;" stand as these until the tags are gone, so that no pass
// takes them for markup; each is one character, as the final "<" and ">".
constexpr char32_t kLess = 0;
constexpr char32_t kGreater = 1;

// Every occurrence, left to right, without rescanning what was put in.
void ReplaceAll(Text& s, View find, View with)
{
    if (find.empty())
        return;
    Text out;
    std::size_t from = 0;
    for (std::size_t at = s.find(find); at != Text::npos; at = s.find(find, from)) {
        out.append(s, from, at - from);
        out.append(with);
        from = at + find.size();
    }
    if (from == 0)
        return;
    out.append(s, from);
    s = std::move(out);
}

struct Entity {
    std::u32string_view name;
    char32_t character;
};

// In this order: "&amp;" comes ninth, so what it makes is seen by the entries
// after it and not by those before.
constexpr Entity kEntities[] = {
    {U"&copy;", 0xA9},   {U"&reg;", 0xAE},    {U"&cent;", 0xA2},   {U"&yen;", 0xA5},    {U"&pound;", 0xA3},
    {U"&euro;", 0x20AC}, {U"&trade;", 0x2122}, {U"&quot;", 0x22},  {U"&amp;", 0x26},    {U"&deg;", 0xB0},
    {U"&nbsp;", 0xA0},   {U"&Agrave;", 0xC0}, {U"&Aacute;", 0xC1}, {U"&Acirc;", 0xC2},  {U"&Atilde;", 0xC3},
    {U"&Auml;", 0xC4},   {U"&Aring;", 0xC5},  {U"&agrave;", 0xE0}, {U"&aacute;", 0xE1}, {U"&acirc;", 0xE2},
    {U"&atilde;", 0xE3}, {U"&auml;", 0xE4},   {U"&aring;", 0xE5},  {U"&Ccedil;", 0xC7}, {U"&ccedil;", 0xE7},
    {U"&Egrave;", 0xC8}, {U"&Eacute;", 0xC9}, {U"&Ecirc;", 0xCA},  {U"&Euml;", 0xCB},   {U"&egrave;", 0xE8},
    {U"&eacute;", 0xE9}, {U"&ecirc;", 0xEA},  {U"&euml;", 0xEB},   {U"&Igrave;", 0xCC}, {U"&Iacute;", 0xCD},
    {U"&Icirc;", 0xCE},  {U"&Iuml;", 0xCF},   {U"&igrave;", 0xEC}, {U"&iacute;", 0xED}, {U"&icirc;", 0xEE},
    {U"&iuml;", 0xEF},   {U"&Ntilde;", 0xD1}, {U"&ntilde;", 0xF1}, {U"&Ograve;", 0xD2}, {U"&Oacute;", 0xD3},
    {U"&Ocirc;", 0xD4},  {U"&Otilde;", 0xD5}, {U"&Ouml;", 0xD6},   {U"&ograve;", 0xF2}, {U"&oacute;", 0xF3},
    {U"&ocirc;", 0xF4},  {U"&otilde;", 0xF5}, {U"&ouml;", 0xF6},   {U"&Ugrave;", 0xD9}, {U"&Uacute;", 0xDA},
    {U"&Ucirc;", 0xDB},  {U"&Uuml;", 0xDC},   {U"&ugrave;", 0xF9}, {U"&uacute;", 0xFA}, {U"&ucirc;", 0xFB},
    {U"&uuml;", 0xFC},   {U"&Yuml;", 0x178},  {U"&yuml;", 0xFF},   {U"&szlig;", 0xDF},
};
static_assert(std::size(kEntities) == 64);

void ReplaceEntities(Text& s)
{
    if (s.find(U'&') == Text::npos)
        return;
    for (const Entity& e : kEntities)
        ReplaceAll(s, e.name, View(&e.character, 1));
}

void RemoveExcessSpace(Text& s)
{
    Text out;
    out.reserve(s.size());
    for (char32_t c : s)
        if (c != U' ' || out.empty() || out.back() != U' ')
            out.push_back(c);
    s = std::move(out);
}

// The tag's parts: its name (up to the first blank) and its attributes, the
// text split at every single blank; a later key replaces an earlier one, and
// quotes are dropped from values only.
struct Tag {
    Text name;
    std::map<Text, Text, std::less<>> attributes;

    const Text* Find(View key) const
    {
        const auto it = attributes.find(key);
        return it == attributes.end() ? nullptr : &it->second;
    }
};

Tag ParseTag(View text)
{
    Tag tag;
    std::size_t at = text.find(U' ');
    tag.name = text.substr(0, at);
    while (at != View::npos) {
        const std::size_t from = at + 1;
        at = text.find(U' ', from);
        const View word = text.substr(from, at == View::npos ? View::npos : at - from);
        const std::size_t eq = word.find(U'=');
        Text value;
        if (eq != View::npos)
            for (char32_t c : word.substr(eq + 1))
                if (c != U'"')
                    value.push_back(c);
        tag.attributes.insert_or_assign(Text(word.substr(0, eq)), std::move(value));
    }
    return tag;
}

bool IsImageName(View name)
{
    return name == U"img" || name == U"image";
}

bool IsImage(const Tag& tag)
{
    return IsImageName(tag.name);
}

// An image's label, kept literal even when its alt holds "<".
Text ImageLabel(const Tag& tag)
{
    Text label = U"[IMAGE]";
    if (const Text* alt = tag.Find(U"alt"))
        label = U"[IMAGE: " + *alt + U"]";
    for (char32_t& c : label)
        c = c == U'<' ? kLess : c == U'>' ? kGreater : c;
    return label;
}

// The length content will have once its tags are gone: an image counts as its
// label, and a "<" with no ">" after it is a character.
std::int32_t ShownLength(View content)
{
    std::size_t length = 0;
    std::size_t at = 0;
    while (at < content.size()) {
        const std::size_t open = content.find(U'<', at);
        const std::size_t close = open == View::npos ? View::npos : content.find(U'>', open);
        if (close == View::npos) {
            length += content.size() - at;
            break;
        }
        length += open - at;
        const View text = content.substr(open + 1, close - open - 1);
        if (IsImageName(text.substr(0, text.find(U' '))))
            length += ImageLabel(ParseTag(text)).size();
        at = close + 1;
    }
    return static_cast<std::int32_t>(length);
}

// A recorded value shows "<" and ">" where the page wrote "&lt;" and "&gt;".
std::string Shown(View s)
{
    Text t(s);
    for (char32_t& c : t)
        c = c == kLess ? U'<' : c == kGreater ? U'>' : c;
    return ToUtf8(t);
}

fw::Color ColorOr(const Tag& tag, View key, fw::Color otherwise)
{
    const Text* value = tag.Find(key);
    const auto color = value ? ColorFromHex(Shown(*value)) : std::nullopt;
    return color.value_or(otherwise);
}

// The title's content, when the page holds one "<title>" and after it one
// "</title>"; a malformed or repeated title is left in the page.
std::optional<std::pair<std::size_t, std::size_t>> TitleSpan(View s)
{
    constexpr View kOpen = U"<title>", kClose = U"</title>";
    const std::size_t open = s.find(kOpen);
    const std::size_t close = s.find(kClose);
    if (open == View::npos || close == View::npos || close < open + kOpen.size())
        return std::nullopt;
    if (s.find(kOpen, open + 1) != View::npos || s.find(kClose, close + 1) != View::npos)
        return std::nullopt;
    return std::pair{open, close};
}

class TagLoop {
public:
    TagLoop(Text& text, HTMLPage& page, std::int32_t ownSize) : m_text(text), m_page(page), m_ownSize(ownSize) {}

    void Run()
    {
        std::size_t from = 0;
        while (true) {
            const std::size_t p = m_text.find(U'<', from);
            const std::size_t q = p == Text::npos ? Text::npos : m_text.find(U'>', p);
            // A "<" with no ">" after it is text, and so is every "<" after it.
            if (q == Text::npos)
                return;
            const Tag tag = ParseTag(View(m_text).substr(p + 1, q - p - 1));
            m_text.erase(p, q - p + 1);
            Pass(tag, p);
            from = p;
        }
    }

private:
    void Pass(const Tag& tag, std::size_t p)
    {
        const auto start = static_cast<std::int32_t>(p);
        if (IsImage(tag)) {
            const Text label = ImageLabel(tag);
            m_text.insert(p, label);
            if (const Text* src = tag.Find(U"src"))
                m_page.links.push_back({start, start + std::int32_t(label.size()), Shown(*src)});
            return;
        }
        if (tag.name.empty() || tag.name.front() == U'/')
            return;
        // Any closing tag that begins with the name closes it: "</b" also
        // closes at "</body>".
        const std::size_t close = m_text.find(U"</" + tag.name, p);
        const std::size_t closeEnd = close == Text::npos ? Text::npos : m_text.find(U'>', close);
        if (closeEnd == Text::npos)
            return;
        const std::int32_t end = start + ShownLength(View(m_text).substr(p, close - p));
        m_text.erase(close, closeEnd - close + 1);
        Record(tag, start, end);
    }

    void Record(const Tag& tag, std::int32_t start, std::int32_t end)
    {
        const View name = tag.name;
        auto add = [&](std::vector<HTMLStyleSpan>& runs, std::string value) {
            runs.push_back({start, end, std::move(value)});
        };
        if (name == U"body") {
            m_page.linkColor = ColorOr(tag, U"link", fw::RGB(0, 0, 255));
            m_page.backColor = ColorOr(tag, U"bgcolor", fw::RGB(255, 255, 255));
            m_page.textColor = ColorOr(tag, U"text", fw::RGB(0, 0, 0));
        } else if (name == U"b")
            add(m_page.bolds, {});
        else if (name == U"i")
            add(m_page.italics, {});
        else if (name == U"small")
            add(m_page.sizes, "10");
        else if (name == U"h1" || name == U"h2" || name == U"h3")
            add(m_page.headers, ToUtf8(name.substr(1)));
        else if (name == U"font") {
            if (const Text* face = tag.Find(U"face"))
                add(m_page.fonts, Shown(*face));
            if (const Text* size = tag.Find(U"size"))
                add(m_page.sizes, fw::Str(GetSizeFromParam(Shown(*size), m_ownSize)));
            if (const Text* color = tag.Find(U"color"))
                add(m_page.colors, Shown(*color));
        } else if (name == U"a") {
            if (const Text* href = tag.Find(U"href"))
                add(m_page.links, Shown(*href));
            if (const Text* anchor = tag.Find(U"name"))
                m_page.anchors.push_back({start, Shown(*anchor)});
        }
    }

    Text& m_text;
    HTMLPage& m_page;
    std::int32_t m_ownSize;
};

void ClampTo(HTMLPage& page, std::int32_t length)
{
    auto clamp = [length](std::int32_t v) { return std::clamp(v, std::int32_t{0}, length); };
    for (auto* runs : {&page.bolds, &page.italics, &page.headers, &page.fonts, &page.colors, &page.sizes, &page.links})
        for (HTMLStyleSpan& run : *runs) {
            run.start = clamp(run.start);
            run.end = std::max(run.start, clamp(run.end));
        }
    for (HTMLAnchor& anchor : page.anchors)
        anchor.position = clamp(anchor.position);
}

} // namespace

HTMLPage Render(std::string_view html, std::int32_t ownSize)
{
    HTMLPage page;
    Text s = FromUtf8(html);
    std::erase(s, kCR);
    ReplaceAll(s, U"<br>", View(&kCR, 1));
    ReplaceAll(s, U"<p", U"\r<p");
    ReplaceAll(s, U"</p", U"\r</p");
    ReplaceAll(s, U"<ul>", View(&kCR, 1));
    ReplaceAll(s, U"</ul>", View(&kCR, 1));
    for (const View level : {U"1", U"2", U"3"}) {
        ReplaceAll(s, U"<h" + Text(level), U"\r<h" + Text(level));
        ReplaceAll(s, U"</h" + Text(level), U"\r</h" + Text(level));
    }
    RemoveExcessSpace(s);
    ReplaceAll(s, U"<li>", U"\r   \u2022 ");
    ReplaceEntities(s);
    if (const auto title = TitleSpan(s)) {
        const auto [open, close] = *title;
        constexpr std::size_t kOpenLength = 7, kCloseLength = 8;
        page.title = ToUtf8(View(s).substr(open + kOpenLength, close - open - kOpenLength));
        s.erase(open, close + kCloseLength - open);
    }
    ReplaceAll(s, U"&lt;", View(&kLess, 1));
    ReplaceAll(s, U"&gt;", View(&kGreater, 1));
    TagLoop(s, page, ownSize).Run();
    ClampTo(page, static_cast<std::int32_t>(s.size()));
    page.text = Shown(s);
    return page;
}

std::optional<fw::Color> ColorFromHex(std::string_view s)
{
    if (s.size() != 7 && s.size() != 4)
        return std::nullopt;
    if (s.front() != '#')
        return std::nullopt;
    int digits[6] = {};
    for (std::size_t i = 1; i < s.size(); ++i) {
        const char c = s[i];
        if (c >= '0' && c <= '9')
            digits[i - 1] = c - '0';
        else if (c >= 'a' && c <= 'f')
            digits[i - 1] = c - 'a' + 10;
        else if (c >= 'A' && c <= 'F')
            digits[i - 1] = c - 'A' + 10;
        else
            return std::nullopt;
    }
    if (s.size() == 4)
        return fw::RGB(digits[0] * 17, digits[1] * 17, digits[2] * 17);
    return fw::RGB(digits[0] * 16 + digits[1], digits[2] * 16 + digits[3], digits[4] * 16 + digits[5]);
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
