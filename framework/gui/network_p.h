// SPDX-License-Identifier: GPL-3.0-or-later
// Framework-internal: the network module, loaded on first use.
#pragma once

namespace fw::net {
struct Module;
} // namespace fw::net

namespace fw::detail {

// Null when the module cannot be loaded (said once on standard error): the
// program then works on without a network.
const net::Module* NetModule();

} // namespace fw::detail
