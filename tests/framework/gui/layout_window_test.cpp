// SPDX-License-Identifier: GPL-3.0-or-later
// A window built from a compiled layout: controls in creation order with
// their blocks applied, pictures and menu bar bound by name, handlers bound
// by name (set members' handlers get the member's index), driven by input.
#include "framework/gui/editfield.h"
#include "framework/gui/groupbox.h"
#include "framework/gui/pushbutton.h"
#include "framework/gui/radiobutton.h"
#include "framework/gui/shapes.h"
#include "framework/gui/statictext.h"
#include "framework/gui/timer.h"
#include "support/guifixture.h"
#include "layout.h"
#include "support/gui.h"
#include "tests/framework/gui/layouttest_window.h"

#include <gtest/gtest.h>

#include <QTest>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <functional>
#include <sstream>

namespace {

class LayoutWindow : public testenv::GuiFixture {
protected:
    void SetUp() override
    {
        GuiFixture::SetUp();
        window = fw::WindowInstance<windows::layouttest>();
        ASSERT_NE(window, nullptr);
        ASSERT_TRUE(QTest::qWaitForWindowExposed(window->Handle()));
    }
    void TearDown() override
    {
        GuiFixture::TearDown();
        layouttest_art::DropTestMenuBar();
    }

    bool Logged(const std::string& entry) const
    {
        return std::find(window->log.begin(), window->log.end(), entry) != window->log.end();
    }

    windows::layouttest* window = nullptr;
};

std::string SourceLayout()
{
    std::ifstream in(std::filesystem::path(CYC_GUI_TEST_DIR) / "layouttest.layout", std::ios::binary);
    std::ostringstream s;
    s << in.rdbuf();
    return s.str();
}

} // namespace

// The controls in layout order with the blocks the compiler writes; the
// group box's Open handler runs once every control exists, the last included.
TEST_F(LayoutWindow, CreatesTheControlsInLayoutOrder)
{
    EXPECT_EQ(window->log, std::vector<std::string>{"goalBox_Open 11 dotLabel"});
    const layoutc::Layout layout = layoutc::ParseLayout(SourceLayout(), "layouttest.layout");
    const auto blocks = layouts::layouttest::Blocks();
    ASSERT_EQ(blocks.size(), layouts::layouttest::kControlCount + 1);
    ASSERT_EQ(blocks.size(), layout.controls.size() + 1);
    EXPECT_EQ(blocks[0].className, "Window");
    EXPECT_TRUE(std::ranges::equal(blocks[0].block, layout.window.block));
    // The timer is registered by name but is no control of the stacking order.
    std::size_t at = 0;
    for (std::size_t i = 1; i < blocks.size(); ++i) {
        SCOPED_TRACE(std::string(blocks[i].name) + " " + std::to_string(blocks[i].index));
        EXPECT_EQ(blocks[i].name, layout.controls[i - 1].name);
        EXPECT_TRUE(std::ranges::equal(blocks[i].block, layout.controls[i - 1].block));
        if (blocks[i].className == "Timer") {
            EXPECT_NE(window->Find<fw::Timer>(blocks[i].name), nullptr);
            continue;
        }
        const fw::Control* c = window->ControlAt(at++);
        ASSERT_NE(c, nullptr);
        EXPECT_EQ(c->Name(), blocks[i].name);
        EXPECT_EQ(c->Index(), blocks[i].index);
        EXPECT_EQ(c->ClassName(), blocks[i].className);
    }
    EXPECT_EQ(window->ControlCount(), at);

    // The typed members are the registered controls; sets go by index.
    EXPECT_EQ(window->okButton, window->Find<fw::PushButton>("okButton"));
    EXPECT_EQ(window->dots.Count(), 3u);
    for (std::int32_t i = 0; i < 3; ++i)
        EXPECT_EQ(window->dots(i), window->Find<fw::Oval>("dots", i));
    EXPECT_EQ(window->ControlAt(7), window->dots(1));
}

// What goes by name rather than by block: pictures, bars, parents, handlers.
TEST_F(LayoutWindow, BindsPicturesBarsParentsAndHandlersByName)
{
    windows::layouttest& w = *window;
    struct Row {
        const char* name;
        std::function<bool()> holds;
    };
    const Row rows[] = {
        {"backdrop by name", [&] { return w.Backdrop() == layouttest_art::stripes(); }},
        {"menu bar by name", [&] { return w.MenuBar() == layouttest_art::TestMenuBar(); }},
        {"radio parent", [&] { return w.rbTwo->InitialParent() == "goalBox" && w.rbTwo->Parent() == w.goalBox; }},
        {"parent named by set member",
         [&] { return w.dotLabel->InitialParent() == "dots$1" && w.dotLabel->Parent() == w.dots(1); }},
        {"Open handler ran", [&] { return w.goalBox->Caption() == "Goal"; }},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        EXPECT_TRUE(row.holds());
    }
}

TEST_F(LayoutWindow, UserInputReachesTheBoundHandlers)
{
    window->log.clear();
    testenv::click(window->okButton);
    EXPECT_TRUE(Logged("okButton_Action"));

    testenv::click(window->rbTwo);
    EXPECT_TRUE(Logged("rbTwo_Action"));
    EXPECT_TRUE(window->rbTwo->Value());
    EXPECT_FALSE(window->rbOne->Value());

    window->log.clear();
    testenv::type(window->nameField, "x");
    EXPECT_TRUE(Logged("nameField_KeyDown x"));
    EXPECT_TRUE(Logged("nameField_TextChange Adax"));

    window->log.clear();
    testenv::key(window->nameField, Qt::Key_Return);
    EXPECT_TRUE(Logged("okButton_Action"));
}

TEST_F(LayoutWindow, SetMemberHandlersGetTheMemberIndex)
{
    struct Row { std::int32_t index; int x, y; const char* expected; };
    const Row rows[] = {
        {2, 15, 15, "dots_MouseDown 2 15,15"},
        {0, 5, 20, "dots_MouseDown 0 5,20"},
        {1, 15, 15, "dots_MouseDown 1 15,15"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.expected);
        window->log.clear();
        const fw::Oval* dot = window->dots(row.index);
        testenv::clickAt(window, dot->Left() + row.x, dot->Top() + row.y);
        ASSERT_FALSE(window->log.empty());
        EXPECT_EQ(window->log.front(), row.expected);
    }
}

TEST_F(LayoutWindow, TimerHandlerRunsOnceSwitchedOn)
{
    testenv::runTimers(120);
    EXPECT_FALSE(Logged("ticker_Action"));
    window->ticker->SetMode(fw::Timer::kModeMultiple);
    testenv::runTimers(200);
    // The handler switches the timer off again: exactly one run.
    EXPECT_EQ(std::count(window->log.begin(), window->log.end(), "ticker_Action"), 1);
}

TEST_F(LayoutWindow, Screenshot)
{
    testenv::click(window->rbTwo);
    const auto path = testenv::screenshot(window, "layout_window");
    EXPECT_TRUE(std::filesystem::exists(path));
}
