// SPDX-License-Identifier: GPL-3.0-or-later
// The renderer's tables, and every built-in page against tests/help/render/pages.golden:
// its text, as a reader sees it, and its runs, each inside the text. After a
// deliberate change of a page or of the renderer, CYC_REGENERATE_GOLDEN=1
// writes the file anew; review its diff.
#include "framework/core/text.h"
#include "framework/core/stylerun.h"
#include "help/render/htmlrender.h"
#include "help/render/htmlstyles.h"
#include "resources/textos.h"
#include "support/testenv.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <optional>
#include <string>

namespace {

using help::Render;

// A page's runs in one line, arrays in the order bolds, italics, headers,
// fonts, sizes, colors, links, anchors: "b0-4 h1-7:1 l0-2:#top a0:top".
std::string Runs(const help::HTMLPage& page)
{
    std::string out;
    auto add = [&out](const std::string& item) { out += (out.empty() ? "" : " ") + item; };
    const std::pair<const char*, const std::vector<help::HTMLStyleSpan>*> arrays[] = {
        {"b", &page.bolds}, {"i", &page.italics}, {"h", &page.headers}, {"f", &page.fonts},
        {"s", &page.sizes}, {"c", &page.colors},  {"l", &page.links},
    };
    for (const auto& [tag, runs] : arrays)
        for (const help::HTMLStyleSpan& run : *runs)
            add(tag + std::to_string(run.start) + "-" + std::to_string(run.end)
                + (run.value.empty() ? "" : ":") + run.value);
    for (const help::HTMLAnchor& anchor : page.anchors)
        add("a" + std::to_string(anchor.position) + ":" + anchor.name);
    return out;
}

// Character styles in one line: "1-3 b 18; 3-4 b u #0000ff".
std::string Styles(const std::vector<fw::StyleRun>& runs)
{
    std::string out;
    for (const fw::StyleRun& run : runs) {
        if (!out.empty())
            out += "; ";
        out += std::to_string(run.start) + "-" + std::to_string(run.end);
        for (const auto& [on, tag] : {std::pair{run.bold, " b"}, {run.italic, " i"}, {run.underline, " u"}})
            if (on.value_or(false))
                out += tag;
        if (run.font)
            out += " F:" + *run.font;
        if (run.size)
            out += " " + std::to_string(*run.size);
        if (run.color) {
            char hex[8];
            std::snprintf(hex, sizeof hex, "#%06x", unsigned(run.color->ToRGB()));
            out += std::string(" ") + hex;
        }
    }
    return out;
}

struct PageRow { const char* name; std::string page; std::string text; std::string runs; };

TEST(HTMLRender, TurnsPagesIntoTextAndRuns)
{
    const PageRow rows[] = {
        {"list", "<ul><li>One<li>Two</ul>", "\r\r   • One\r   • Two\r", ""},
        {"paragraphs", "<p>one</p><p>two</p>", "\rone\r\rtwo\r", ""}, {"bold", "<b>bold</b>", "bold", "b0-4"},
        {"line breaks join words, blanks fold, no-break spaces stay", "is\rgood  a   b &nbsp;&nbsp; y",
         "isgood a b \u00a0\u00a0 y", ""},
        {"font", "<font size=+2 color=#ff0000 face=Times>x</font>", "x", "f0-1:Times s0-1:14 c0-1:#ff0000"},
        {"sizes clamped to 1-96",
         "<font size=+>a</font><font size=12.5>b</font><font size=200>c</font><font size=-20>d</font>"
         "<font size=x>e</font>",
         "abcde", "s0-1:12 s1-2:12 s2-3:96 s3-4:1 s4-5:1"},
        {"face list split at blanks", "<font face=\"Helvetica, Arial\">x</font>", "x", "f0-1:Helvetica,"},
        {"anchor", "<a name=top></a>Intro", "Intro", "a0:top"},
        {"unclosed anchor", "<a name=top>Intro", "Intro", ""},
        {"link", "<a href=#top>up</a>", "up", "l0-2:#top"},
        {"image", "<img src=pic.png alt=Logo>", "[IMAGE: Logo]", "l0-13:pic.png"},
        {"quoted alt cut at blank", "<img alt=\"A picture\">", "[IMAGE: A]", ""},
        {"escaped markup", "&lt;b&gt;x", "<b>x", ""},
        {"title cut out", "<title>Help</title>Body", "Body", ""},
        {"unknown element, stray closing and empty tags", "<center>a</b>b<>c</center>", "abc", ""},
        {"closing prefix match", "<b>x</body>", "x", "b0-1"},
        {"heading", "<h1>Title</h1>text", "\rTitle\rtext", "h1-7:1"},
        {"nested same tag", "<b>a<b>b</b>c</b>", "abc", "b0-2 b1-3"},
        {"nested fonts", "<font color=red>a<font color=blue>b</font>c</font>", "abc", "c0-2:red c1-3:blue"},
        {"bullet blanks put in after folding", "<li>  x", "\r   •  x", ""},
        // The entity table, in its order.
        {"symbols, capital before small",
         "&copy;&reg;&cent;&yen;&pound;&euro;&trade;&quot;&deg;&Agrave;&agrave;&Yuml;&yuml;&szlig;",
         "©®¢¥£€™\"°ÀàŸÿß", ""},
        {"not in the table", "&copy &hellip; &#169; &AMP; &Copy;", "&copy &hellip; &#169; &AMP; &Copy;", ""},
        {"&amp; then later entries", "&amp;deg;&amp;nbsp;&amp;eacute;", "°\u00a0é", ""},
        {"&amp; not seen by earlier entries", "&amp;copy;&amp;euro;&amp;quot;", "&copy;&euro;&quot;", ""},
        {"&amp; before &lt;, not rescanned", "&amp;lt;&amp;gt;&amp;amp;", "<>&amp;", ""},
        {"quoted href keeps =, entities in tags", "<a href=\"a?x=1&amp;y=2\">l</a>", "l", "l0-1:a?x=1&y=2"},
        // Mended: a "<" with nothing closing it is text.
        {"lone <", "1 < 2", "1 < 2", ""}, {"lone < in bold", "<b>1 < 2</b>", "1 < 2", "b0-5"},
        {"trailing <", "x<", "x<", ""},
        // Mended: a malformed or repeated title cuts nothing.
        {"title never closed", "<title>A", "A", ""}, {"title closed only", "A</title>B", "AB", ""},
        {"two titles", "<title>A</title><title>B</title>C", "ABC", ""},
        {"closing before opening", "</title>A<title>B", "AB", ""},
        // Mended: an image inside a paired tag counts with its label.
        {"image inside bold", "<b>a<img alt=X>b</b>", "a[IMAGE: X]b", "b0-12"},
        {"image label stays text", "<img alt=<i>>x", "[IMAGE: <i]>x", ""},
        // Mended: offsets never pass the text's end.
        {"run clamped to the text", "<b>x<y</b>>", "x", "b0-1"},
        {"escaped in a link target", "<a href=&lt;x&gt;>l</a>", "l", "l0-1:<x>"},
        {"astral characters count once", "😀<b>é</b>", "😀é", "b1-2"},
        {"invalid UTF-8 is replaced", "a\xff<b>b</b>", "a\uFFFDb", "b2-3"},
    };
    for (const PageRow& row : rows) {
        SCOPED_TRACE(row.name);
        const help::HTMLPage page = Render(row.page, 12);
        EXPECT_EQ(page.text, row.text);
        EXPECT_EQ(Runs(page), row.runs);
    }
}

TEST(HTMLRender, TitleAndColours)
{
    // The page; its title, and its link, background and text colours as hex.
    const std::pair<const char*, const char*> rows[] = {
        {"t", "|0000ff ffffff 000000"},
        {"<body bgcolor=#ffffcc>t</body>", "|0000ff ffffcc 000000"},
        {"<body link=#f00 text=#00f bgcolor=#0f0>t</body>", "|ff0000 00ff00 0000ff"},
        {"<body bgcolor=red text=#12 link=3333ff>t</body>", "|0000ff ffffff 000000"}, // bad colours unapplied
        {"<body bgcolor=#gg0000 text=#3333f link=#A0b>t</body>", "|aa00bb ffffff 000000"},
        {"<body bgcolor=#000000>t", "|0000ff ffffff 000000"},            // body never closed
        {"<title>Help</title>x", "Help|0000ff ffffff 000000"},
        {"<title>Help", "|0000ff ffffff 000000"},
    };
    for (const auto& [text, expected] : rows) {
        const help::HTMLPage page = Render(text, 12);
        char colours[24];
        std::snprintf(colours, sizeof colours, "%06x %06x %06x", unsigned(page.linkColor.ToRGB()),
                      unsigned(page.backColor.ToRGB()), unsigned(page.textColor.ToRGB()));
        EXPECT_EQ(page.title + "|" + colours, expected) << text;
    }
}

TEST(HTMLStyles, SevenPassesLaterWins)
{
    const PageRow rows[] = {
        {"empty run styles nothing", "<b></b>x", "", ""},
        {"link over a black font", "<font color=\"#000000\">a<a href=x>b</a></font>", "", "0-1 #000000; 1-2 u #0000ff"},
        {"size inside a heading", "<h2>ab<font size=30>c</font></h2>", "", "1-3 b 18; 3-4 b 30; 4-5 b 18"},
        {"colour on a heading", "<h3><font color=#f00>x</font></h3>", "", "1-2 b 16 #ff0000; 2-3 b 16"},
        {"nested fonts, inner wins", "<font color=#f00>a<font color=#00f>b</font>c</font>", "",
         "0-1 #ff0000; 1-3 #0000ff"},
        {"bad colour unapplied", "<font color=blue>x</font>", "", ""},
        {"small, italic, face", "<i><small>a</small><font face=Times>b</font></i>", "", "0-1 i 10; 1-2 i F:Times"},
        {"body link colour", "<body link=#00ff00><a href=x>l</a></body>", "", "0-1 u #00ff00"},
    };
    for (const PageRow& row : rows) {
        SCOPED_TRACE(row.name);
        EXPECT_EQ(Styles(help::DoStyles(Render(row.page, 12))), row.runs);
    }
}

TEST(HTMLLinks, SelectionStartDecides)
{
    using A = help::LinkAction;
    const std::string page = "<a name=top></a>Top<a href=#top>up</a> <a href=http://x>ext</a>"
                             "<a href=#none>no</a><a name=two></a><a name=two></a>"
                             "<a href=#two>t<a href=mail>m</a></a>";
    // Text "Topup extnotm": #top 3-5, http://x 6-9, #none 9-11, #two 11-13 around mail 12-13.
    struct Row { const char* name; std::int32_t p; std::vector<A> actions; };
    const Row rows[] = {
        {"before any link", 2, {}}, {"link start", 3, {{0, ""}}}, {"just after the link's end", 5, {{0, ""}}},
        {"between an external link and one to no anchor", 9, {{std::nullopt, "http://x"}}},
        {"two anchors of a name, then the inner link", 12, {{11, ""}, {11, ""}, {std::nullopt, "mail"}}},
    };
    const help::HTMLPage rendered = Render(page, 12);
    ASSERT_EQ(rendered.text, "Topup extnotm");
    for (const Row& row : rows)
        EXPECT_EQ(help::LinkActionsAt(rendered, row.p), row.actions) << row.name;
}

struct BuiltIn { const char* key; std::string (*page)(); };
constexpr BuiltIn kPages[] = {
    {"kayuda00", Textos::kayuda00}, {"kayuda01", Textos::kayuda01}, {"kayuda02", Textos::kayuda02},
    {"kayuda04", Textos::kayuda04}, {"kayuda05", Textos::kayuda05}, {"kayuda06", Textos::kayuda06},
    {"kayuda08", Textos::kayuda08},
};

std::string Golden()
{
    std::string out;
    for (const BuiltIn& b : kPages) {
        const help::HTMLPage page = help::Render(b.page(), 13);
        const auto length = static_cast<std::int32_t>(fw::Len(page.text));
        for (const auto* runs : {&page.bolds, &page.italics, &page.fonts, &page.colors})
            for (const help::HTMLStyleSpan& run : *runs)
                EXPECT_TRUE(0 <= run.start && run.start <= run.end && run.end <= length) << b.key;
        out += "== " + std::string(b.key) + ": " + std::to_string(length) + " characters, "
               + std::to_string(page.bolds.size()) + " bold, " + std::to_string(page.italics.size())
               + " italic, " + std::to_string(page.fonts.size()) + " face, "
               + std::to_string(page.colors.size()) + " colour runs\n";
        out += Runs(page) + "\n";
        // One line of the file per line of the page, tabs shown.
        for (const char c : page.text)
            out += c == '\t' ? std::string("\\t") : c == '\r' ? std::string("|\n") : std::string(1, c);
        out += "|\n";
    }
    return out;
}

TEST(HelpPages, RenderAsTheGoldenFileSays)
{
    const std::string actual = Golden();
    if (std::getenv("CYC_REGENERATE_GOLDEN")) {
        testenv::WriteFile(CYC_HELP_GOLDEN, actual);
        GTEST_SKIP() << "wrote " << CYC_HELP_GOLDEN;
    }
    EXPECT_EQ(actual, testenv::ReadFile(CYC_HELP_GOLDEN)) << CYC_HELP_GOLDEN;
}

} // namespace
