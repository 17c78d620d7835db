// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <chrono>
#include <string_view>

namespace Module1 {

// Enables or disables the calendar window's fourteen inputs all at once, in
// the order calcular, PushButton2 to PushButton4, the four goal buttons, the
// three arrow pairs, durciclo, luteo, fechamens1. The month buttons and the
// day cells are not among them. There is no nesting, the last call decides.
// Does nothing once the application quits.
void botonesmain(bool enable);

// Shows a month in the calendar window's day grid: caption, the hidden month
// and year, every cell back to the regular look, the days numbered, today
// highlighted. Neither computes nor paints the cycle. Does nothing once the
// application quits.
void calend(std::chrono::year_month month);
// The month of the day that a date text names.
void calend(std::string_view dateText);

} // namespace Module1
