// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Tests replace the message box and the browser.

#include <functional>
#include <string>

namespace fw {

// Each returns the previous hook; an empty hook restores the real one.
using TextHook = std::function<void(const std::string&)>;
TextHook SetMsgBoxHook(TextHook hook);
TextHook SetShowURLHook(TextHook hook);

} // namespace fw
