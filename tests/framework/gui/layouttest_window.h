// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "framework/gui/picture.h"
#include "framework/gui/window.h"
#include "tests/framework/gui/layouttest.layout.h"

#include <string>
#include <vector>

namespace fw {
class MenuBar;
}

// The picture and the menu bar that the test layout binds by name.
namespace layouttest_art {
fw::PicturePtr stripes();
fw::MenuBar* TestMenuBar();
// Destroys the menu bar while Qt is still up; the next call makes a new one.
void DropTestMenuBar();
} // namespace layouttest_art

namespace windows {

// A window laid out by the layout compiler; its handlers log what they get.
class layouttest : public fw::Window, public layouts::layouttest {
public:
    std::vector<std::string> log;

protected:
    void Layout() override;
    void CreateControls() override;

private:
    void nameField_TextChange();
    bool nameField_KeyDown(const std::string& key);
    void goalBox_Open();
    void rbOne_Action();
    void rbTwo_Action();
    void okButton_Action();
    void ticker_Action();
    bool dots_MouseDown(std::int32_t index, int x, int y);
};

} // namespace windows
