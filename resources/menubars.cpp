// SPDX-License-Identifier: GPL-3.0-or-later
#include "resources/menubars.h"

namespace {

using Kind = fw::MenuRow::Kind;

// Construction order. The framework takes Cmd+ for the Control key.
constexpr fw::MenuRow kFileMenu[] = {
    {"", "FileMenu", Kind::Item, "&File", "", false},
    {"FileMenu", "FileClose", Kind::Item, "Close", "Cmd+W", true},
    {"FileMenu", "FileQuit", Kind::Quit, "Quit", "Cmd+Q", true},
    {"FileMenu", "FilePSetup", Kind::Item, "Page Setup...", "", false},
};

constexpr fw::MenuRow kCheckForUpdates[] = {
    {"FileMenu", "ckupdt", Kind::Apple, "Check for Updates", "", true},
};

constexpr fw::MenuRow kEditMenu[] = {
    {"", "EditMenu", Kind::Item, "&Edit", "", false},
    {"EditMenu", "EditUndo", Kind::Item, "Undo", "Cmd+Z", false},
    {"EditMenu", "UntitledMenu0", Kind::Item, "-", "", false},
    {"EditMenu", "EditCut", Kind::Item, "Cut", "Cmd+X", false},
    {"EditMenu", "EditCopy", Kind::Item, "Copy", "Cmd+C", false},
    {"EditMenu", "EditPaste", Kind::Item, "Paste", "Cmd+V", false},
    {"EditMenu", "EditClear", Kind::Item, "Clear", "", false},
};

constexpr fw::MenuRow kCheckForUpdatesInEdit[] = {
    {"EditMenu", "ckupdt", Kind::Apple, "Check for Updates", "", true},
};

constexpr fw::MenuRow kAbout[] = {
    {"EditMenu", "AppleAbout", Kind::Apple, "About Cyclane Duvivarode…", "", true},
};

constexpr fw::MenuRow kAboutNotAutoEnabled[] = {
    {"EditMenu", "AppleAbout", Kind::Apple, "About Cyclane Duvivarode…", "", false},
};

constexpr fw::MenuRow kHelpMenu[] = {
    {"", "HelpMenu", Kind::Item, "Help", "", true},
    {"HelpMenu", "MyAppHelp", Kind::Item, "Cyclane Duvivarode Help", "", false},
};

} // namespace

namespace menubars {

MenuBar1::MenuBar1()
{
    Build(kFileMenu);
    Build(kCheckForUpdates);
    Build(kEditMenu);
    Build(kAbout);
    Build(kHelpMenu);
}

MenuBar2::MenuBar2()
{
    Build(kFileMenu);
    Build(kEditMenu);
    Build(kCheckForUpdatesInEdit);
    Build(kAboutNotAutoEnabled);
    Build(kHelpMenu);
}

} // namespace menubars

// The bars are never destroyed: windows show them until the process ends,
// after the application object and its widgets are gone.
menubars::MenuBar1* MenuBar1()
{
    static menubars::MenuBar1* const bar = new menubars::MenuBar1;
    return bar;
}

menubars::MenuBar2* MenuBar2()
{
    static menubars::MenuBar2* const bar = new menubars::MenuBar2;
    return bar;
}
