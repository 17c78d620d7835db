// SPDX-License-Identifier: GPL-3.0-or-later
// Link and anchor clicks on a test page, in a field of a test window: the
// built-in pages hold no links.
#include "help/htmlfield.h"
#include "support/gui.h"
#include "support/guifixture.h"

#include <QTextEdit>

#include <gtest/gtest.h>

namespace {

using testenv::TestWindow;

// "site" is an external link, "go down" a "#end" link; the anchor "end"
// stands halfway down a page of many lines.
std::string TestPage()
{
    std::string page = "<body><a href=http://site>site</a> and <a href=#end>go down</a><br>";
    for (int i = 1; i <= 40; ++i)
        page += (i == 20 ? "<a name=end></a><b>The end</b> " : "") + ("line " + std::to_string(i)) + "<br>";
    return page + "</body>";
}

class HTMLFieldTest : public testenv::GuiFixture {
protected:
    void SetUp() override
    {
        GuiFixture::SetUp();
        MakeWindow([this](TestWindow& w) { field = testenv::Add<help::HTMLField>(w, "HTMLField1", 10, 10, 280, 120); },
                   300, 140);
        field->LinkClicked.Bind([this](const std::string& href) { clicked.push_back(href); });
        field->Render(TestPage());
        field->SetFocus();
    }

    // Clicks the field where the caret goes to character p.
    void ClickAt(std::int32_t p)
    {
        auto* area = static_cast<QTextEdit*>(field->Handle());
        QTextCursor cursor(area->document());
        cursor.setPosition(p);
        const QRect caret = area->cursorRect(cursor);
        const QPoint at = area->viewport()->mapTo(area, caret.center());
        testenv::clickAt(&field->ParentWindow(), field->Left() + at.x(), field->Top() + at.y());
    }

    help::HTMLField* field = nullptr;
    std::vector<std::string> clicked;
};

TEST_F(HTMLFieldTest, RenderingRaisesNoLinkClickedAndStartsAtTheTop)
{
    // The caret is put at 0, inside the external link, while rendering.
    EXPECT_EQ(field->SelStart(), 0);
    EXPECT_EQ(field->ScrollPosition(), 0);
    EXPECT_FALSE(field->NowRendering());
    field->Render(TestPage());
    EXPECT_TRUE(clicked.empty());
}

TEST_F(HTMLFieldTest, ACaretAtALinksEndOrMovedInByKeyCounts)
{
    ClickAt(4);   // just after "site"
    EXPECT_EQ(clicked, std::vector<std::string>{"http://site"});
    ClickAt(6);   // in " and "
    EXPECT_EQ(clicked.size(), 1u);
    testenv::key(field, Qt::Key_Left);
    testenv::key(field, Qt::Key_Left);   // from 6 to 4: the link's end
    EXPECT_EQ(clicked, (std::vector<std::string>{"http://site", "http://site"}));
}

TEST_F(HTMLFieldTest, AHashLinkScrollsItsAnchorsLineToTheTop)
{
    const std::int32_t anchor = field->Page().anchors.at(0).position;
    ClickAt(12);   // inside "go down"
    EXPECT_TRUE(clicked.empty());
    EXPECT_EQ(field->ScrollPosition(), field->LineNumAtCharPos(anchor));
    EXPECT_GT(field->ScrollPosition(), 0);
    testenv::screenshot(&field->ParentWindow(), "htmlfield-anchor");
}

} // namespace
