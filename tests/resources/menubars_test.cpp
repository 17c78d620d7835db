// SPDX-License-Identifier: GPL-3.0-or-later
#include "resources/menubars.h"

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

// Both bars item by item; asking for a bar again gives the same bar, not a
// second copy of its items.
TEST(MenuBars, BothBarsItemByItem)
{
    struct Row {
        const char* name;
        fw::MenuBar* (*bar)();
        const std::vector<Expected>& expected;
    };
    const Row rows[] = {
        {"MenuBar1", [] { return static_cast<fw::MenuBar*>(MenuBar1()); }, kBar1},
        {"MenuBar2", [] { return static_cast<fw::MenuBar*>(MenuBar2()); }, kBar2},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        fw::MenuBar* first = row.bar();
        EXPECT_EQ(row.bar(), first);
        expectBar(*first, row.expected);
    }
    EXPECT_NE(rows[0].bar(), rows[1].bar());
}
