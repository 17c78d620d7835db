// SPDX-License-Identifier: GPL-3.0-or-later
#include "framework/gui/editfield.h"
#include "framework/gui/menubar.h"
#include "framework/gui/pushbutton.h"
#include "support/guifixture.h"

#include <QAction>
#include <QClipboard>
#include <QGuiApplication>
#include <QMenu>
#include <QMenuBar>
#include <QWidget>

#include <gtest/gtest.h>

#include <algorithm>
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

// The front window's focused text field enables the Edit items that apply to
// it and acts on them from the menu; what it changed, Undo takes back.
TEST_F(MenuBarTest, TheFocusedTextFieldServesTheEditItems)
{
    static constexpr std::array<fw::MenuRow, 6> kEdit{{
        {"", "EditMenu", Kind::Item, "&Edit", "", false},
        {"EditMenu", "EditUndo", Kind::Item, "Undo", "Cmd+Z", false},
        {"EditMenu", "EditCut", Kind::Item, "Cut", "Cmd+X", false},
        {"EditMenu", "EditCopy", Kind::Item, "Copy", "Cmd+C", false},
        {"EditMenu", "EditPaste", Kind::Item, "Paste", "Cmd+V", false},
        {"EditMenu", "EditClear", Kind::Item, "Clear", "", false},
    }};
    fw::MenuBar edit;
    edit.Build(kEdit);
    app->SetMenuBar(&edit);
    // The field and its state; the items enabled (Undo, cuT, Copy, Paste,
    // cLear); the item chosen, the text and clipboard it leaves.
    struct Row {
        const char* name;
        bool multiLine = false, readOnly = false, password = false, focused = true;
        std::int32_t selStart = 1, selLength = 2;
        const char* clipboard = "77";
        const char* enabled;
        const char* item;
        const char* text;
        const char* clipboardAfter;
    };
    const Row rows[] = {
        {.name = "a selection cut", .enabled = "TCPL", .item = "EditCut", .text = "145", .clipboardAfter = "23"},
        {.name = "pasted at the caret", .selStart = 2, .selLength = 0, .enabled = "P", .item = "EditPaste",
         .text = "1277345", .clipboardAfter = "77"},
        {.name = "nothing to paste", .selLength = 0, .clipboard = "", .enabled = "", .item = "EditPaste",
         .text = "12345", .clipboardAfter = ""},
        {.name = "read-only: copy only", .readOnly = true, .enabled = "C", .item = "EditCopy", .text = "12345",
         .clipboardAfter = "23"},
        {.name = "a password is not copied out", .password = true, .enabled = "PL", .item = "EditClear",
         .text = "145", .clipboardAfter = "77"},
        {.name = "multi-line, cleared", .multiLine = true, .enabled = "TCPL", .item = "EditClear", .text = "145",
         .clipboardAfter = "77"},
        {.name = "a button has the focus", .focused = false, .enabled = "", .item = "EditCut", .text = "12345",
         .clipboardAfter = "77"},
    };
    const std::pair<char, const char*> items[] = {
        {'U', "EditUndo"}, {'T', "EditCut"}, {'C', "EditCopy"}, {'P', "EditPaste"}, {'L', "EditClear"}};
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        fw::EditField* field = nullptr;
        fw::PushButton* button = nullptr;
        TestWindow* w = MakeWindow([&](TestWindow& t) {
            field = t.Add<fw::EditField>("field", 10, 10, 120, 40);
            button = t.Add<fw::PushButton>("button", 10, 60, 80, 20);
        });
        field->SetMultiLine(row.multiLine);
        field->SetReadOnly(row.readOnly);
        field->SetPassword(row.password);
        field->SetText("12345");
        field->SetSelStart(row.selStart);
        field->SetSelLength(row.selLength);
        (row.focused ? field->Handle() : button->Handle())->setFocus();
        QGuiApplication::clipboard()->setText(row.clipboard);
        ASSERT_EQ(fw::FrontWindow(), w);

        edit.EnableMenuItems();
        std::string enabled;
        for (const auto& [letter, item] : items)
            if (edit.FindItem(item)->Handle()->isEnabled())
                enabled += letter;
        EXPECT_EQ(enabled, row.enabled);
        const char letter = std::find_if(std::begin(items), std::end(items), [&](const auto& i) {
                                return std::string_view(i.second) == row.item;
                            })->first;
        EXPECT_EQ(fw::MenuBar::Dispatch(row.item), enabled.find(letter) != std::string::npos);
        EXPECT_EQ(field->Text(), row.text);
        EXPECT_EQ(QGuiApplication::clipboard()->text().toStdString(), row.clipboardAfter);
        // Passwords and multi-line fields keep no undo history.
        if (field->Text() != "12345" && !row.password && !row.multiLine) {
            edit.EnableMenuItems();
            ASSERT_TRUE(edit.FindItem("EditUndo")->Handle()->isEnabled());
            edit.FindItem("EditUndo")->Handle()->trigger();
            EXPECT_EQ(field->Text(), "12345");
        }
        w->Close();
    }
    // A handler of the item takes it instead of the field.
    fw::EditField* field = nullptr;
    TestWindow* w = MakeWindow([&](TestWindow& t) { field = t.Add<fw::EditField>("field", 10, 10, 120, 20); });
    field->SetText("12345");
    field->SetSelLength(5);
    field->Handle()->setFocus();
    bool handled = false;
    w->AddMenuHandler("EditClear", [&handled] { return handled = true; });
    EXPECT_TRUE(fw::MenuBar::Dispatch("EditClear"));
    EXPECT_TRUE(handled);
    EXPECT_EQ(field->Text(), "12345");
    app->SetMenuBar(&bar);
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
