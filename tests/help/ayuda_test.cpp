// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/shell_fixture.h"
#include "help/ayuda.h"
#include "help/render/htmlrender.h"
#include "resources/textos.h"

#include <gtest/gtest.h>

namespace {

using shelltest::CalendarInputs;
using shelltest::Choose;

class AyudaTest : public shelltest::ShellTest {
protected:
    void SetUp() override
    {
        ShellTest::SetUp();
        StartWith(in);
        testenv::click(win::splashreg()->PushButton1);
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
        EXPECT_FALSE(in.durciclo->Enabled() || in.rbevitar->Enabled() || win::main()->PushButton2->Enabled());
        return help;
    }
    static std::string PageText(std::string (*page)()) { return help::Render(page(), 13).text; }

    CalendarInputs in;
};

TEST_F(AyudaTest, EveryTopicShowsItsPage)
{
    using Page = std::string (*)();
    const Page pages[] = {Textos::kayuda00, Textos::kayuda01, Textos::kayuda02,
                          Textos::kayuda04, Textos::kayuda05, Textos::kayuda06};
    windows::ayuda* help = Open(false);
    EXPECT_EQ(help->Title(), "Help");
    ASSERT_EQ(help->PopupMenu1->ListCount(), 6);
    EXPECT_EQ(help->PopupMenu1->List(3), "Contact and Technical Support");
    EXPECT_EQ(help->PopupMenu1->ListIndex(), 0);
    for (int row = 0; row < 6; ++row) {
        help->PopupMenu1->SetListIndex(row);
        EXPECT_EQ(help->HTMLField1->Text(), PageText(pages[row])) << row;
        EXPECT_EQ(help->HTMLField1->SelStart(), 0);
        EXPECT_EQ(help->HTMLField1->ScrollPosition(), 0);
        testenv::screenshot(help, "help-page-" + std::to_string(row));
    }
    // A row beyond the pages (a longer translated list) leaves the page.
    help->PopupMenu1->AddRow("Extra");
    help->PopupMenu1->SetListIndex(6);
    EXPECT_EQ(help->HTMLField1->Text(), PageText(pages[5]));
}

// Close Help hides the window and keeps the topic; the close box starts again.
TEST_F(AyudaTest, CloseHelpHidesAndKeepsTheTopicTheCloseBoxStartsAgain)
{
    for (auto [byButton, closeBox] : {std::pair{true, false}, {false, false}, {true, true}, {false, true}}) {
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
        EXPECT_TRUE(in.durciclo->Enabled() && in.rbevitar->Enabled() && win::main()->PushButton2->Enabled());
        EXPECT_EQ(win::main()->MenuBar(), MenuBar1());

        help = Open(false);
        EXPECT_EQ(help->PopupMenu1->ListIndex(), closeBox ? 0 : 4);
        EXPECT_EQ(help->HTMLField1->Text(), PageText(closeBox ? Textos::kayuda00 : Textos::kayuda05));
        EXPECT_EQ(help->HTMLField1->ScrollPosition(), closeBox ? 0 : 5);
        help->Handle()->close();
        testenv::runFor(10);
    }
}

} // namespace
