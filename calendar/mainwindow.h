// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "calendar/main.layout.h"
#include "framework/gui/window.h"

#include <array>
#include <memory>
#include <string>

namespace fw {
class EditField;
struct DragItem;
}
namespace calendar {
enum class LengthsProblem;
class DayGrid;
struct MonthGrid;
struct Painting;
}

namespace windows {

// The calendar window, the application's working window. Closing it stores
// its inputs and quits; the preferences are written once, at the end.
class main : public fw::Window, public layouts::main {
    // The layout's builders bind the controls' events to the handlers, and
    // so does a std member made at run time.
    friend struct layouts::main;
    friend class controlsets::std;

public:
    main();
    ~main() override;

    // Rebuilds the cycle table and the ovulation reference from the settings;
    // leaves them as they were, and says why, when the typed lengths cannot
    // be used.
    calendar::LengthsProblem ciclo();
    // Paints the shown month from the cycle table for the selected goal.
    void coloron();
    // The day cells and the controls the grid fill and the painting use.
    calendar::DayGrid& Grid();
    // The inputs that the window holds, and its disclaimer box, go into the
    // preferences store (in memory).
    void StoreInputs();

protected:
    void Layout() override;
    void CreateControls() override;
    // Quit and Check for Updates, served while the window is in front.
    void AddMenuHandlers() override;
    void Event_Open() override;
    void Event_Close() override;

    // The controls' handlers, bound by the layout as each control is built.
    // A set member's handler gets the member's index first.
    void Rectangle3_MouseEnter();
    void Rectangle3_MouseExit();
    void calcular_Action();
    void PushButton2_Action();
    void PushButton3_Action();
    bool fechamens1_DragOver(int x, int y, fw::DragItem& item, int action);
    void fechamens1_DragExit(fw::DragItem& item, int action);
    void UpDownArrows1_Down();
    void UpDownArrows1_Up();
    bool std_MouseDown(int index, int x, int y);
    void PushButton4_Action();
    void UpDownArrows2_Down();
    void UpDownArrows2_Up();
    void UpDownArrows3_Down();
    void UpDownArrows3_Up();
    void rcanvas1_Open();
    bool durciclo_KeyDown(const std::string& key);
    void rcanvas2_Open();
    bool luteo_KeyDown(const std::string& key);
    void PushButton5_Action();
    void CheckBox1_Action();
    void mesanterior_Open();
    void mesanterior_MouseDown(int x, int y);
    void mesanterior3_Open();
    void mesanterior3_MouseDown(int x, int y);
    void mesproximo_Open();
    void mesproximo_MouseDown(int x, int y);
    void PushButton6_Action();
    void PushButton7_Action();
    void Timer1_Action();

private:
    bool FileQuit_Action();
    bool ckupdt_Action();
    // Shows the month delta months from the shown one and repaints it.
    void PageBy(int delta);
    // The painting of a month grid from the table, the start and the goal
    // as the window holds them.
    calendar::Painting Paint(const calendar::MonthGrid& grid);
    // One arrow click on a number field whose arrows hold it within lo..hi.
    static void Step(fw::EditField* field, bool up, int lo, int hi);
    // The quick-start panel's controls, in the order they are shown and hidden.
    std::array<fw::Control*, 9> QuickStartPanel() const;

    std::unique_ptr<calendar::DayGrid> m_grid;
};

// Every way out runs this: the calendar window's inputs, while it is open,
// go into the store, which is then written to the file, and the user is told
// what they must know: a file that did not load whole, kept aside, or a save
// that failed, which ends the process as a failure. Once a quit has failed,
// it saves and says nothing more, so each way out tells the user once.
void SaveInputs();

} // namespace windows

namespace win {
// The calendar window, created hidden on first use; nullptr once the
// application quits.
windows::main* main();
} // namespace win
