// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <span>
#include <string_view>

#include "framework/core/propertyblock.h"

namespace layoutc {

// What the compiler knows of a class beyond its property table: the C++ type
// that the generated code creates, which properties are assigned by code from
// a text constant or a picture, and the events a layout may bind.
struct ClassInfo {
    std::string_view name;      // the property table's class name
    std::string_view cppType;   // empty: a layout using it needs a type line
    std::string_view header;
    bool isControl = true;      // false: a Timer or socket, no box and no parent
    std::span<const std::string_view> textBindable;
    bool pictureBindable = false;   // Backdrop
    std::span<const std::string_view> events;
    // Properties of the table that no block of the class stores.
    std::span<const std::string_view> unstored = {};

    const fw::PropertyTable& Table() const;
    bool CanBindText(std::string_view property) const;
    bool HasEvent(std::string_view event) const;
    bool Stores(std::string_view property) const;
};

const ClassInfo* FindClass(std::string_view name);

// The value stored for a property that a row leaves at its default.
fw::PropertyValue DefaultValue(std::string_view className, const fw::PropertyInfo& property);

} // namespace layoutc
