// SPDX-License-Identifier: GPL-3.0-or-later
#include "calendar/module1.h"

#include "calendar/mainwindow.h"

namespace Module1 {

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
