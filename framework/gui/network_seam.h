// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Tests replace the answer of IsConnected, and check how interfaces decide it.

#include "framework/modules/netmodule.h"

#include <functional>
#include <vector>

namespace fw::Network {

// Returns the previous hook; an empty hook restores the real test.
using ConnectedHook = std::function<bool()>;
ConnectedHook SetIsConnectedHook(ConnectedHook hook);

// Connected when an interface other than the loopback is up and running with
// an address that reaches beyond its own link.
bool HasConnection(const std::vector<net::InterfaceState>& interfaces);

} // namespace fw::Network
