// SPDX-License-Identifier: GPL-3.0-or-later
#include "framework/gui/menubar.h"
#include "support/guifixture.h"

#include <QTest>
#include <QWidget>

#include <QAction>
#include <QKeySequence>
#include <QMenu>
#include <QMenuBar>
#include <QWidget>

#include <gtest/gtest.h>

#include <array>

namespace {

using GuiTest = testenv::GuiFixture;
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

// An application that records its events and serves two commands.
class RecordingApp : public fw::Application {
public:
    std::vector<std::string> log;
    bool enablePageSetup = false;

protected:
    void Event_EnableMenuItems() override
    {
        log.push_back("app.EnableMenuItems");
        if (enablePageSetup)
            MenuBar()->FindItem("FilePSetup")->SetEnabled(true);
    }
};

class MenuBarTest : public GuiTest {
protected:
    std::unique_ptr<fw::Application> CreateApplication() override { return std::make_unique<RecordingApp>(); }
    RecordingApp& App() { return static_cast<RecordingApp&>(*app); }

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

TEST_F(MenuBarTest, BuildsFromTheTableByName)
{
    ASSERT_EQ(bar.Count(), 2u);
    fw::MenuItem* file = bar.Child("FileMenu");
    ASSERT_NE(file, nullptr);
    EXPECT_EQ(file->Count(), 3u);
    EXPECT_EQ(bar.Child("FileQuit"), nullptr);
    EXPECT_EQ(file->Child("FileQuit"), bar.FindItem("FileQuit"));
    EXPECT_NE(dynamic_cast<fw::QuitMenuItem*>(bar.FindItem("FileQuit")), nullptr);
    EXPECT_NE(dynamic_cast<fw::AppleMenuItem*>(bar.FindItem("AppleAbout")), nullptr);
    EXPECT_EQ(bar.FindItem("AppleAbout")->Text(), "About Cyclane Duvivarode\u2026");
    EXPECT_EQ(bar.FindItem("FileQuit")->Handle()->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_Q));
    EXPECT_TRUE(bar.FindItem("FilePSetup")->Handle()->shortcut().isEmpty());
    EXPECT_TRUE(bar.FindItem("UntitledMenu0")->IsSeparator());
    EXPECT_TRUE(bar.FindItem("UntitledMenu0")->Handle()->isSeparator());
    EXPECT_EQ(file->Handle()->text(), "&File");

    const fw::MenuRow orphan{"NoMenu", "x", Kind::Item, "x", "", false};
    EXPECT_THROW(bar.Build(std::span(&orphan, 1)), std::invalid_argument);
}

TEST_F(MenuBarTest, EnablingPassFollowsAutoEnableAndHandlers)
{
    struct Row {
        const char* name;
        bool windowHandlesUndo, appHandlesPSetup, appEnablesPSetup;
        // FileClose FileQuit FilePSetup EditUndo AppleAbout
        std::array<bool, 5> enabled;
    };
    const Row rows[] = {
        {"AutoEnable only", false, false, false, {true, true, false, false, false}},
        {"window handles Undo", true, false, false, {true, true, false, true, false}},
        {"application handles Page Setup", false, true, false, {true, true, true, false, false}},
        {"application enables Page Setup by name", false, false, true, {true, true, true, false, false}},
    };
    const char* names[] = {"FileClose", "FileQuit", "FilePSetup", "EditUndo", "AppleAbout"};
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        auto* freshWindow = MakeWindow({});
        freshWindow->SetMenuBar(&bar);
        if (row.windowHandlesUndo)
            freshWindow->AddMenuHandler("EditUndo", [] { return false; });
        app.reset();
        app = std::make_unique<RecordingApp>();
        app->SetMenuBar(&bar);
        if (row.appHandlesPSetup)
            app->AddMenuHandler("FilePSetup", [] { return false; });
        App().enablePageSetup = row.appEnablesPSetup;
        ASSERT_EQ(fw::FrontWindow(), freshWindow);
        // Opening a menu runs the pass.
        emit static_cast<QMenu*>(bar.Child("FileMenu")->Handle()->menu())->aboutToShow();
        for (std::size_t i = 0; i < 5; ++i)
            EXPECT_EQ(bar.FindItem(names[i])->Enabled(), row.enabled[i]) << names[i];
        EXPECT_EQ(App().log, std::vector<std::string>{"app.EnableMenuItems"});
    }
}

TEST_F(MenuBarTest, CommandsGoToTheFrontWindowThenTheApplication)
{
    std::vector<std::string> calls;
    TestWindow* back = MakeWindow({});
    TestWindow* front = MakeWindow({});
    front->SetMenuBar(&bar);
    back->AddMenuHandler("FileQuit", [&] {
        calls.push_back("back");
        return true;
    });
    bool frontTakes = false;
    front->AddMenuHandler("FileQuit", [&] {
        calls.push_back("front");
        return frontTakes;
    });
    app->AddMenuHandler("FileQuit", [&] {
        calls.push_back("app");
        return false;
    });
    app->AddMenuHandler("AppleAbout", [&] {
        calls.push_back("app about");
        return false;
    });
    ASSERT_EQ(fw::FrontWindow(), front);

    struct Row { const char* name; const char* item; bool frontTakes; std::vector<std::string> calls; };
    const Row rows[] = {
        {"window returns False: application too", "FileQuit", false, {"front", "app"}},
        {"window returns True: handled", "FileQuit", true, {"front"}},
        {"only the application", "AppleAbout", false, {"app about"}},
        {"nobody", "EditUndo", false, {}},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        calls.clear();
        frontTakes = row.frontTakes;
        fw::MenuItem* item = bar.FindItem(row.item);
        item->SetEnabled(true);
        item->Handle()->trigger();
        EXPECT_EQ(calls, row.calls);
    }
}

TEST_F(MenuBarTest, WindowsShowTheirBarAboveAnExactContentArea)
{
    TestWindow* w = MakeWindow({}, 320, 240);
    EXPECT_EQ(w->Content()->size(), QSize(320, 240));
    EXPECT_EQ(w->Content()->y(), 0);
    w->SetMenuBar(&bar);
    EXPECT_EQ(w->Content()->size(), QSize(320, 240));
    auto* menuBar = w->Handle()->findChild<QMenuBar*>();
    ASSERT_NE(menuBar, nullptr);
    EXPECT_TRUE(menuBar->isVisible());
    EXPECT_EQ(menuBar->actions().size(), 2);
    EXPECT_GE(w->Content()->y(), menuBar->height());
    EXPECT_EQ(w->Handle()->height(), w->Content()->y() + 240);

    // The same bar in a second window; then swapped out at run time.
    TestWindow* other = MakeWindow({}, 100, 100);
    other->SetMenuBar(&bar);
    EXPECT_EQ(other->Handle()->findChild<QMenuBar*>()->actions().size(), 2);
    w->SetMenuBar(nullptr);
    EXPECT_FALSE(menuBar->isVisible());
    EXPECT_EQ(other->Handle()->findChild<QMenuBar*>()->actions().size(), 2);
    // Without a bar of its own the window still takes the application's
    // shortcuts.
    EXPECT_TRUE(w->Handle()->actions().contains(bar.FindItem("FileQuit")->Handle()));
}

} // namespace
