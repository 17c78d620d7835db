// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace BPrefs {

// Forgets the loaded store, as a restart would.
void ResetForTesting();

} // namespace BPrefs
