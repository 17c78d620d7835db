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

// Clicks the field where the caret goes to character p.
void ClickAt(help::HTMLField* field, std::int32_t p)
{
    auto* area = static_cast<QTextEdit*>(field->Handle());
    QTextCursor cursor(area->document());
    cursor.setPosition(p);
    const QPoint at = area->viewport()->mapTo(area, area->cursorRect(cursor).center());
    testenv::clickAt(&field->ParentWindow(), field->Left() + at.x(), field->Top() + at.y());
}

using HTMLFieldTest = testenv::GuiFixture;

TEST_F(HTMLFieldTest, LinksAndAnchors)
{
    help::HTMLField* field = nullptr;
    MakeWindow([&field](TestWindow& w) { field = testenv::Add<help::HTMLField>(w, "f", 10, 10, 280, 120); },
               300, 140);
    std::vector<std::string> clicked;
    field->LinkClicked.Bind([&clicked](const std::string& href) { clicked.push_back(href); });
    field->Render(TestPage());
    field->SetFocus();
    // Rendering puts the caret at 0, inside the external link, and raises nothing.
    EXPECT_EQ(field->SelStart(), 0);
    EXPECT_EQ(field->ScrollPosition(), 0);
    field->Render(TestPage());
    EXPECT_TRUE(clicked.empty());

    // A caret at a link's end counts, clicked or moved in by key.
    ClickAt(field, 4); // just after "site"
    EXPECT_EQ(clicked, std::vector<std::string>{"http://site"});
    ClickAt(field, 6); // in " and "
    EXPECT_EQ(clicked.size(), 1u);
    testenv::key(field, Qt::Key_Left);
    testenv::key(field, Qt::Key_Left);
    EXPECT_EQ(clicked, (std::vector<std::string>{"http://site", "http://site"}));

    // A hash link scrolls its anchor's line to the top.
    ClickAt(field, 12); // inside "go down"
    EXPECT_EQ(clicked.size(), 2u);
    EXPECT_EQ(field->ScrollPosition(), field->LineNumAtCharPos(field->Page().anchors.at(0).position));
    EXPECT_GT(field->ScrollPosition(), 0);
    testenv::screenshot(&field->ParentWindow(), "htmlfield-anchor");
}

} // namespace
