// SPDX-License-Identifier: GPL-3.0-or-later
#include "classinfo.h"

#include <algorithm>
#include <limits>

namespace layoutc {

namespace {

using Names = std::span<const std::string_view>;

constexpr std::string_view kHelpTag[] = {"HelpTag"};
constexpr std::string_view kCaption[] = {"Caption", "HelpTag"};
constexpr std::string_view kText[] = {"Text", "HelpTag"};
constexpr std::string_view kRows[] = {"InitialValue", "HelpTag"};
constexpr std::string_view kTitle[] = {"Title"};
// The date field's table knows how its date is displayed, which its blocks
// leave at the default.
constexpr std::string_view kDateDisplay[] = {"DisplayingMonthName", "DisplayingDayName"};

#define CONTROL_EVENTS                                                                                      \
    "Open", "Close", "MouseDown", "MouseUp", "MouseDrag", "MouseMove", "MouseEnter", "MouseExit", "GotFocus", \
        "LostFocus", "DragOver", "DragExit"
#define EDIT_EVENTS CONTROL_EVENTS, "KeyDown", "TextChange", "SelChange", "ValidationError"
constexpr std::string_view kControlEvents[] = {CONTROL_EVENTS};
// The link handles its mouse itself and passes on only its Open.
constexpr std::string_view kOpenEvent[] = {"Open"};
constexpr std::string_view kActionEvents[] = {CONTROL_EVENTS, "Action"};
constexpr std::string_view kEditEvents[] = {EDIT_EVENTS};
// The date field and the rounded frame handle the rest themselves.
constexpr std::string_view kDateEvents[] = {"Open", "Close", "MouseDrag", "DragOver", "DragExit", "DateChanged"};
constexpr std::string_view kHTMLEvents[] = {EDIT_EVENTS, "GotTitle", "LinkClicked"};
constexpr std::string_view kChangeEvents[] = {CONTROL_EVENTS, "Change"};
constexpr std::string_view kCanvasEvents[] = {CONTROL_EVENTS, "Paint", "DropObject"};
constexpr std::string_view kFrameEvents[] = {"Open", "Close", "GotFocus", "LostFocus", "DragOver", "DragExit"};
constexpr std::string_view kArrowEvents[] = {CONTROL_EVENTS, "Up", "Down"};
constexpr std::string_view kTimerEvents[] = {"Action"};
constexpr std::string_view kSocketEvents[] = {"ReceiveProgress", "DownloadComplete", "PageReceived", "Error"};
#undef EDIT_EVENTS
#undef CONTROL_EVENTS

const ClassInfo kClasses[] = {
    {"Window", "", "", false, kTitle, true, {}},
    {"StaticText", "fw::StaticText", "framework/gui/statictext.h", true, kText, false, kControlEvents},
    {"StaticURL", "", "", true, kText, false, kOpenEvent},
    {"EditField", "fw::EditField", "framework/gui/editfield.h", true, kText, false, kEditEvents},
    {"DateField", "", "", true, kText, false, kDateEvents, kDateDisplay},
    {"RoundedEditFieldField", "", "", true, kText, false, kEditEvents},
    {"HTMLField", "", "", true, kText, false, kHTMLEvents},
    {"PushButton", "fw::PushButton", "framework/gui/pushbutton.h", true, kCaption, false, kActionEvents},
    {"CheckBox", "fw::CheckBox", "framework/gui/checkbox.h", true, kCaption, false, kActionEvents},
    {"RadioButton", "fw::RadioButton", "framework/gui/radiobutton.h", true, kCaption, false, kActionEvents},
    {"GroupBox", "fw::GroupBox", "framework/gui/groupbox.h", true, kCaption, false, kControlEvents},
    {"Listbox", "fw::ListBox", "framework/gui/listbox.h", true, kHelpTag, false, kChangeEvents},
    {"PopupMenu", "fw::PopupMenu", "framework/gui/popupmenu.h", true, kRows, false, kChangeEvents},
    {"Canvas", "fw::Canvas", "framework/gui/canvas.h", true, kHelpTag, true, kCanvasEvents},
    {"RoundedEditFieldCanvas", "", "", true, kHelpTag, true, kFrameEvents},
    {"CABClass", "", "", true, kHelpTag, true, kCanvasEvents},
    {"Rectangle", "fw::Rectangle", "framework/gui/shapes.h", true, kHelpTag, false, kControlEvents},
    {"RoundRectangle", "fw::RoundRectangle", "framework/gui/shapes.h", true, kHelpTag, false,
     kControlEvents},
    {"Oval", "fw::Oval", "framework/gui/shapes.h", true, kHelpTag, false, kControlEvents},
    {"Line", "fw::Line", "framework/gui/shapes.h", true, {}, false, kControlEvents},
    {"UpDownArrows", "fw::UpDownArrows", "framework/gui/updownarrows.h", true, kHelpTag, false, kArrowEvents},
    {"ProgressBar", "fw::ProgressBar", "framework/gui/progressbar.h", true, kHelpTag, false, kControlEvents},
    {"ChasingArrows", "fw::ChasingArrows", "framework/gui/chasingarrows.h", true, kHelpTag, false,
     kControlEvents},
    {"Timer", "fw::Timer", "framework/gui/timer.h", false, {}, false, kTimerEvents},
    {"HTTPSocket", "fw::HTTPSocket", "framework/gui/httpsocket.h", false, {}, false, kSocketEvents},
};

bool Contains(Names names, std::string_view name)
{
    return std::find(names.begin(), names.end(), name) != names.end();
}

} // namespace

const fw::PropertyTable& ClassInfo::Table() const
{
    return *fw::PropertyTableFor(name);
}

bool ClassInfo::CanBindText(std::string_view property) const
{
    return Contains(textBindable, property);
}

bool ClassInfo::HasEvent(std::string_view event) const
{
    return Contains(events, event);
}

bool ClassInfo::Stores(std::string_view property) const
{
    return !Contains(unstored, property);
}

const ClassInfo* FindClass(std::string_view name)
{
    for (const ClassInfo& c : kClasses)
        if (c.name == name)
            return &c;
    return nullptr;
}

fw::PropertyValue DefaultValue(std::string_view className, const fw::PropertyInfo& property)
{
    const std::string_view n = property.name;
    const bool window = className == "Window";
    switch (property.kind) {
    case fw::PropertyKind::Boolean: {
        constexpr std::string_view kTrue[] = {"Visible",         "Enabled",        "AutoDeactivate",
                                              "Border",          "UseFocusRing",   "EraseBackground",
                                              "ScrollBarVertical", "CloseButton",  "MinimizeButton",
                                              "MenuBarVisible"};
        return Contains(kTrue, n);
    }
    case fw::PropertyKind::Integer:
        if (n == "Index")
            return std::numeric_limits<std::int32_t>::min();
        if (className == "Timer" && n == "Mode")
            return std::int32_t{2};
        if (className == "Timer" && n == "Period")
            return std::int32_t{1000};
        if (window && (n == "MinWidth" || n == "MinHeight"))
            return std::int32_t{64};
        if (window && (n == "MaxWidth" || n == "MaxHeight"))
            return std::int32_t{32000};
        if (n == "BorderWidth" || n == "ColumnCount")
            return std::int32_t{1};
        if (n == "HeadingIndex" || n == "DefaultRowHeight")
            return std::int32_t{-1};
        if (n == "Maximum")
            return std::int32_t{100};
        return std::int32_t{0};
    case fw::PropertyKind::Color:
        if (n == "BackColor" || n == "FillColor")
            return fw::Color{0xff, 0xff, 0xff};
        return fw::Color{};
    case fw::PropertyKind::String:
        if (n == "TextFont")
            return std::string("System");
        return std::string();
    }
    return std::string();
}

} // namespace layoutc
