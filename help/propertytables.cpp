// SPDX-License-Identifier: GPL-3.0-or-later
// The stored properties of the help window's own controls.
#include "framework/core/propertyblock.h"

namespace {

constexpr fw::PropertyInfo kStaticURL[] = {{0x2c, "URL", fw::PropertyKind::String}};

const fw::PropertyTableRegistration kTables[] = {
    {"StaticURL", "StaticText", kStaticURL},
    {"HTMLField", "EditField"},
};

} // namespace
