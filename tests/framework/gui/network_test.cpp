// SPDX-License-Identifier: GPL-3.0-or-later
#include "framework/gui/network_seam.h"

#include <gtest/gtest.h>

#include <string>

namespace {

using fw::net::AddressScope;
using fw::net::InterfaceState;
constexpr auto kLoopback = AddressScope::Loopback;
constexpr auto kLink = AddressScope::LinkLocal;
constexpr auto kBeyond = AddressScope::Beyond;

InterfaceState Iface(bool up, bool running, bool loopback, std::vector<AddressScope> addresses)
{
    return {up, running, loopback, std::move(addresses)};
}

TEST(NetworkTest, ConnectedNeedsAnInterfaceThatReachesBeyondItsLink)
{
    const struct {
        std::string name;
        std::vector<InterfaceState> interfaces;
        bool connected;
    } rows[] = {
        {"none", {}, false},
        {"loopback only", {Iface(true, true, true, {kLoopback, kLoopback})}, false},
        {"ethernet", {Iface(true, true, false, {kBeyond})}, true},
        {"up, cable out", {Iface(true, false, false, {kBeyond})}, false},
        {"down", {Iface(false, false, false, {kBeyond})}, false},
        {"no address", {Iface(true, true, false, {})}, false},
        {"link-local only", {Iface(true, true, false, {kLink, kLink})}, false},
        {"second interface", {Iface(true, true, true, {kLoopback}), Iface(true, true, false, {kLink, kBeyond})}, true},
    };
    for (const auto& row : rows)
        EXPECT_EQ(fw::Network::HasConnection(row.interfaces), row.connected) << row.name;
}

} // namespace
