// SPDX-License-Identifier: GPL-3.0-or-later
#include "resources/menubars.h"

#include <QAction>
#include <QKeySequence>

#include <gtest/gtest.h>

#include <string>

namespace {

fw::MenuBar* Bar(int n)
{
    return n == 1 ? static_cast<fw::MenuBar*>(MenuBar1()) : static_cast<fw::MenuBar*>(MenuBar2());
}

} // namespace

// What the program relies on: the items its handlers answer are found by
// name in both bars, under the menu the user looks in, with their keys; a bar
// asked for again is the same bar.
TEST(MenuBars, HoldTheItemsTheProgramAnswers)
{
    struct Row { int bar; const char* item; const char* menu; const char* key; bool autoEnable; };
    const Row rows[] = {
        {2, "FileQuit", "FileMenu", "Ctrl+Q", true},   {2, "MyAppHelp", "HelpMenu", "", false},
        {1, "FileClose", "FileMenu", "Ctrl+W", true},  {2, "FileClose", "FileMenu", "Ctrl+W", true},
        {1, "FilePSetup", "FileMenu", "", false},      {2, "FilePSetup", "FileMenu", "", false},
        {1, "AppleAbout", "EditMenu", "", true},       {2, "AppleAbout", "EditMenu", "", false},
        {2, "ckupdt", "EditMenu", "", true},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(std::to_string(row.bar) + " " + row.item);
        EXPECT_EQ(Bar(row.bar), Bar(row.bar));
        fw::MenuItem* item = Bar(row.bar)->FindItem(row.item);
        ASSERT_NE(item, nullptr);
        EXPECT_EQ(Bar(row.bar)->Child(row.menu)->FindItem(row.item), item);
        EXPECT_EQ(item->Handle()->shortcut(), QKeySequence(QString::fromLatin1(row.key)));
        EXPECT_EQ(item->AutoEnable(), row.autoEnable);
    }
    EXPECT_NE(dynamic_cast<fw::QuitMenuItem*>(Bar(1)->FindItem("FileQuit")), nullptr);
    EXPECT_EQ(Bar(1)->FindItem("AppleAbout")->Text(), "About Cyclane Duvivarode\xE2\x80\xA6");
    // A regression: the Edit menu's separator showed a "-" beside its line.
    for (const int bar : {1, 2}) {
        QAction* separator = Bar(bar)->FindItem("UntitledMenu0")->Handle();
        EXPECT_TRUE(separator->isSeparator());
        EXPECT_TRUE(separator->text().isEmpty());
    }
}
