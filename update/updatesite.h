// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

namespace update {

// The update site's base address, scheme and server without a trailing
// slash: the build's UpdateBaseURL setting unless a test chose another.
std::string UpdateBaseURL();

} // namespace update
