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

    windows::ayuda* OpenByHelpButton()
    {
        testenv::click(win::main()->PushButton2);
        windows::ayuda* help = win::ayuda();
        WaitShown(help);
        EXPECT_EQ(win::main()->MenuBar(), MenuBar2());
        return help;
    }
    windows::ayuda* OpenByMenu()
    {
        Choose(MenuBar1(), "MyAppHelp");
        windows::ayuda* help = win::ayuda();
        WaitShown(help);
        return help;
    }

    static std::string PageText(std::string (*page)()) { return help::Render(page(), 13).text; }
    bool InputsEnabled() const
    {
        return in.durciclo->Enabled() && in.rbevitar->Enabled() && win::main()->PushButton2->Enabled();
    }

    CalendarInputs in;
};

using Page = std::string (*)();
constexpr Page kPages[] = {Textos::kayuda00, Textos::kayuda01, Textos::kayuda02,
                           Textos::kayuda04, Textos::kayuda05, Textos::kayuda06};

TEST_F(AyudaTest, FirstOpeningFromTheMenuShowsTheFirstTopicAndKeepsTheCalendarsBar)
{
    windows::ayuda* help = OpenByMenu();
    EXPECT_TRUE(help->Visible());
    EXPECT_EQ(help->Title(), "Help");
    ASSERT_EQ(help->PopupMenu1->ListCount(), 6);
    EXPECT_EQ(help->PopupMenu1->List(3), "Contact and Technical Support");
    EXPECT_EQ(help->PopupMenu1->ListIndex(), 0);
    EXPECT_EQ(help->HTMLField1->Text(), PageText(Textos::kayuda00));
    EXPECT_EQ(help->HTMLField1->ScrollPosition(), 0);
    EXPECT_EQ(help->MenuBar(), MenuBar2());
    EXPECT_EQ(win::main()->MenuBar(), MenuBar1());
    EXPECT_FALSE(InputsEnabled());
}

TEST_F(AyudaTest, EveryTopicShowsItsPage)
{
    windows::ayuda* help = OpenByHelpButton();
    for (int row = 0; row < 6; ++row) {
        SCOPED_TRACE(row);
        help->PopupMenu1->SetListIndex(row);
        EXPECT_EQ(help->HTMLField1->Text(), PageText(kPages[row]));
        EXPECT_EQ(help->HTMLField1->SelStart(), 0);
        testenv::screenshot(help, "help-page-" + std::to_string(row));
    }
    // A row beyond the pages (a longer translated list) leaves the page.
    help->PopupMenu1->AddRow("Extra");
    help->PopupMenu1->SetListIndex(6);
    EXPECT_EQ(help->HTMLField1->Text(), PageText(kPages[5]));
}

TEST_F(AyudaTest, CloseHelpHidesAndKeepsTheTopicTheCloseBoxStartsAgain)
{
    struct Row { const char* name; bool byButton; bool closeBox; };
    const Row rows[] = {
        {"button, Close Help", true, false},
        {"menu, Close Help", false, false},
        {"button, close box", true, true},
        {"menu, close box", false, true},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        windows::ayuda* help = row.byButton ? OpenByHelpButton() : OpenByMenu();
        EXPECT_FALSE(InputsEnabled());
        help->PopupMenu1->SetListIndex(4);
        help->HTMLField1->SetScrollPosition(5);
        if (row.closeBox) {
            help->Handle()->close();
            testenv::runFor(10);
            EXPECT_FALSE(Exists<windows::ayuda>());
        } else {
            testenv::click(help->PushButton1);
            EXPECT_TRUE(Exists<windows::ayuda>());
            EXPECT_FALSE(help->Visible());
        }
        EXPECT_TRUE(InputsEnabled());
        EXPECT_EQ(win::main()->MenuBar(), MenuBar1());

        help = OpenByMenu();
        EXPECT_EQ(help->PopupMenu1->ListIndex(), row.closeBox ? 0 : 4);
        EXPECT_EQ(help->HTMLField1->Text(), PageText(row.closeBox ? Textos::kayuda00 : Textos::kayuda05));
        EXPECT_EQ(help->HTMLField1->ScrollPosition(), row.closeBox ? 0 : 5);
        help->Handle()->close();
        testenv::runFor(10);
    }
}

} // namespace
