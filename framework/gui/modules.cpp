// SPDX-License-Identifier: GPL-3.0-or-later
#include "framework/gui/modules_p.h"
#include "framework/gui/modules_seam.h"

#include "framework/modules/netmodule.h"
#include "framework/modules/printmodule.h"

#include <cstdio>
#include <dlfcn.h>
#include <filesystem>
#include <optional>
#include <string>

namespace fw::detail {

namespace {

bool s_missing = false;

// Where the install puts the modules relative to the program, which the
// build tree copies: no path of the build is kept in the program, so a build
// moved or reached through a link finds them as an installed copy does.
std::optional<std::string> ModulePath(std::string_view file)
{
    std::error_code error;
    const std::filesystem::path program = std::filesystem::read_symlink("/proc/self/exe", error);
    if (error)
        return std::nullopt;
    return (program.parent_path() / CYC_MODULE_FOLDER / file).native();
}

template <class Module>
const Module* Load(std::string_view file, const char* entryName)
{
    const std::optional<std::string> path = ModulePath(file);
    if (!path) {
        std::fprintf(stderr, "cyclane-duvivarode: %.*s: the program's own folder is unknown\n", int(file.size()),
                     file.data());
        return nullptr;
    }
    void* handle = ::dlopen(path->c_str(), RTLD_NOW | RTLD_LOCAL);
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
    if (s_missing)
        return nullptr;
    static const net::Module* const module = Load<net::Module>("libcyclane-net.so", "cyclane_net_module");
    return module;
}

const print::Module* PrintModule()
{
    if (s_missing)
        return nullptr;
    static const print::Module* const module = Load<print::Module>("libcyclane-print.so", "cyclane_print_module");
    return module;
}

void SetModulesMissing(bool missing)
{
    s_missing = missing;
}

} // namespace fw::detail
