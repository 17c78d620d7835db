// SPDX-License-Identifier: GPL-3.0-or-later
#include "framework/gui/network.h"
#include "framework/gui/modules_p.h"
#include "framework/gui/network_seam.h"

#include "framework/modules/netmodule.h"

#include <utility>

namespace fw::Network {

namespace {
ConnectedHook s_hook;
} // namespace

bool IsConnected()
{
    if (s_hook)
        return s_hook();
    const net::Module* module = fw::detail::NetModule();
    // Without the module no request can be made either; the request says so.
    if (!module)
        return true;
    switch (module->reachability()) {
    case net::Reachability::Online:
        return true;
    case net::Reachability::Disconnected:
        return false;
    case net::Reachability::Unknown:
        break;
    }
    return module->interfaceUp();
}

ConnectedHook SetIsConnectedHook(ConnectedHook hook)
{
    return std::exchange(s_hook, std::move(hook));
}

} // namespace fw::Network
