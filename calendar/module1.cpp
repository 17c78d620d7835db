// SPDX-License-Identifier: GPL-3.0-or-later
#include "calendar/module1.h"

#include "calendar/mainwindow.h"

namespace Module1 {

void botonesmain(bool enable)
{
    windows::main* window = win::main();
    if (!window)
        return;
    for (std::string_view name : kInputs)
        if (fw::Control* input = window->FindControl(name))
            input->SetEnabled(enable);
}

} // namespace Module1
