// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <functional>

namespace fw::Network {

// True when the machine has a network connection: what the system's network
// information says, or, when it cannot tell, whether an interface other than
// the loopback is up with an address.
bool IsConnected();

// Tests replace the answer; returns the previous hook, and an empty hook
// restores the real test.
using ConnectedHook = std::function<bool()>;
ConnectedHook SetIsConnectedHook(ConnectedHook hook);

} // namespace fw::Network
