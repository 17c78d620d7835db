// SPDX-License-Identifier: GPL-3.0-or-later
// The tables of the help window's own controls, from the framework classes
// they derive from and the rows each class gives.
#include "help/controls/staticurl.h"

namespace help {
namespace {

const fw::PropertyTableRegistration kTables[] = {
    {"StaticURL", "StaticText", StaticURL::StoredProperties()},
    {"HTMLField", "EditField"},
};

} // namespace
} // namespace help

// Named by the build, so that every link that uses the layer takes this file.
extern "C" const int cyc_help_controls_tables = 0;
