// SPDX-License-Identifier: GPL-3.0-or-later
#include "calendar/module1.h"

#include "calendar/daygrid.h"
#include "calendar/mainwindow.h"
#include "framework/core/text.h"

namespace Module1 {

std::int32_t durames(std::string_view s)
{
    const std::string f = MonthLengthField(s);
    if (windows::main* w = win::main())
        w->EditField13->SetText(f);
    return fw::ToInt32(fw::Val(f));
}

void calend(std::string_view s)
{
    windows::main* w = win::main();
    if (!w)
        return;
    calendar::DayGrid& grid = w->Grid();
    const fw::Date shown = Str2date(s);
    w->mes->SetText(fw::Str(shown.Month()));
    w->ano->SetText(fw::Str(shown.Year()));
    w->boxcal->SetCaption(mes(s) + " " + year(s));
    const std::int32_t p = primero(s);
    w->RoundRectangle1->SetFillColor(w->ovalo(0)->FillColor());
    // Numbers and today's cell are decided first and each cell is set once;
    // nothing here waits for the event loop, where a click would find the
    // grid half reset.
    calendar::MonthGrid days = calendar::NumberDays(p, durames(s));
    const fw::Date now;
    if (grid.ShowsMonthOf(now))
        days.todayCell = p + now.Day() - 2;
    grid.Refill(days);
}

void botonesmain(bool enable)
{
    windows::main* w = win::main();
    if (!w)
        return;
    fw::Control* const inputs[] = {
        w->calcular,      w->PushButton2,   w->PushButton3,   w->PushButton4, w->rbevitar,
        w->rbconcebir,    w->rbnino,        w->rbnina,        w->UpDownArrows1, w->UpDownArrows2,
        w->UpDownArrows3, w->durciclo,      w->luteo,         w->fechamens1,
    };
    for (fw::Control* input : inputs)
        input->SetEnabled(enable);
}

} // namespace Module1
