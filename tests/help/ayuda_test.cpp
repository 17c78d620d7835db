// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/shell_fixture.h"
#include "help/ayuda.h"
#include "help/controls/htmlfield.h"
#include "resources/textos.h"

#include <QTextEdit>

#include <gtest/gtest.h>

namespace {

using shelltest::Choose;

// "site" is an external link, "go down" a "#end" link; two anchors named
// "end" stand on lines 15 and 30 of a page of many lines.
std::string TestPage()
{
    std::string page = "<body><a href=http://site>site</a> and <a href=#end>go down</a><br>";
    for (int i = 1; i <= 60; ++i)
        page += (i == 15 || i == 30 ? "<a name=end></a><b>The end</b> " : "") + ("line " + std::to_string(i)) + "<br>";
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

class AyudaTest : public shelltest::ShellTest {
protected:
    void SetUp() override
    {
        ShellTest::SetUp();
        Start();
        testenv::click(win::splashreg()->PushButton1);
        PastTheFirstStartPanels();
    }

    // By the calendar's Help button or by the menu.
    windows::ayuda* Open(bool byButton)
    {
        if (byButton)
            testenv::click(win::main()->PushButton2);
        else
            Choose(MenuBar1(), "MyAppHelp");
        windows::ayuda* help = win::ayuda();
        WaitShown(help);
        EXPECT_EQ(help->MenuBar(), MenuBar2());
        EXPECT_EQ(win::main()->MenuBar(), byButton ? static_cast<fw::MenuBar*>(MenuBar2()) : MenuBar1());
        EXPECT_EQ(EnabledInputs(), 0);
        return help;
    }
    // Whether the field shows the page: rendering it again changes nothing.
    static bool Shows(help::HTMLField* field, std::string (*page)())
    {
        const std::string shown = field->Text();
        field->Render(page());
        return !shown.empty() && field->Text() == shown;
    }
    static int EnabledInputs()
    {
        const windows::main& c = *win::main();
        return c.durciclo->Enabled() + c.rbevitar->Enabled() + c.PushButton2->Enabled();
    }
};

TEST_F(AyudaTest, EveryTopicShowsItsPage)
{
    using Page = std::string (*)();
    const Page pages[] = {Textos::kayuda00, Textos::kayuda01, Textos::kayuda02,
                          Textos::kayuda04, Textos::kayuda05, Textos::kayuda06};
    windows::ayuda* help = Open(false);
    EXPECT_EQ(help->Title(), "Help");
    // The titles were its rows before Open made one row of each.
    EXPECT_EQ(help->PopupMenu1->InitialValue(), Textos::k501());
    ASSERT_EQ(help->PopupMenu1->ListCount(), 6);
    EXPECT_EQ(help->PopupMenu1->ListIndex(), 0);
    for (int row = 0; row < 6; ++row) {
        help->PopupMenu1->SetListIndex(row);
        EXPECT_EQ(help->HTMLField1->SelStart(), 0);
        EXPECT_EQ(help->HTMLField1->ScrollPosition(), 0);
        testenv::screenshot(help, "help-page-" + std::to_string(row));
        EXPECT_TRUE(Shows(help->HTMLField1, pages[row])) << row;
    }
}

// Close Help hides the window and keeps the topic; the close box starts again.
TEST_F(AyudaTest, CloseHelpHidesAndKeepsTheTopicTheCloseBoxStartsAgain)
{
    for (auto [byButton, closeBox] : {std::pair{true, false}, {false, true}}) {
        SCOPED_TRACE(std::to_string(byButton) + std::to_string(closeBox));
        windows::ayuda* help = Open(byButton);
        help->PopupMenu1->SetListIndex(4);
        help->HTMLField1->SetScrollPosition(5);
        if (closeBox) {
            help->Handle()->close();
            testenv::runFor(10);
            EXPECT_FALSE(Exists<windows::ayuda>());
        } else {
            testenv::click(help->PushButton1);
            EXPECT_TRUE(Exists<windows::ayuda>());
            EXPECT_FALSE(help->Visible());
        }
        EXPECT_EQ(EnabledInputs(), 3);
        EXPECT_EQ(win::main()->MenuBar(), MenuBar1());

        help = Open(false);
        EXPECT_EQ(help->PopupMenu1->ListIndex(), closeBox ? 0 : 4);
        EXPECT_EQ(help->HTMLField1->ScrollPosition(), closeBox ? 0 : 5);
        EXPECT_TRUE(Shows(help->HTMLField1, closeBox ? Textos::kayuda00 : Textos::kayuda05));
        help->Handle()->close();
        testenv::runFor(10);
    }
}

// Link and anchor clicks on a page of links in the help window's field: the
// built-in pages hold none.
TEST_F(AyudaTest, LinksAndAnchorsInTheField)
{
    help::HTMLField* field = Open(true)->HTMLField1;
    std::vector<std::string> clicked;
    field->LinkClicked.InstallInstanceEventHandler(
        [&clicked](const std::string& href) { clicked.push_back(href); });
    field->Render(TestPage());
    field->Handle()->setFocus();
    // Rendering puts the caret at 0, inside the external link, and raises nothing.
    EXPECT_TRUE(clicked.empty());
    ClickAt(field, 6); // in " and "
    EXPECT_TRUE(clicked.empty());
    // A caret at a link's end counts, moved in by key.
    testenv::key(field, Qt::Key_Left);
    testenv::key(field, Qt::Key_Left);
    EXPECT_EQ(clicked, std::vector<std::string>{"http://site"});

    // A hash link scrolls each anchor of its name to the top in turn: the
    // later one stays in view.
    ClickAt(field, 12); // inside "go down"
    EXPECT_EQ(clicked.size(), 1u);
    ASSERT_EQ(field->anchors.size(), 2u);
    const std::int32_t earlier = field->LineNumAtCharPos(field->anchors[0].position);
    EXPECT_EQ(field->ScrollPosition(), field->LineNumAtCharPos(field->anchors[1].position));
    EXPECT_GT(field->ScrollPosition(), earlier);
    EXPECT_GT(earlier, 0);
}

} // namespace

// An arrow key that moves the caret into a hash link counts as a click: the
// later anchor's line stays the first one shown once the key is handled,
// though the field scrolls to its caret after moving it.
TEST_F(AyudaTest, AnArrowKeyIntoAHashLinkScrollsToItsAnchor)
{
    help::HTMLField* field = Open(true)->HTMLField1;
    field->Render(TestPage());
    field->Handle()->setFocus();
    ClickAt(field, 6); // in " and ", three characters before "go down"
    ASSERT_EQ(field->SelStart(), 6);
    ASSERT_EQ(field->anchors.size(), 2u);
    const std::int32_t later = field->LineNumAtCharPos(field->anchors[1].position);
    testenv::key(field, Qt::Key_Right);
    testenv::key(field, Qt::Key_Right);
    EXPECT_EQ(field->ScrollPosition(), 0);
    testenv::key(field, Qt::Key_Right);
    EXPECT_EQ(field->SelStart(), 9);
    EXPECT_EQ(field->ScrollPosition(), later);
    EXPECT_GT(later, 0);
}
