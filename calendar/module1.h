// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string_view>

namespace Module1 {

// The calendar window's fourteen inputs, in the order they are enabled. The
// month buttons and the day cells are not among them.
inline constexpr std::string_view kInputs[] = {
    "calcular", "PushButton2",   "PushButton3",   "PushButton4",   "rbevitar", "rbconcebir", "rbnino",
    "rbnina",   "UpDownArrows1", "UpDownArrows2", "UpDownArrows3", "durciclo", "luteo",      "fechamens1",
};

// Enables or disables the calendar window's inputs all at once; there is no
// nesting, the last call decides. Does nothing once the application quits,
// and passes over an input the window does not hold.
void botonesmain(bool enable);

} // namespace Module1
