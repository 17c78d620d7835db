// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Tests replace the answer of IsConnected.

#include <functional>

namespace fw::Network {

// Returns the previous hook; an empty hook restores the real test.
using ConnectedHook = std::function<bool()>;
ConnectedHook SetIsConnectedHook(ConnectedHook hook);

} // namespace fw::Network
