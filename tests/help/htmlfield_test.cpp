// SPDX-License-Identifier: GPL-3.0-or-later
// The help field: pages rendered into it, their styles laid on through the
// selection and read back through it, its link clicks, the built-in pages'
// styles as worked out by hand, and every built-in page against
// tests/help/pages.golden (its text, as a reader sees it, and its runs). After a deliberate change of a page or of the renderer,
// CYC_REGENERATE_GOLDEN=1 writes the file anew; review its diff.
#include "help/controls/htmlfield.h"

#include "framework/core/text.h"
#include "help/render/runsline.h"
#include "resources/textos.h"
#include "support/guifixture.h"
#include "support/selstyles.h"
#include "support/testenv.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>
#include <vector>

namespace {

using help::HTMLField;

class HTMLFieldTest : public testenv::GuiFixture {
protected:
    // The help window's field; sizes count from ownSize points (0: the
    // field's default, 13).
    HTMLField* Make(std::int32_t ownSize = 0)
    {
        HTMLField* field = nullptr;
        MakeWindow([&](testenv::TestWindow& w) { field = testenv::Add<HTMLField>(w, "HTMLField1", 9, 54, 444, 292); },
                   462, 418);
        field->SetTextSize(ownSize);
        return field;
    }
};

struct PageRow { const char* name; std::string page; std::string text; std::string runs; };

// Its Open clears nowRendering, then raises Open to the window.
TEST_F(HTMLFieldTest, OpenEndsRendering)
{
    std::vector<bool> renderingAtOpen;
    MakeWindow([&](testenv::TestWindow& w) {
        HTMLField* field = testenv::Add<HTMLField>(w, "HTMLField1", 9, 54, 444, 292);
        field->nowRendering = true;
        field->Open.InstallInstanceEventHandler(
            [&renderingAtOpen, field] { renderingAtOpen.push_back(field->nowRendering); });
    });
    EXPECT_EQ(renderingAtOpen, std::vector<bool>{false});
}

TEST_F(HTMLFieldTest, RendersPagesIntoTextAndRuns)
{
    const PageRow rows[] = {
        {"list", "<ul><li>One<li>Two</ul>", "\r\r   • One\r   • Two\r", ""},
        {"paragraphs", "<p>one</p><p>two</p>", "\rone\r\rtwo\r", ""},
        {"line breaks join words, blanks fold, no-break spaces stay", "is\rgood  a   b &nbsp;&nbsp; y",
         "isgood a b \u00a0\u00a0 y", ""},
        {"bullet blanks put in after folding", "<li>  x", "\r   •  x", ""},
        {"heading, its closing line break inside", "<h1>Title</h1>text", "\rTitle\rtext", "h1-7:1"},
        {"font size from the field's size", "<font size=+2 face=Times>x</font>", "x", "f0-1:Times s0-1:14"},
        {"escaped markup", "&lt;b&gt;x", "<b>x", ""},
        {"&amp; before &lt;, not rescanned", "&amp;lt;&amp;gt;&amp;amp;", "<>&amp;", ""},
        {"entities in tags", "<a href=\"a?x=1&amp;y=2\">l</a>", "l", "l0-1:a?x=1&y=2"},
        {"escaped in a link target", "<a href=&lt;x&gt;>l</a>", "l", "l0-1:<x>"},
        {"title cut out", "<title>Help</title>Body", "Body", ""},
        {"invalid UTF-8 is replaced", "a\xff<b>b</b>", "a\uFFFDb", "b2-3"},
        {"empty page", "", "", ""},
    };
    HTMLField* field = Make(12);
    for (const PageRow& row : rows) {
        SCOPED_TRACE(row.name);
        field->Render(row.page);
        EXPECT_EQ(field->Text(), row.text);
        EXPECT_EQ(helptest::RunsLine(*field), row.runs);
        EXPECT_EQ(field->SelStart(), 0);
        EXPECT_EQ(field->SelLength(), 0);
        EXPECT_TRUE(field->Visible());
        EXPECT_FALSE(field->nowRendering);
    }
}

TEST_F(HTMLFieldTest, EveryRenderRaisesGotTitleOnceAndSetsTheColours)
{
    // The page; its title, and its link, background and text colours.
    const std::pair<const char*, const char*> rows[] = {
        {"t", "|#0000ff #ffffff #000000"},
        {"", "|#0000ff #ffffff #000000"},
        {"<body bgcolor=#ffffcc>t</body>", "|#0000ff #ffffcc #000000"},
        {"<body link=#f00 text=#00f bgcolor=#0f0>t</body>", "|#ff0000 #00ff00 #0000ff"},
        {"<body bgcolor=red text=#12 link=3333ff>t</body>", "|#0000ff #ffffff #000000"}, // bad colours unapplied
        {"<body bgcolor=#gg0000 text=#3333f link=#A0b>t</body>", "|#aa00bb #ffffff #000000"},
        {"<body bgcolor=#000000>t", "|#0000ff #ffffff #000000"}, // body never closed
        {"<title>Help</title>x", "Help|#0000ff #ffffff #000000"},
        {"<title>Help", "|#0000ff #ffffff #000000"},
    };
    HTMLField* field = Make();
    std::vector<std::string> titles;
    field->GotTitle.InstallInstanceEventHandler([&](const std::string& title) {
        EXPECT_TRUE(field->nowRendering);
        titles.push_back(title);
    });
    for (const auto& [page, expected] : rows) {
        titles.clear();
        field->Render(page);
        ASSERT_EQ(titles.size(), 1u) << page;
        EXPECT_EQ(titles[0] + "|" + HTMLField::HexFromColor(field->linkColor) + " "
                      + HTMLField::HexFromColor(field->BackColor()) + " " + HTMLField::HexFromColor(field->TextColor()),
                  expected)
            << page;
    }
}

TEST_F(HTMLFieldTest, StylesGoOnThroughTheSelectionLaterPassesWin)
{
    const PageRow rows[] = {
        {"empty run styles nothing", "<b></b>x", "", ""},
        {"nested runs of one name", "<b>a<b>b</b>c</b>d", "", "0-3 b"},
        {"nested sizes, the inner wins", "<font size=20>a<font size=30>b</font>c</font>", "", "0-1 20; 1-3 30"},
        {"nested runs of two names", "<b>a<i>b<u>c</u></i></b>", "", "0-1 b; 1-3 b i"},
        {"heading with its closing line break", "<h1>Title</h1>text", "", "1-7 b 24"},
        {"link over a black font", "<font color=\"#000000\">a<a href=x>b</a></font>", "", "1-2 u #0000ff"},
        {"size inside a heading", "<h2>ab<font size=30>c</font></h2>", "", "1-3 b 18; 3-4 b 30; 4-5 b 18"},
        {"colour on a heading", "<h3><font color=#f00>x</font></h3>", "", "1-2 b 16 #ff0000; 2-3 b 16"},
        {"nested colours, the inner wins", "<font color=#f00>a<font color=#00f>b</font>c</font>", "",
         "0-1 #ff0000; 1-3 #0000ff"},
        {"bad colour unapplied", "<font color=blue>x</font>", "", ""},
        {"small, italic, face", "<i><small>a</small><font face=Times>b</font></i>", "", "0-1 i 10; 1-2 i F:Times"},
        {"body link colour", "<body link=#00ff00><a href=x>l</a></body>", "", "0-1 u #00ff00"},
        {"astral characters count once", "\U0001F600<b>\u00e9\U0001F600</b>x", "", "1-3 b"},
    };
    HTMLField* field = Make(12);
    for (const PageRow& row : rows) {
        SCOPED_TRACE(row.name);
        field->Render(row.page);
        EXPECT_EQ(testenv::SelStyles(*field), row.runs);
    }
}

// Heading levels are numbers: "01" is level 1; any other level is bold only.
TEST_F(HTMLFieldTest, HeadingLevelsAsNumbers)
{
    HTMLField* field = Make(12);
    field->SetText("abc");
    field->headers = {{0, 1, "4"}, {1, 2, "01"}, {2, 3, "3"}};
    field->DoStyles();
    EXPECT_EQ(testenv::SelStyles(*field), "0-1 b; 1-2 b 24; 2-3 b 16");
}

TEST_F(HTMLFieldTest, ClearAllLeavesAnEmptyUnstyledField)
{
    HTMLField* field = Make();
    field->Render("<h1>Title</h1><a name=n href=#n>x</a><font color=#f00 face=Times size=30>y</font>");
    ASSERT_NE(testenv::SelStyles(*field), "");
    field->SetSelStart(3);
    field->ClearAll();
    EXPECT_EQ(field->Text(), "");
    EXPECT_EQ(helptest::RunsLine(*field), "");
    EXPECT_EQ(field->SelStart(), 0);
    field->SetText("plain");
    EXPECT_EQ(testenv::SelStyles(*field), "");
}

// Rendering moves the selection over every run, links included: no click
// comes of it. Afterwards the same selection is a click.
TEST_F(HTMLFieldTest, NoLinkClickWhileRendering)
{
    HTMLField* field = Make();
    std::vector<std::string> clicked;
    field->LinkClicked.InstallInstanceEventHandler([&](const std::string& href) {
        EXPECT_FALSE(field->nowRendering);
        clicked.push_back(href);
    });
    for (const char* page : {"<a href=http://x>link</a> <b><a href=mail>m</a></b>", "a<a href=x><b>b</b></a>"}) {
        SCOPED_TRACE(page);
        clicked.clear();
        field->Render(page);
        EXPECT_TRUE(clicked.empty());
        field->SetSelStart(field->links.front().start + 1);
        EXPECT_EQ(clicked, std::vector<std::string>{field->links.front().value});
    }
}

// Render measures each paired tag's content, inner tags still in it, with
// the field's own StripHTML; an image is no paired tag and needs none.
TEST_F(HTMLFieldTest, RenderMeasuresTagContentsWithItsStripHTML)
{
    struct Measuring : HTMLField {
        using HTMLField::HTMLField;
        std::string StripHTML(std::string_view s) const override
        {
            measured.emplace_back(s);
            return HTMLField::StripHTML(s);
        }
        mutable std::vector<std::string> measured;
    };
    Measuring* field = nullptr;
    MakeWindow([&](testenv::TestWindow& w) { field = testenv::Add<Measuring>(w, "HTMLField1", 9, 54, 444, 292); },
               462, 418);
    field->Render("<b>a<i>b</i></b><img alt=X><font color=#f00>c<br>d</font><a name=n></a>");
    EXPECT_EQ(field->measured, (std::vector<std::string>{"a<i>b</i>", "b", "c\rd", ""}));
    EXPECT_EQ(field->Text(), "ab[IMAGE: X]c\rd");
    EXPECT_EQ(helptest::RunsLine(*field), "b0-2 i1-2 c12-15:#f00 a15:n");
}

struct BuiltIn { const char* key; std::string (*page)(); };
constexpr BuiltIn kPages[] = {
    {"kayuda00", Textos::kayuda00}, {"kayuda01", Textos::kayuda01}, {"kayuda02", Textos::kayuda02},
    {"kayuda04", Textos::kayuda04}, {"kayuda05", Textos::kayuda05}, {"kayuda06", Textos::kayuda06},
    {"kayuda08", Textos::kayuda08},
};

// What a reader sees on the built-in pages, worked out from the pages by
// the renderer's rules: a line break in the source joins its words, "<br>"
// breaks the line, a face list is cut at its first blank, and a font tag
// pairs with the first "</font" after it, so that where fonts nest the
// outer face covers the title alone and each colour holds until the next
// font's colour. The pages hold no link, heading or size.
TEST_F(HTMLFieldTest, BuiltInPagesShowTheirStyles)
{
    struct Row { const char* name; std::string (*page)(); std::string phrase; int occurrence; std::string styles; };
    const Row rows[] = {
        {"title, bold and blue in its face", Textos::kayuda00, "What is ", 1, " b F:Helvetica, #3333ff"},
        {"title's name, italic too", Textos::kayuda00, "Cyclane Duvivarode?", 1, " b i F:Helvetica, #3333ff"},
        {"bold name in a black paragraph", Textos::kayuda00, "Cyclane Duvivarode", 2, " b F:Helvetica,"},
        {"black paragraph", Textos::kayuda00, " is a program that works out", 1, " F:Helvetica,"},
        {"blue heading of a later part", Textos::kayuda00, " helps you avoid an unwanted pregnancy.", 1,
         " b F:Helvetica, #3333ff"},
        {"nested fonts: face and blue over the title", Textos::kayuda01, "What is the Luteal Phase?", 1,
         " b F:Helvetica, #3333ff"},
        {"nested fonts: no face after the title", Textos::kayuda01, "The luteal phase is the second half", 1, ""},
        {"nested fonts: a later heading blue", Textos::kayuda01, "How do I deteremine the duration", 1, " b #3333ff"},
        {"nested fonts: a later paragraph black", Textos::kayuda01, "Only a laboratory test", 1, ""},
        {"bold label", Textos::kayuda04, "Technical Support:", 1, " b F:Helvetica,"},
        {"an address is plain text", Textos::kayuda04, "support@tarcyc.example", 1, " F:Helvetica,"},
        {"Quick Start title", Textos::kayuda06, "Quick Start", 1, " b F:Helvetica, #3333ff"},
    };
    HTMLField* field = Make();
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        field->Render(row.page());
        const std::string text = field->Text();
        std::size_t at = text.find(row.phrase);
        for (int n = 1; n < row.occurrence && at != std::string::npos; ++n)
            at = text.find(row.phrase, at + 1);
        ASSERT_NE(at, std::string::npos);
        const auto first = static_cast<std::int32_t>(fw::Len(text.substr(0, at)));
        for (std::int32_t i = first; i < first + fw::Len(row.phrase); ++i)
            ASSERT_EQ(testenv::CharStyles(*field, i), row.styles) << "at " << i;
    }
    field->Render(Textos::kayuda00());
    EXPECT_TRUE(field->Text().starts_with("What is Cyclane Duvivarode?\rCyclane Duvivarode is a program"));
    for (const BuiltIn& b : kPages) {
        field->Render(b.page());
        EXPECT_TRUE(field->links.empty() && field->headers.empty() && field->sizes.empty()) << b.key;
        EXPECT_EQ(field->linkColor, fw::RGB(0, 0, 255));
        EXPECT_EQ(field->BackColor(), fw::RGB(255, 255, 255));
    }
}

TEST_F(HTMLFieldTest, BuiltInPagesRenderAsTheGoldenFileSays)
{
    HTMLField* field = Make();
    std::string actual;
    for (const BuiltIn& b : kPages) {
        field->Render(b.page());
        const std::string text = field->Text();
        for (const auto* runs : {&field->bolds, &field->italics, &field->fonts, &field->colors})
            for (const help::HTMLStyleSpan& run : *runs)
                EXPECT_TRUE(0 <= run.start && run.start <= run.end && run.end <= fw::Len(text)) << b.key;
        actual += "== " + std::string(b.key) + ": " + std::to_string(fw::Len(text)) + " characters, "
                  + std::to_string(field->bolds.size()) + " bold, " + std::to_string(field->italics.size())
                  + " italic, " + std::to_string(field->fonts.size()) + " face, "
                  + std::to_string(field->colors.size()) + " colour runs\n";
        actual += helptest::RunsLine(*field) + "\n";
        // One line of the file per line of the page, tabs shown.
        for (const char c : text)
            actual += c == '\t' ? std::string("\\t") : c == '\r' ? std::string("|\n") : std::string(1, c);
        actual += "|\n";
    }
    if (std::getenv("CYC_REGENERATE_GOLDEN")) {
        testenv::WriteFile(CYC_HELP_GOLDEN, actual);
        GTEST_SKIP() << "wrote " << CYC_HELP_GOLDEN;
    }
    EXPECT_EQ(actual, testenv::ReadFile(CYC_HELP_GOLDEN)) << CYC_HELP_GOLDEN;
}

} // namespace
