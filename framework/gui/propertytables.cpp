// SPDX-License-Identifier: GPL-3.0-or-later
// The tables of the framework's classes, each from the rows its class gives.
#include "framework/gui/canvas.h"
#include "framework/gui/checkbox.h"
#include "framework/gui/editfield.h"
#include "framework/gui/groupbox.h"
#include "framework/gui/httpsocket.h"
#include "framework/gui/listbox.h"
#include "framework/gui/popupmenu.h"
#include "framework/gui/progressbar.h"
#include "framework/gui/pushbutton.h"
#include "framework/gui/radiobutton.h"
#include "framework/gui/shapes.h"
#include "framework/gui/statictext.h"
#include "framework/gui/timer.h"
#include "framework/gui/updownarrows.h"
#include "framework/gui/window.h"

namespace fw {
namespace {

const PropertyTableRegistration kTables[] = {
    {"Window", "", Window::StoredProperties()},
    {"Control", "", Control::StoredProperties()},
    {"StaticText", "Control", StaticText::StoredProperties()},
    {"EditField", "Control", EditField::StoredProperties()},
    {"PushButton", "Control", PushButton::StoredProperties()},
    {"CheckBox", "Control", CheckBox::StoredProperties()},
    {"RadioButton", "Control", RadioButton::StoredProperties()},
    {"GroupBox", "Control", GroupBox::StoredProperties()},
    {"Listbox", "Control", ListBox::StoredProperties()},
    {"PopupMenu", "Control", PopupMenu::StoredProperties()},
    {"Canvas", "Control", Canvas::StoredProperties()},
    {"Shape", "Control", Shape::StoredProperties()},
    {"Rectangle", "Shape", Rectangle::StoredProperties()},
    {"RoundRectangle", "Shape", RoundRectangle::StoredProperties()},
    {"Oval", "Shape", Oval::StoredProperties()},
    {"Line", "", Line::StoredProperties()},
    {"UpDownArrows", "Control", UpDownArrows::StoredProperties()},
    {"ProgressBar", "Control", ProgressBar::StoredProperties()},
    {"ChasingArrows", "Control"},
    {"Timer", "", Timer::StoredProperties()},
    {"HTTPSocket", "", HTTPSocket::StoredProperties()},
};

} // namespace
} // namespace fw

// Named by the build, so that every link that uses the layer takes this file.
extern "C" const int cyc_fw_gui_tables = 0;
