// SPDX-License-Identifier: GPL-3.0-or-later
#include "framework/gui/modules_p.h"

#include "framework/modules/netmodule.h"
#include "framework/modules/printmodule.h"

#include <cstdio>
#include <dlfcn.h>
#include <filesystem>
#include <string>

namespace fw::detail {

namespace {

// The build's module for a program of the build, else the one installed
// with the program.
std::string ModulePath(std::string_view file)
{
    std::error_code error;
    const std::filesystem::path program = std::filesystem::read_symlink("/proc/self/exe", error);
    const std::string_view build = CYC_BUILD_DIR "/";
    if (error || program.native().starts_with(build))
        return CYC_BUILD_MODULE_DIR "/" + std::string(file);
    return (program.parent_path() / CYC_INSTALLED_MODULE_DIR / file).native();
}

template <class Module>
const Module* Load(std::string_view file, const char* entryName)
{
    void* handle = ::dlopen(ModulePath(file).c_str(), RTLD_NOW | RTLD_LOCAL);
    void* entry = handle ? ::dlsym(handle, entryName) : nullptr;
    if (!entry) {
        std::fprintf(stderr, "cyclane-duvivarode: %s\n", ::dlerror());
        return nullptr;
    }
    return reinterpret_cast<const Module* (*)()>(entry)();
}

} // namespace

const net::Module* NetModule()
{
    static const net::Module* const module = Load<net::Module>("libcyclane-net.so", "cyclane_net_module");
    return module;
}

const print::Module* PrintModule()
{
    static const print::Module* const module = Load<print::Module>("libcyclane-print.so", "cyclane_print_module");
    return module;
}

} // namespace fw::detail
