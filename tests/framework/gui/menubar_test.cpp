// SPDX-License-Identifier: GPL-3.0-or-later
#include "framework/gui/menubar.h"
#include "support/guifixture.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>
#include <QWidget>

#include <gtest/gtest.h>

#include <array>

namespace {

using testenv::TestWindow;
using Kind = fw::MenuRow::Kind;

constexpr std::array<fw::MenuRow, 8> kRows{{
    {"", "FileMenu", Kind::Item, "&File", "", false},
    {"FileMenu", "FileClose", Kind::Item, "Close", "Cmd+W", true},
    {"FileMenu", "FileQuit", Kind::Quit, "Quit", "Cmd+Q", true},
    {"FileMenu", "FilePSetup", Kind::Item, "Page Setup...", "", false},
    {"", "EditMenu", Kind::Item, "&Edit", "", false},
    {"EditMenu", "EditUndo", Kind::Item, "Undo", "Cmd+Z", false},
    {"EditMenu", "UntitledMenu0", Kind::Item, "-", "", false},
    {"EditMenu", "AppleAbout", Kind::Apple, "About Cyclane Duvivarode\u2026", "", false},
}};

// An application that enables Page Setup by name when asked to.
class EnablingApp : public fw::Application {
public:
    int passes = 0;
    bool enablePageSetup = false;

protected:
    void Event_EnableMenuItems() override
    {
        ++passes;
        if (enablePageSetup)
            MenuBar()->FindItem("FilePSetup")->SetEnabled(true);
    }
};

class MenuBarTest : public testenv::GuiFixture {
protected:
    std::unique_ptr<fw::Application> CreateApplication() override { return std::make_unique<EnablingApp>(); }
    void SetUp() override
    {
        GuiFixture::SetUp();
        bar.Build(kRows);
        app->SetMenuBar(&bar);
    }
    void TearDown() override
    {
        windows.clear();
        GuiFixture::TearDown();
    }

    fw::MenuBar bar;
};

// The start-up tests run the pass over the real bars; here a window's handler
// and the application's event enable items too, when a menu opens.
TEST_F(MenuBarTest, EnablingPassFollowsAutoEnableAndHandlers)
{
    auto* window = MakeWindow({});
    window->SetMenuBar(&bar);
    window->AddMenuHandler("EditUndo", [] { return false; });
    auto* enabling = static_cast<EnablingApp*>(app.get());
    enabling->enablePageSetup = true;
    enabling->passes = 0;
    emit static_cast<QMenu*>(bar.Child("FileMenu")->Handle()->menu())->aboutToShow();
    const std::pair<const char*, bool> rows[] = {
        {"FileClose", true}, {"FileQuit", true}, {"FilePSetup", true}, {"EditUndo", true},
        {"AppleAbout", false}};
    for (const auto& [name, enabled] : rows)
        EXPECT_EQ(bar.FindItem(name)->Handle()->isEnabled(), enabled) << name;
    EXPECT_EQ(enabling->passes, 1);
}

TEST_F(MenuBarTest, CommandsGoToTheFrontWindowThenTheApplication)
{
    std::vector<std::string> calls;
    auto handler = [&calls](const char* who, const bool* takes) {
        return [&calls, who, takes] {
            calls.push_back(who);
            return *takes;
        };
    };
    const bool yes = true, no = false;
    bool frontTakes = false;
    TestWindow* back = MakeWindow({});
    TestWindow* front = MakeWindow({});
    front->SetMenuBar(&bar);
    back->AddMenuHandler("FileQuit", handler("back", &yes));
    front->AddMenuHandler("FileQuit", handler("front", &frontTakes));
    app->AddMenuHandler("FileQuit", handler("app", &no));
    app->AddMenuHandler("AppleAbout", handler("app about", &no));
    ASSERT_EQ(fw::FrontWindow(), front);
    // The window returns False, then True; only the application; nobody.
    const std::tuple<const char*, bool, std::vector<std::string>> rows[] = {
        {"FileQuit", false, {"front", "app"}}, {"FileQuit", true, {"front"}},
        {"AppleAbout", false, {"app about"}}, {"EditUndo", false, {}},
    };
    for (const auto& [item, takes, expected] : rows) {
        calls.clear();
        frontTakes = takes;
        bar.FindItem(item)->SetEnabled(true);
        bar.FindItem(item)->Handle()->trigger();
        EXPECT_EQ(calls, expected) << item;
    }
}

TEST_F(MenuBarTest, WindowsShowTheirBarAboveAnExactContentArea)
{
    TestWindow* w = MakeWindow({}, 320, 240);
    w->SetMenuBar(&bar);
    EXPECT_EQ(w->Content()->size(), QSize(320, 240));
    auto* menuBar = w->Handle()->findChild<QMenuBar*>();
    ASSERT_NE(menuBar, nullptr);
    EXPECT_TRUE(menuBar->isVisible());
    EXPECT_GE(w->Content()->y(), menuBar->height());
    EXPECT_EQ(w->Handle()->height(), w->Content()->y() + 240);
    // The same bar in a second window; then swapped out at run time.
    TestWindow* other = MakeWindow({}, 100, 100);
    other->SetMenuBar(&bar);
    w->SetMenuBar(nullptr);
    EXPECT_FALSE(menuBar->isVisible());
    EXPECT_EQ(other->Handle()->findChild<QMenuBar*>()->actions().size(), 2);
    // Without a bar of its own the window still takes the application's
    // shortcuts.
    EXPECT_TRUE(w->Handle()->actions().contains(bar.FindItem("FileQuit")->Handle()));
}

} // namespace
