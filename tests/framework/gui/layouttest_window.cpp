// SPDX-License-Identifier: GPL-3.0-or-later
#include "tests/framework/gui/layouttest_window.h"

#include "framework/gui/graphics.h"
#include "framework/gui/menubar.h"

#include <memory>

namespace layouttest_art {

fw::PicturePtr stripes()
{
    static fw::PicturePtr picture = [] {
        auto p = fw::Picture::New(320, 200);
        fw::Graphics& g = p->Graphics();
        g.SetForeColor(fw::RGB(0xEE, 0xE7, 0xD1));
        g.FillRect(0, 0, 320, 200);
        g.SetForeColor(fw::RGB(0xDC, 0x99, 0xAF));
        for (int y = 0; y < 200; y += 20)
            g.FillRect(0, y, 320, 4);
        return p;
    }();
    return picture;
}

namespace {
std::unique_ptr<fw::MenuBar> s_menuBar;
}

fw::MenuBar* TestMenuBar()
{
    static const fw::MenuRow rows[] = {
        {"", "FileMenu", fw::MenuRow::Kind::Item, "File", "", true},
        {"FileMenu", "FileQuit", fw::MenuRow::Kind::Quit, "Quit", "Q", true},
    };
    if (!s_menuBar) {
        s_menuBar = std::make_unique<fw::MenuBar>();
        s_menuBar->Build(rows);
    }
    return s_menuBar.get();
}

void DropTestMenuBar() { s_menuBar.reset(); }

} // namespace layouttest_art

namespace windows {

void layouttest::nameField_TextChange() { log.push_back("nameField_TextChange " + nameField->Text()); }

bool layouttest::nameField_KeyDown(const std::string& key)
{
    log.push_back("nameField_KeyDown " + key);
    return false;
}

void layouttest::goalBox_Open()
{
    // Open comes after every control exists, the last one included.
    goalBox->SetCaption("Goal");
    log.push_back("goalBox_Open " + std::to_string(ControlCount()) + (dotLabel ? " dotLabel" : ""));
}

void layouttest::rbOne_Action() { log.push_back("rbOne_Action"); }

void layouttest::rbTwo_Action() { log.push_back("rbTwo_Action"); }

void layouttest::okButton_Action() { log.push_back("okButton_Action"); }

void layouttest::ticker_Action()
{
    log.push_back("ticker_Action");
    ticker->SetMode(fw::Timer::kModeOff);
}

bool layouttest::dots_MouseDown(std::int32_t index, int x, int y)
{
    log.push_back("dots_MouseDown " + std::to_string(index) + " " + std::to_string(x) + "," + std::to_string(y));
    return true;
}

} // namespace windows
