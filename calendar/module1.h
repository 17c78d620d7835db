// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace Module1 {

// Enables or disables the calendar window's fourteen inputs all at once, in
// the order calcular, PushButton2 to PushButton4, the four goal buttons, the
// three arrow pairs, durciclo, luteo, fechamens1. The month buttons and the
// day cells are not among them. There is no nesting, the last call decides.
// Does nothing once the application quits.
void botonesmain(bool enable);

} // namespace Module1
