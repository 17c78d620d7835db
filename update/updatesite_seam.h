// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

namespace update {

// Points the update checks at another site (a local server).
void SetUpdateBaseURL(std::string url);

} // namespace update
