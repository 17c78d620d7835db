// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/menubars.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

enum class Kind { Item, Quit, Apple };

struct Expected {
    const char* parent;   // "" for a menu of the bar
    const char* name;
    Kind kind;
    const char* text;
    const char* shortcut;
    bool autoEnable;
};

const char* const kAboutText = "About Cyclane Duvivarode\xE2\x80\xA6";   // ends in U+2026

const std::vector<Expected> kBar1 = {
    {"", "FileMenu", Kind::Item, "&File", "", false},
    {"FileMenu", "FileClose", Kind::Item, "Close", "Ctrl+W", true},
    {"FileMenu", "FileQuit", Kind::Quit, "Quit", "Ctrl+Q", true},
    {"FileMenu", "FilePSetup", Kind::Item, "Page Setup...", "", false},
    {"FileMenu", "ckupdt", Kind::Apple, "Check for Updates", "", true},
    {"", "EditMenu", Kind::Item, "&Edit", "", false},
    {"EditMenu", "EditUndo", Kind::Item, "Undo", "Ctrl+Z", false},
    {"EditMenu", "UntitledMenu0", Kind::Item, "-", "", false},
    {"EditMenu", "EditCut", Kind::Item, "Cut", "Ctrl+X", false},
    {"EditMenu", "EditCopy", Kind::Item, "Copy", "Ctrl+C", false},
    {"EditMenu", "EditPaste", Kind::Item, "Paste", "Ctrl+V", false},
    {"EditMenu", "EditClear", Kind::Item, "Clear", "", false},
    {"EditMenu", "AppleAbout", Kind::Apple, kAboutText, "", true},
    {"", "HelpMenu", Kind::Item, "Help", "", true},
    {"HelpMenu", "MyAppHelp", Kind::Item, "Cyclane Duvivarode Help", "", false},
};

const std::vector<Expected> kBar2 = {
    {"", "FileMenu", Kind::Item, "&File", "", false},
    {"FileMenu", "FileClose", Kind::Item, "Close", "Ctrl+W", true},
    {"FileMenu", "FileQuit", Kind::Quit, "Quit", "Ctrl+Q", true},
    {"FileMenu", "FilePSetup", Kind::Item, "Page Setup...", "", false},
    {"", "EditMenu", Kind::Item, "&Edit", "", false},
    {"EditMenu", "EditUndo", Kind::Item, "Undo", "Ctrl+Z", false},
    {"EditMenu", "UntitledMenu0", Kind::Item, "-", "", false},
    {"EditMenu", "EditCut", Kind::Item, "Cut", "Ctrl+X", false},
    {"EditMenu", "EditCopy", Kind::Item, "Copy", "Ctrl+C", false},
    {"EditMenu", "EditPaste", Kind::Item, "Paste", "Ctrl+V", false},
    {"EditMenu", "EditClear", Kind::Item, "Clear", "", false},
    {"EditMenu", "ckupdt", Kind::Apple, "Check for Updates", "", true},
    {"EditMenu", "AppleAbout", Kind::Apple, kAboutText, "", false},
    {"", "HelpMenu", Kind::Item, "Help", "", true},
    {"HelpMenu", "MyAppHelp", Kind::Item, "Cyclane Duvivarode Help", "", false},
};

struct Seen {
    std::string parent;
    const fw::MenuItem* item;
};

// The bar's menus and items in display order, each menu before its items.
std::vector<Seen> walk(const fw::MenuBar& bar)
{
    std::vector<Seen> out;
    for (std::size_t m = 0; m < bar.Count(); ++m) {
        const fw::MenuItem* menu = bar.Item(m);
        out.push_back({"", menu});
        for (std::size_t i = 0; i < menu->Count(); ++i)
            out.push_back({menu->Name(), menu->Item(i)});
    }
    return out;
}

Kind kindOf(const fw::MenuItem* item)
{
    if (dynamic_cast<const fw::QuitMenuItem*>(item))
        return Kind::Quit;
    if (dynamic_cast<const fw::AppleMenuItem*>(item))
        return Kind::Apple;
    return Kind::Item;
}

void expectBar(const fw::MenuBar& bar, const std::vector<Expected>& expected)
{
    const std::vector<Seen> seen = walk(bar);
    ASSERT_EQ(seen.size(), expected.size());
    for (std::size_t i = 0; i < expected.size(); ++i) {
        const Expected& e = expected[i];
        SCOPED_TRACE(std::to_string(i + 1) + " " + e.name);
        const fw::MenuItem* item = seen[i].item;
        ASSERT_NE(item, nullptr);
        EXPECT_EQ(seen[i].parent, e.parent);
        EXPECT_EQ(item->Name(), e.name);
        EXPECT_EQ(kindOf(item), e.kind);
        EXPECT_EQ(item->Text(), e.text);
        EXPECT_EQ(item->KeyboardShortcut(), e.shortcut);
        EXPECT_EQ(item->AutoEnable(), e.autoEnable);
        EXPECT_EQ(item->IsSeparator(), std::string(e.text) == "-");
        if (e.parent[0] == '\0')
            EXPECT_EQ(bar.Child(e.name), item) << "menus are found by name";
        else
            EXPECT_EQ(bar.FindItem(e.name), item) << "items are found by name";
    }
}

} // namespace

TEST(MenuBars, MenuBar1ItemByItem)
{
    expectBar(*MenuBar1(), kBar1);
}

TEST(MenuBars, MenuBar2ItemByItem)
{
    expectBar(*MenuBar2(), kBar2);
}

TEST(MenuBars, EachBarIsBuiltOnce)
{
    fw::MenuBar* first1 = MenuBar1();
    fw::MenuBar* first2 = MenuBar2();
    EXPECT_EQ(MenuBar1(), first1);
    EXPECT_EQ(MenuBar2(), first2);
    EXPECT_NE(static_cast<fw::MenuBar*>(MenuBar1()), static_cast<fw::MenuBar*>(MenuBar2()));
    // Fifteen menus and items after repeated calls, not thirty.
    EXPECT_EQ(walk(*MenuBar1()).size(), 15u);
    EXPECT_EQ(walk(*MenuBar2()).size(), 15u);
}

TEST(MenuBars, TheBarsDifferOnlyInCheckForUpdatesAndAbout)
{
    const fw::MenuItem* file1 = MenuBar1()->Child("FileMenu");
    const fw::MenuItem* edit2 = MenuBar2()->Child("EditMenu");
    ASSERT_TRUE(file1 && edit2);
    EXPECT_NE(file1->Child("ckupdt"), nullptr);
    EXPECT_EQ(MenuBar2()->Child("FileMenu")->Child("ckupdt"), nullptr);
    EXPECT_EQ(MenuBar1()->Child("EditMenu")->Child("ckupdt"), nullptr);
    // In MenuBar2 Check for Updates stands between Clear and About.
    ASSERT_EQ(edit2->Count(), 8u);
    EXPECT_EQ(edit2->Item(5)->Name(), "EditClear");
    EXPECT_EQ(edit2->Item(6)->Name(), "ckupdt");
    EXPECT_EQ(edit2->Item(7)->Name(), "AppleAbout");
    EXPECT_TRUE(MenuBar1()->FindItem("AppleAbout")->AutoEnable());
    EXPECT_FALSE(MenuBar2()->FindItem("AppleAbout")->AutoEnable());
}
