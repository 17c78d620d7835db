// SPDX-License-Identifier: GPL-3.0-or-later
#include "prefs/window/preferences.h"

#include "resources/menubars.h"
#include "calendar/mainwindow.h"
#include "calendar/module1.h"
#include "prefs/bprefs.h"
#include "prefs/window/cyclesettings.h"

#include <string_view>

namespace windows {

namespace {

// The start-up options and their check boxes.
struct Option {
    std::string_view key;
    std::string_view box;
};
constexpr Option kOptions[] = {
    {"disclaimer", "CheckBox1"},
    {"helptip", "CheckBox2"},
    {"ckupdt", "CheckBox3"},
};

} // namespace

void preferences::Event_Open()
{
    for (const auto& [key, box] : kOptions)
        if (BPrefs::HasKey(key))
            if (const auto on = BPrefs::Value(key).AsBoolean())
                Find<fw::CheckBox>(box)->SetValue(*on);
    // Every row of the three lists first, then the three selections. The
    // rows are added without yielding: a yield here would let other handlers
    // reach the lists while they are half filled.
    for (const CycleSettings::List& list : CycleSettings::kLists)
        for (const std::string& row : CycleSettings::Rows(list))
            Find<fw::PopupMenu>(list.name)->AddRow(row);
    for (const CycleSettings::List& list : CycleSettings::kLists)
        Find<fw::PopupMenu>(list.name)->SetListIndex(list.defaultPosition);
}

void preferences::PushButton1_Action()
{
    for (const CycleSettings::List& list : CycleSettings::kLists)
        BPrefs::SetValue(list.name, Find<fw::PopupMenu>(list.name)->ListIndex());
    for (const auto& [key, box] : kOptions)
        BPrefs::SetValue(key, Find<fw::CheckBox>(box)->Value());
    Module1::botonesmain(true);
    if (windows::main* calendar = win::main())
        calendar->SetMenuBar(MenuBar1());
    Hide();
}

void preferences::CheckBox1_Action()
{
    // The calendar window's box copies its state back here; setting a box to
    // the state it holds raises nothing, so the copy stops there.
    if (windows::main* calendar = win::main())
        if (auto* box = calendar->Find<fw::CheckBox>("CheckBox1"))
            box->SetValue(CheckBox1->Value());
}

void preferences::Event_Close()
{
    // This runs only when the application quits: the calendar window is
    // not made again for it, and once it is closing it needs nothing.
    windows::main* calendar = win::main();
    if (!calendar || calendar->Closing())
        return;
    calendar->SetMenuBar(MenuBar1());
    calendar->ciclo();
    calendar->coloron();
}

} // namespace windows

namespace win {

windows::preferences* preferences()
{
    return fw::WindowInstance<windows::preferences>();
}

} // namespace win
