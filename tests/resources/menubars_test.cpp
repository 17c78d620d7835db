// SPDX-License-Identifier: GPL-3.0-or-later
#include "resources/menubars.h"

#include <QAction>
#include <QKeySequence>
#include <QMenu>

#include <gtest/gtest.h>

#include <cstddef>
#include <sstream>
#include <string>
#include <typeinfo>
#include <vector>

namespace {

enum class Kind { Item, Quit, Apple };

// The shortcut text an item stores and the key its action takes.
std::string Keys(const std::string& stored, const std::string& takes)
{
    return "stored \"" + stored + "\" takes \"" + takes + "\"";
}

// As the tables give it: "Cmd+" and the letter, which is the Control key here.
std::string Cmd(char letter)
{
    return Keys(std::string("Cmd+") + letter, std::string("Ctrl+") + letter);
}

const std::string kNoKey = Keys("", "");

// One menu or item as the user meets it: the menu that holds it (empty for a
// menu of the bar), its name, class, text, shortcut and AutoEnable.
struct Row {
    std::string parent, name;
    Kind kind;
    std::string text;
    std::string keys;
    bool autoEnable;
};

std::string Line(const Row& r)
{
    static const char* const kKinds[] = {"MenuItem", "QuitMenuItem", "AppleMenuItem"};
    std::ostringstream out;
    out << (r.parent.empty() ? "bar" : r.parent) << " / " << r.name << ": " << kKinds[int(r.kind)] << " \""
        << r.text << "\" " << r.keys << " auto " << r.autoEnable;
    return out.str();
}

std::vector<std::string> Lines(const std::vector<Row>& rows)
{
    std::vector<std::string> lines;
    for (const Row& r : rows)
        lines.push_back(Line(r));
    return lines;
}

Kind KindOf(fw::MenuItem& item)
{
    if (typeid(item) == typeid(fw::QuitMenuItem))
        return Kind::Quit;
    if (typeid(item) == typeid(fw::AppleMenuItem))
        return Kind::Apple;
    EXPECT_EQ(typeid(item), typeid(fw::MenuItem)) << item.Name();
    return Kind::Item;
}

std::string KeysOf(fw::MenuItem& item)
{
    return Keys(item.KeyboardShortcut(), item.Handle()->shortcut().toString(QKeySequence::PortableText).toStdString());
}

// The bar's menus and their items in the order the user sees them, which is
// the order they were appended in; each menu shows its items' actions in
// that order.
std::vector<Row> Shown(fw::MenuBar& bar)
{
    std::vector<Row> rows;
    for (std::size_t m = 0; m < bar.Count(); ++m) {
        fw::MenuItem& menu = *bar.Item(m);
        rows.push_back({"", menu.Name(), KindOf(menu), menu.Text(), KeysOf(menu), menu.AutoEnable()});
        const QMenu* shown = menu.Handle()->menu();
        if (!shown) {
            ADD_FAILURE() << menu.Name() << " is no menu";
            continue;
        }
        EXPECT_EQ(shown->actions().size(), qsizetype(menu.Count())) << menu.Name();
        for (std::size_t i = 0; i < menu.Count(); ++i) {
            fw::MenuItem& item = *menu.Item(i);
            EXPECT_EQ(item.Count(), 0u) << item.Name();
            if (qsizetype(i) < shown->actions().size()) {
                EXPECT_EQ(shown->actions()[qsizetype(i)], item.Handle()) << item.Name();
            }
            rows.push_back({menu.Name(), item.Name(), KindOf(item), item.Text(), KeysOf(item), item.AutoEnable()});
        }
    }
    return rows;
}

// MenuBar1 as designed, in construction order: Check for Updates ends File,
// About auto-enables.
const std::vector<Row> kMenuBar1 = {
    {"", "FileMenu", Kind::Item, "&File", kNoKey, false},
    {"FileMenu", "FileClose", Kind::Item, "Close", Cmd('W'), true},
    {"FileMenu", "FileQuit", Kind::Quit, "Quit", Cmd('Q'), true},
    {"FileMenu", "FilePSetup", Kind::Item, "Page Setup...", kNoKey, false},
    {"FileMenu", "ckupdt", Kind::Apple, "Check for Updates", kNoKey, true},
    {"", "EditMenu", Kind::Item, "&Edit", kNoKey, false},
    {"EditMenu", "EditUndo", Kind::Item, "Undo", Cmd('Z'), false},
    {"EditMenu", "UntitledMenu0", Kind::Item, "-", kNoKey, false},
    {"EditMenu", "EditCut", Kind::Item, "Cut", Cmd('X'), false},
    {"EditMenu", "EditCopy", Kind::Item, "Copy", Cmd('C'), false},
    {"EditMenu", "EditPaste", Kind::Item, "Paste", Cmd('V'), false},
    {"EditMenu", "EditClear", Kind::Item, "Clear", kNoKey, false},
    {"EditMenu", "AppleAbout", Kind::Apple, "About Cyclane Duvivarode\u2026", kNoKey, true},
    {"", "HelpMenu", Kind::Item, "Help", kNoKey, true},
    {"HelpMenu", "MyAppHelp", Kind::Item, "Cyclane Duvivarode Help", kNoKey, false},
};

// MenuBar2: Check for Updates stands in Edit between Clear and About, and
// About does not auto-enable.
const std::vector<Row> kMenuBar2 = {
    {"", "FileMenu", Kind::Item, "&File", kNoKey, false},
    {"FileMenu", "FileClose", Kind::Item, "Close", Cmd('W'), true},
    {"FileMenu", "FileQuit", Kind::Quit, "Quit", Cmd('Q'), true},
    {"FileMenu", "FilePSetup", Kind::Item, "Page Setup...", kNoKey, false},
    {"", "EditMenu", Kind::Item, "&Edit", kNoKey, false},
    {"EditMenu", "EditUndo", Kind::Item, "Undo", Cmd('Z'), false},
    {"EditMenu", "UntitledMenu0", Kind::Item, "-", kNoKey, false},
    {"EditMenu", "EditCut", Kind::Item, "Cut", Cmd('X'), false},
    {"EditMenu", "EditCopy", Kind::Item, "Copy", Cmd('C'), false},
    {"EditMenu", "EditPaste", Kind::Item, "Paste", Cmd('V'), false},
    {"EditMenu", "EditClear", Kind::Item, "Clear", kNoKey, false},
    {"EditMenu", "ckupdt", Kind::Apple, "Check for Updates", kNoKey, true},
    {"EditMenu", "AppleAbout", Kind::Apple, "About Cyclane Duvivarode\u2026", kNoKey, false},
    {"", "HelpMenu", Kind::Item, "Help", kNoKey, true},
    {"HelpMenu", "MyAppHelp", Kind::Item, "Cyclane Duvivarode Help", kNoKey, false},
};

// Each bar's fifteen menus and items, in order, with their names, classes,
// texts, shortcuts and AutoEnable; asked for again, a bar is the same bar,
// not built a second time.
TEST(MenuBars, EachBarHoldsItsFifteenRowsInOrder)
{
    struct Bar { const char* name; fw::MenuBar* (*get)(); const std::vector<Row>& expected; };
    const Bar bars[] = {
        {"MenuBar1", [] { return static_cast<fw::MenuBar*>(MenuBar1()); }, kMenuBar1},
        {"MenuBar2", [] { return static_cast<fw::MenuBar*>(MenuBar2()); }, kMenuBar2},
    };
    for (const Bar& bar : bars) {
        SCOPED_TRACE(bar.name);
        fw::MenuBar* first = bar.get();
        const std::vector<std::string> shown = Lines(Shown(*first)), expected = Lines(bar.expected);
        EXPECT_EQ(shown.size(), expected.size());
        for (std::size_t i = 0; i < shown.size() && i < expected.size(); ++i)
            EXPECT_EQ(shown[i], expected[i]) << "row " << i + 1;
        EXPECT_EQ(bar.get(), first);
        EXPECT_EQ(Shown(*bar.get()).size(), 15u);
        // A regression: the Edit menu's separator showed a "-" beside its line.
        QAction* separator = first->FindItem("UntitledMenu0")->Handle();
        EXPECT_TRUE(separator->isSeparator());
        EXPECT_TRUE(separator->text().isEmpty());
    }
    EXPECT_NE(static_cast<fw::MenuBar*>(MenuBar1()), static_cast<fw::MenuBar*>(MenuBar2()));
}

} // namespace
