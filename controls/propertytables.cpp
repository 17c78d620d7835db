// SPDX-License-Identifier: GPL-3.0-or-later
// The tables of the custom controls, from the framework classes they derive
// from and the rows each class gives.
#include "controls/cabclass.h"
#include "controls/datefield.h"
#include "controls/roundededitfieldfield.h"

namespace controls {
namespace {

const fw::PropertyTableRegistration kTables[] = {
    {"DateField", "EditField", DateField::StoredProperties()},
    {"RoundedEditFieldField", "EditField", RoundedEditFieldField::StoredProperties()},
    {"RoundedEditFieldCanvas", "Canvas"},
    {"CABClass", "Canvas", CABClass::StoredProperties()},
};

} // namespace
} // namespace controls

// Named by the build, so that every link that uses the layer takes this file.
extern "C" const int cyc_controls_tables = 0;
