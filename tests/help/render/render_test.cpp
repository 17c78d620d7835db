// SPDX-License-Identifier: GPL-3.0-or-later
// The renderer's pure steps: the text passes, the entity table, the title,
// the tag loop, the size conversion and the link lookup.
#include "help/render/htmllinks.h"
#include "help/render/htmlrender.h"
#include "help/render/runsline.h"

#include <gtest/gtest.h>

#include <functional>
#include <optional>
#include <string>

namespace {

using help::HTMLRuns;
using namespace std::string_literals;

struct TextRow { const char* name; std::string in; std::string out; };

void ExpectEach(const std::function<std::string(std::string_view)>& step, std::initializer_list<TextRow> rows)
{
    for (const TextRow& row : rows)
        EXPECT_EQ(step(row.in), row.out) << row.name;
}

TEST(HTMLText, EntityTableInItsOrder)
{
    ExpectEach(help::ReplaceEntities, {
        {"empty", "", ""}, {"no ampersand", "a < b", "a < b"},
        {"symbols, capital before small",
         "&copy;&reg;&cent;&yen;&pound;&euro;&trade;&quot;&deg;&Agrave;&agrave;&Yuml;&yuml;&szlig;",
         "©®¢¥£€™\"°ÀàŸÿß"},
        {"no-break spaces", "&nbsp;&nbsp;", "\u00a0\u00a0"},
        {"not in the table", "&copy &hellip; &#169; &AMP; &Copy;", "&copy &hellip; &#169; &AMP; &Copy;"},
        {"&amp; then later entries", "&amp;deg;&amp;nbsp;&amp;eacute;", "°\u00a0é"},
        {"&amp; not seen by earlier entries", "&amp;copy;&amp;euro;&amp;quot;", "&copy;&euro;&quot;"},
        {"&amp; not rescanned; &lt; left for later", "&amp;lt;&amp;amp;", "&lt;&amp;"},
        {"inside a tag", "<a href=\"a?x=1&amp;y=2\">", "<a href=\"a?x=1&y=2\">"},
    });
}

TEST(HTMLText, SpacesAndTags)
{
    ExpectEach(help::RemoveExcessSpace, {
        {"runs of spaces", "a  b   c ", "a b c "},
        {"other blanks stay", "a\t\t\r\r\u00a0\u00a0 b", "a\t\t\r\r\u00a0\u00a0 b"},
    });
    ExpectEach(help::StripHTML, {
        {"tags", "<b>a</b><>b<img alt=x>", "ab"},
        {"a lone < is text", "1 < 2", "1 < 2"}, {"after a tag", "<i>x</i> <y", "x <y"},
        {"> alone", "a > b", "a > b"},
    });
}

TEST(HTMLText, TitleIsCutOnlyWhenWellFormed)
{
    // The page; its title, and the page with it cut out.
    const std::tuple<const char*, const char*, const char*> rows[] = {
        {"<title>Help</title>Body", "Help", "Body"}, {"a<title></title>b", "", "ab"},
        {"no title", "", "no title"},               {"<title>A", "", "<title>A"},
        {"A</title>B", "", "A</title>B"},           {"<title>A</title><title>B</title>C", "", "<title>A</title><title>B</title>C"},
        {"</title>A<title>B", "", "</title>A<title>B"},
    };
    for (const auto& [page, title, cut] : rows) {
        std::string s = page;
        help::CutTitle(s);
        EXPECT_EQ(help::TitleOf(page), title) << page;
        EXPECT_EQ(s, cut) << page;
    }
}

// The tag loop on text the passes have made: sizes count from 12 points.
struct LoopResult {
    std::string text, runs, body;
    bool hadBody = false;
};

LoopResult Loop(std::string text)
{
    LoopResult result;
    HTMLRuns runs;
    const help::TagLoopHooks hooks{
        [](std::string_view size) { return help::GetSizeFromParam(size, 12); },
        [&result](const help::TagAttributes& attributes) {
            for (const auto& [key, value] : attributes)
                result.body += key + "=" + value + ";";
        },
        help::StripHTML};
    result.hadBody = help::TagLoop(text, runs, hooks);
    result.text = text;
    result.runs = helptest::RunsLine(runs);
    return result;
}

TEST(HTMLTagLoop, RecordsTheRunsOfPairedTags)
{
    struct Row { const char* name; std::string page; std::string text; std::string runs; };
    const Row rows[] = {
        {"bold", "<b>bold</b>", "bold", "b0-4"},
        {"font", "<font size=+2 color=#ff0000 face=Times>x</font>", "x", "f0-1:Times s0-1:14 c0-1:#ff0000"},
        {"small and headings", "<small>x</small><h2>y</h2>", "xy", "h1-2:2 s0-1:10"},
        {"face list split at blanks", "<font face=\"Helvetica, Arial\">x</font>", "x", "f0-1:Helvetica,"},
        {"anchor", "<a name=top></a>Intro", "Intro", "a0:top"},
        {"unclosed anchor", "<a name=top>Intro", "Intro", ""},
        {"link", "<a href=#top>up</a>", "up", "l0-2:#top"},
        {"quoted href keeps =", "<a href=\"p.html?a=b\">l</a>", "l", "l0-1:p.html?a=b"},
        {"image", "<img src=pic.png alt=Logo>", "[IMAGE: Logo]", "l0-13:pic.png"},
        {"bare image", "<image>", "[IMAGE]", ""},
        {"quoted alt cut at blank", "<img alt=\"A picture\">", "[IMAGE: A]", ""},
        {"empty alt", "<img alt=>", "[IMAGE: ]", ""},
        {"unknown element, stray closing and empty tags", "<center>a</b>b<>c</center>", "abc", ""},
        {"unclosed and stray", "<b>x a</b>b", "x ab", "b0-3"},
        {"closing prefix match", "<b>x</body>", "x", "b0-1"},
        {"nested same tag", "<b>a<b>b</b>c</b>", "abc", "b0-2 b1-3"},
        {"nested fonts", "<font color=red>a<font color=blue>b</font>c</font>", "abc", "c0-2:red c1-3:blue"},
        // Mended: a "<" with nothing closing it is text.
        {"lone <", "1 < 2", "1 < 2", ""}, {"lone < in bold", "<b>1 < 2</b>", "1 < 2", "b0-5"},
        {"trailing <", "x<", "x<", ""},
        // Mended: an image inside a paired tag counts with its label.
        {"image inside bold", "<b>a<img alt=X>b</b>", "a[IMAGE: X]b", "b0-12"},
        {"image label stays text until the tags are gone", "<img alt=<i>>x", "[IMAGE: \0i]>x"s, ""},
        // Mended: offsets never pass the text's end.
        {"run clamped to the text", "<b>x<y</b>>", "x", "b0-1"},
        {"astral characters count once", "😀<b>é</b><a name=n>😀</a>", "😀é😀", "b1-2 a2:n"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        const LoopResult result = Loop(row.page);
        EXPECT_EQ(result.text, row.text);
        EXPECT_EQ(result.runs, row.runs);
        EXPECT_FALSE(result.hadBody);
    }
}

TEST(HTMLTagLoop, HandsOnAClosedBodyTagsAttributes)
{
    const std::tuple<const char*, const char*, bool> rows[] = {
        {"<body bgcolor=#ffffcc link=\"#f00\">t</body>", "bgcolor=#ffffcc;link=#f00;", true},
        {"<body text=\1>t</body>", "text=>;", true},
        {"<body bgcolor=#000000>t", "", false},
    };
    for (const auto& [page, body, hadBody] : rows) {
        const LoopResult result = Loop(page);
        EXPECT_EQ(result.body, body) << page;
        EXPECT_EQ(result.hadBody, hadBody) << page;
        EXPECT_EQ(result.text, "t") << page;
    }
}

// Size text, own size, points: held within 1 to 96. (Colours are checked
// through the field.)
TEST(HTMLConversions, Sizes)
{
    const std::tuple<const char*, int, int> sizes[] = {
        {"+2", 12, 14}, {"-3", 12, 9},  {"14", 12, 14}, {"+", 12, 12},   {"+2", 13, 15}, {"12.5", 12, 12},
        {"200", 12, 96}, {"-20", 12, 1}, {"x", 12, 1},  {"+90", 12, 96}, {"", 12, 1},
    };
    for (const auto& [text, own, points] : sizes)
        EXPECT_EQ(help::GetSizeFromParam(text, own), points) << text << " from " << own;
}

TEST(HTMLLinks, SelectionStartDecides)
{
    using A = help::LinkAction;
    std::string text = "<a name=top></a>Top<a href=#top>up</a> <a href=http://x>ext</a>"
                       "<a href=#none>no</a><a name=two></a>x<a name=two></a>"
                       "<a href=#two>t<a href=mail>m</a></a>";
    // Text "Topup extnoxtm": #top 3-5, http://x 6-9, #none 9-11, anchors "two" at 11 and 12, #two 12-14
    // around mail 13-14.
    struct Row { const char* name; std::int32_t p; std::vector<A> actions; };
    const Row rows[] = {
        {"before any link", 2, {}}, {"link start", 3, {{0, ""}}}, {"just after the link's end", 5, {{0, ""}}},
        {"between an external link and one to no anchor", 9, {{std::nullopt, "http://x"}}},
        {"two anchors of a name in turn, then the inner link", 13, {{11, ""}, {12, ""}, {std::nullopt, "mail"}}},
    };
    HTMLRuns runs;
    help::TagLoop(text, runs, {[](std::string_view) { return 0; }, [](const help::TagAttributes&) {}, help::StripHTML});
    ASSERT_EQ(text, "Topup extnoxtm");
    for (const Row& row : rows)
        EXPECT_EQ(help::LinkActionsAt(runs, row.p), row.actions) << row.name;
}

} // namespace
