// SPDX-License-Identifier: GPL-3.0-or-later
#include "framework/gui/network.h"
#include "framework/gui/network_p.h"
#include "framework/gui/network_seam.h"

#include "framework/net/netmodule.h"

#include <cstdio>
#include <dlfcn.h>
#include <filesystem>
#include <string>
#include <utility>

namespace fw {

namespace detail {

namespace {

// The build's module for a program of the build, else the one installed
// with the program.
std::string ModulePath()
{
    constexpr std::string_view name = "/libcyclane-net.so";
    std::error_code error;
    const std::filesystem::path program = std::filesystem::read_symlink("/proc/self/exe", error);
    const std::string_view build = CYC_BUILD_DIR "/";
    if (error || program.native().starts_with(build))
        return CYC_BUILD_MODULE_DIR + std::string(name);
    return (program.parent_path() / CYC_INSTALLED_MODULE_DIR).native() + std::string(name);
}

} // namespace

const net::Module* NetModule()
{
    static const net::Module* const module = []() -> const net::Module* {
        void* handle = ::dlopen(ModulePath().c_str(), RTLD_NOW | RTLD_LOCAL);
        if (!handle) {
            std::fprintf(stderr, "cyclane-duvivarode: no network: %s\n", ::dlerror());
            return nullptr;
        }
        using Entry = const net::Module* (*)();
        const auto entry = reinterpret_cast<Entry>(::dlsym(handle, "cyclane_net_module"));
        if (!entry) {
            std::fprintf(stderr, "cyclane-duvivarode: no network: %s\n", ::dlerror());
            return nullptr;
        }
        return entry();
    }();
    return module;
}

} // namespace detail

namespace Network {

namespace {
ConnectedHook s_hook;
} // namespace

bool IsConnected()
{
    if (s_hook)
        return s_hook();
    const net::Module* module = detail::NetModule();
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

} // namespace Network

} // namespace fw
