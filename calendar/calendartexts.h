// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

// The calendar window's messages on typed lengths Calculate cannot use,
// looked up like the other texts.
namespace Textos {

std::string k340();
std::string k341();
std::string k342();

} // namespace Textos
