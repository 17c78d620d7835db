// SPDX-License-Identifier: GPL-3.0-or-later
// The enabling pass over the program's own two bars, with the program's own
// windows in front and its own handlers bound.
#include "support/shell_fixture.h"

#include "framework/gui/network_seam.h"
#include "help/aquaaboutbox.h"
#include "help/ayuda.h"
#include "update/ckwin.h"

#include <QApplication>
#include <QClipboard>
#include <QMenu>

#include <map>

namespace {

using namespace shelltest;

// The items the pass decides, by name: About, Page Setup, Help and Quit are
// served by the application, Close and Check for Updates enable themselves;
// nobody serves Undo, Cut, Copy, Paste and Clear while no text field has the
// focus.
const std::map<std::string, bool> kEnabled = {
    {"FileClose", true},  {"FileQuit", true},  {"FilePSetup", true}, {"ckupdt", true},
    {"EditUndo", false},  {"EditCut", false},  {"EditCopy", false},  {"EditPaste", false},
    {"EditClear", false}, {"AppleAbout", true}, {"MyAppHelp", true},
};

std::map<std::string, bool> EnabledItems(fw::MenuBar& bar)
{
    std::map<std::string, bool> enabled;
    for (std::size_t m = 0; m < bar.Count(); ++m)
        for (std::size_t i = 0; i < bar.Item(m)->Count(); ++i)
            if (fw::MenuItem* item = bar.Item(m)->Item(i); !item->IsSeparator())
                enabled[item->Name()] = item->Handle()->isEnabled();
    return enabled;
}

TEST_F(ShellTest, EnablingPassOverEitherBarWhateverWindowIsInFront)
{
    const auto previous = fw::Network::SetIsConnectedHook([] { return false; });
    StoreFile({{"ckupdt", false}});
    Start();
    QGuiApplication::clipboard()->clear();
    const std::pair<const char*, std::function<fw::Window*()>> fronts[] = {
        {"splash", [] { return win::splashreg(); }},
        {"calendar window", [] { return win::main(); }},
        {"preferences", [] { return win::preferences(); }},
        {"help", [] { return win::ayuda(); }},
        {"update", [] { return win::ckwin(); }},
        {"About", [] { return win::AquaAboutBox(); }},
    };
    for (const auto& [name, get] : fronts) {
        fw::Window* front = get();
        ASSERT_NE(front, nullptr) << name;
        front->Show();
        QApplication::setActiveWindow(front->Handle());
        ASSERT_EQ(fw::FrontWindow(), front) << name;
        if (QWidget* focus = QApplication::focusWidget())
            focus->clearFocus();
        for (fw::MenuBar* bar : {static_cast<fw::MenuBar*>(MenuBar1()), static_cast<fw::MenuBar*>(MenuBar2())}) {
            SCOPED_TRACE(std::string(name) + (bar == MenuBar1() ? ", MenuBar1" : ", MenuBar2"));
            // Each item the other way first, so that only the pass can put it right.
            for (const auto& [item, on] : kEnabled)
                bar->FindItem(item)->SetEnabled(!on);
            // The user opens the Edit menu.
            emit bar->Child("EditMenu")->Handle()->menu()->aboutToShow();
            EXPECT_EQ(EnabledItems(*bar), kEnabled);
        }
    }
    fw::Network::SetIsConnectedHook(previous);
}

} // namespace
