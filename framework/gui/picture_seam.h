// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Tests watch which picture resources are asked for.

#include <functional>

namespace fw {

// Called with the id of every GetPicture, before the resource is read.
// Returns the previous hook; an empty hook watches nothing.
using GetPictureHook = std::function<void(int id)>;
GetPictureHook SetGetPictureHook(GetPictureHook hook);

} // namespace fw
