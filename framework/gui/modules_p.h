// SPDX-License-Identifier: GPL-3.0-or-later
// Framework-internal: modules the framework loads on first use.
#pragma once

#include <string_view>

namespace fw::net {
struct Module;
} // namespace fw::net
namespace fw::print {
struct Module;
} // namespace fw::print

namespace fw::detail {

// Each is null when its module cannot be loaded (said once on standard
// error): the program then works on without it.
const net::Module* NetModule();
const print::Module* PrintModule();

} // namespace fw::detail
