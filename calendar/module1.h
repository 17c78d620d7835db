// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "calendar/logic/datetext.h"

#include <cstdint>
#include <string_view>

namespace Module1 {

// The number of days of the month of s. The calendar window's hidden
// EditField13 shows it too.
std::int32_t durames(std::string_view s);

// Shows the month of s (any day of it) in the calendar window's day grid:
// the shown month and year in the hidden mes and ano, the caption, every
// cell back to the regular look, the days numbered from the cell of the
// first's weekday, today highlighted when it lies in that month. Paints no
// cycle.
void calend(std::string_view s);

// Enables or disables the calendar window's fourteen inputs all at once, in
// the order calcular, PushButton2 to PushButton4, the four goal buttons, the
// three arrow pairs, durciclo, luteo, fechamens1. The month buttons and the
// day cells are not among them. There is no nesting, the last call decides.
// Does nothing once the application quits.
void botonesmain(bool enable);

} // namespace Module1
