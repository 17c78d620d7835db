// SPDX-License-Identifier: GPL-3.0-or-later
// Loads the framework's modules as a program lying here would; status 0 only
// when both load.
#include "framework/gui/modules_p.h"

#include <cstdio>

int main()
{
    const bool net = fw::detail::NetModule() != nullptr;
    const bool print = fw::detail::PrintModule() != nullptr;
    std::printf("network module %s, printing module %s\n", net ? "loaded" : "missing", print ? "loaded" : "missing");
    return net && print ? 0 : 1;
}
