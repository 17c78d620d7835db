// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Tests stand for an install whose modules cannot be loaded.

namespace fw::detail {

// While set, every module counts as one that could not be loaded.
void SetModulesMissing(bool missing);

} // namespace fw::detail
