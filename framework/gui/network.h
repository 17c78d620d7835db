// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace fw::Network {

// True when the machine has a network connection: an interface other than
// the loopback is up and running with an address beyond its own link.
bool IsConnected();

} // namespace fw::Network
