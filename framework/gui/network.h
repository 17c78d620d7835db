// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace fw::Network {

// True when the machine has a network connection: what the system's network
// information says, or, when it cannot tell, whether an interface other than
// the loopback is up with an address.
bool IsConnected();

} // namespace fw::Network
