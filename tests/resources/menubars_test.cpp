// SPDX-License-Identifier: GPL-3.0-or-later
#include "resources/menubars.h"

#include <QAction>

#include <gtest/gtest.h>

// A bar asked for again is the same bar; both hold the items the handlers
// answer by name.
TEST(MenuBars, HoldTheItemsTheProgramAnswers)
{
    for (fw::MenuBar* bar : {static_cast<fw::MenuBar*>(MenuBar1()), static_cast<fw::MenuBar*>(MenuBar2())}) {
        for (const char* item : {"FileQuit", "FileClose", "FilePSetup", "AppleAbout", "ckupdt", "MyAppHelp"})
            EXPECT_NE(bar->FindItem(item), nullptr) << item;
        EXPECT_NE(dynamic_cast<fw::QuitMenuItem*>(bar->FindItem("FileQuit")), nullptr);
        // A regression: the Edit menu's separator showed a "-" beside its line.
        QAction* separator = bar->FindItem("UntitledMenu0")->Handle();
        EXPECT_TRUE(separator->isSeparator());
        EXPECT_TRUE(separator->text().isEmpty());
    }
    // Over the calendar window only, About enables itself.
    EXPECT_TRUE(MenuBar1()->FindItem("AppleAbout")->AutoEnable());
    EXPECT_FALSE(MenuBar2()->FindItem("AppleAbout")->AutoEnable());
    EXPECT_EQ(MenuBar1(), MenuBar1());
    EXPECT_EQ(MenuBar2(), MenuBar2());
}
