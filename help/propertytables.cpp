// SPDX-License-Identifier: GPL-3.0-or-later
// The tables of the help window's own controls. The layout compiler links
// this file but not the help windows, which it compiles: the rows here may
// use only what the classes' headers define.
#include "help/staticurl.h"

namespace help {
namespace {

constexpr fw::PropertyInfo kStaticURL[] = {fw::Row<&StaticURL::SetURL>(0x2c, "URL")};

const fw::PropertyTableRegistration kTables[] = {
    {"StaticURL", "StaticText", kStaticURL},
    {"HTMLField", "EditField"},
};

} // namespace
} // namespace help
