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

// One menu or item as the user meets it: the menu that holds it (empty for a
// menu of the bar), its name, class, text, Command key letter (0: none) and
// AutoEnable.
struct Row {
    std::string parent, name;
    Kind kind;
    std::string text;
    char key;
    bool autoEnable;
    // Shown rows: the shortcut text the item stores and the key its action
    // takes; expected rows leave both empty and give key instead.
    std::string storedKey = {}, shownKey = {};
};

// "Cmd+" and the letter as the item stores it, and the Control key that the
// action takes for it.
std::string Keys(const Row& r)
{
    if (!r.storedKey.empty() || !r.shownKey.empty() || r.key == '?')
        return "stored \"" + r.storedKey + "\" takes \"" + r.shownKey + "\"";
    if (!r.key)
        return "stored \"\" takes \"\"";
    return std::string("stored \"Cmd+") + r.key + "\" takes \"Ctrl+" + r.key + "\"";
}

std::string Line(const Row& r)
{
    static const char* const kKinds[] = {"MenuItem", "QuitMenuItem", "AppleMenuItem"};
    std::ostringstream out;
    out << (r.parent.empty() ? "bar" : r.parent) << " / " << r.name << ": " << kKinds[int(r.kind)] << " \""
        << r.text << "\" " << Keys(r) << " auto "
        << r.autoEnable;
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

// The shortcut an item stores and the one its action takes, as texts.
void ReadKeys(fw::MenuItem& item, Row& row)
{
    row.key = '?';
    row.storedKey = item.KeyboardShortcut();
    row.shownKey = item.Handle()->shortcut().toString(QKeySequence::PortableText).toStdString();
}

// The bar's menus and their items in the order the user sees them, which is
// the order they were appended in; each menu shows its items' actions in
// that order.
std::vector<Row> Shown(fw::MenuBar& bar)
{
    std::vector<Row> rows;
    for (std::size_t m = 0; m < bar.Count(); ++m) {
        fw::MenuItem& menu = *bar.Item(m);
        rows.push_back({"", menu.Name(), KindOf(menu), menu.Text(), 0, menu.AutoEnable()});
        ReadKeys(menu, rows.back());
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
            rows.push_back({menu.Name(), item.Name(), KindOf(item), item.Text(), 0, item.AutoEnable()});
            ReadKeys(item, rows.back());
        }
    }
    return rows;
}

// MenuBar1 as designed, in construction order: Check for Updates ends File,
// About auto-enables.
const std::vector<Row> kMenuBar1 = {
    {"", "FileMenu", Kind::Item, "&File", 0, false},
    {"FileMenu", "FileClose", Kind::Item, "Close", 'W', true},
    {"FileMenu", "FileQuit", Kind::Quit, "Quit", 'Q', true},
    {"FileMenu", "FilePSetup", Kind::Item, "Page Setup...", 0, false},
    {"FileMenu", "ckupdt", Kind::Apple, "Check for Updates", 0, true},
    {"", "EditMenu", Kind::Item, "&Edit", 0, false},
    {"EditMenu", "EditUndo", Kind::Item, "Undo", 'Z', false},
    {"EditMenu", "UntitledMenu0", Kind::Item, "-", 0, false},
    {"EditMenu", "EditCut", Kind::Item, "Cut", 'X', false},
    {"EditMenu", "EditCopy", Kind::Item, "Copy", 'C', false},
    {"EditMenu", "EditPaste", Kind::Item, "Paste", 'V', false},
    {"EditMenu", "EditClear", Kind::Item, "Clear", 0, false},
    {"EditMenu", "AppleAbout", Kind::Apple, "About Cyclane Duvivarode\u2026", 0, true},
    {"", "HelpMenu", Kind::Item, "Help", 0, true},
    {"HelpMenu", "MyAppHelp", Kind::Item, "Cyclane Duvivarode Help", 0, false},
};

// MenuBar2: Check for Updates stands in Edit between Clear and About, and
// About does not auto-enable.
const std::vector<Row> kMenuBar2 = {
    {"", "FileMenu", Kind::Item, "&File", 0, false},
    {"FileMenu", "FileClose", Kind::Item, "Close", 'W', true},
    {"FileMenu", "FileQuit", Kind::Quit, "Quit", 'Q', true},
    {"FileMenu", "FilePSetup", Kind::Item, "Page Setup...", 0, false},
    {"", "EditMenu", Kind::Item, "&Edit", 0, false},
    {"EditMenu", "EditUndo", Kind::Item, "Undo", 'Z', false},
    {"EditMenu", "UntitledMenu0", Kind::Item, "-", 0, false},
    {"EditMenu", "EditCut", Kind::Item, "Cut", 'X', false},
    {"EditMenu", "EditCopy", Kind::Item, "Copy", 'C', false},
    {"EditMenu", "EditPaste", Kind::Item, "Paste", 'V', false},
    {"EditMenu", "EditClear", Kind::Item, "Clear", 0, false},
    {"EditMenu", "ckupdt", Kind::Apple, "Check for Updates", 0, true},
    {"EditMenu", "AppleAbout", Kind::Apple, "About Cyclane Duvivarode\u2026", 0, false},
    {"", "HelpMenu", Kind::Item, "Help", 0, true},
    {"HelpMenu", "MyAppHelp", Kind::Item, "Cyclane Duvivarode Help", 0, false},
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
