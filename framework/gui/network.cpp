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

bool HasConnection(const std::vector<net::InterfaceState>& interfaces)
{
    for (const net::InterfaceState& i : interfaces)
        if (i.up && i.running && !i.loopback)
            for (const net::AddressScope scope : i.addresses)
                if (scope == net::AddressScope::Beyond)
                    return true;
    return false;
}

bool IsConnected()
{
    if (s_hook)
        return s_hook();
    // Asked of the interfaces directly: the system's network information
    // plug-ins bring GLib's GIO and a thread of their own for one answer.
    const net::Module* module = fw::detail::NetModule();
    // Without the module no request can be made either; the request says so.
    if (!module)
        return true;
    return HasConnection(module->interfaces());
}

ConnectedHook SetIsConnectedHook(ConnectedHook hook)
{
    return std::exchange(s_hook, std::move(hook));
}

} // namespace fw::Network
