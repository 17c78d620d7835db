// SPDX-License-Identifier: GPL-3.0-or-later
#include "help/ayuda.h"

#include "calendar/mainwindow.h"
#include "calendar/module1.h"
#include "framework/core/text.h"
#include "resources/menubars.h"
#include "resources/textos.h"

#include <string>

namespace {

using Page = std::string (*)();

// The page of each topic row, in the order of the titles of k501.
constexpr Page HelpTopics[] = {
    Textos::kayuda00, Textos::kayuda01, Textos::kayuda02, Textos::kayuda04, Textos::kayuda05, Textos::kayuda06,
};

void GiveBackCalendar()
{
    if (windows::main* calendar = win::main())
        calendar->SetMenuBar(MenuBar1());
}

} // namespace

namespace windows {

void ayuda::Event_Open()
{
    SetTitle(Textos::k500());
    PopupMenu1->DeleteAllRows();
    for (const std::string& title : fw::Split(Textos::k501(), ","))
        PopupMenu1->AddRow(title);
    PopupMenu1->SetListIndex(0);
    HTMLField1->ClearAll();
    HTMLField1->Render(Textos::kayuda00());
}

void ayuda::PopupMenu1_Change()
{
    const std::int32_t row = PopupMenu1->ListIndex();
    if (row >= 0 && row < std::int32_t(std::size(HelpTopics)))
        HTMLField1->Render(HelpTopics[row]());
}

void ayuda::PushButton1_Action()
{
    Module1::botonesmain(true);
    GiveBackCalendar();
    Hide();
}

void ayuda::Event_Close()
{
    GiveBackCalendar();
    Module1::botonesmain(true);
}

} // namespace windows

namespace win {

windows::ayuda* ayuda()
{
    return fw::WindowInstance<windows::ayuda>();
}

} // namespace win
