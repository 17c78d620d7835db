// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "framework/core/color.h"

namespace fw {

// A property block is a run of records: a big-endian 16-bit id, then the value
// in the form of the id's kind (Boolean 1 byte, Integer 4 bytes big-endian,
// Color 3 bytes RGB, String a big-endian 32-bit byte count then UTF-8 bytes).
// The value carries no tag: the class's table gives the kind.
enum class PropertyKind { Boolean, Integer, Color, String };
using PropertyValue = std::variant<bool, std::int32_t, Color, std::string>;

struct PropertyInfo {
    std::uint16_t id;
    std::string_view name;
    PropertyKind kind;
};

// The storable properties of one class, its ancestors' included. They are
// listed in the order in which every block of the class stores them.
struct PropertyTable {
    std::string_view className;
    std::span<const PropertyInfo> properties;

    const PropertyInfo* Find(std::uint16_t id) const;
    const PropertyInfo* Find(std::string_view name) const;
};

// nullptr when the class has no table.
const PropertyTable* PropertyTableFor(std::string_view className);
// Every known table, for tools and tests; valid until the next registration.
std::span<const PropertyTable* const> AllPropertyTables();

// The framework holds the tables of its own classes; the application
// registers those of the control classes it derives from them. The new table
// is the base's, then `own`, then InitialParent, which every control block
// stores last. Registering the same table again does nothing; another table
// under a known name, or an unknown base, throws std::logic_error. Names are
// kept as views: give literals.
void RegisterControlTable(std::string_view className, std::string_view baseClass,
                          std::span<const PropertyInfo> own = {});

// Registers at static initialisation, from the application's table sources
// (<folder>/propertytables.cpp), which the program, its tests and the layout
// compiler link whole:
//   const fw::PropertyTableRegistration kDateField{"DateField", "EditField", kOwn};
struct PropertyTableRegistration {
    PropertyTableRegistration(std::string_view className, std::string_view baseClass,
                              std::span<const PropertyInfo> own = {})
    {
        RegisterControlTable(className, baseClass, own);
    }
};

PropertyKind KindOf(const PropertyValue& value);
std::string_view KindName(PropertyKind kind);

struct PropertyRecord {
    std::uint16_t id;
    PropertyValue value;
    friend bool operator==(const PropertyRecord&, const PropertyRecord&) = default;
};

// Decode never reads past the block; an unknown id, a duplicate id or a
// partial record is an error, and then records holds what came before it.
struct DecodedBlock {
    std::vector<PropertyRecord> records;
    std::optional<std::string> error;
};
DecodedBlock DecodeBlock(std::span<const std::uint8_t> block, const PropertyTable& table);

// Throws std::invalid_argument for an id the table lacks or a value of the
// wrong kind: an encoded block always decodes again.
std::vector<std::uint8_t> EncodeBlock(std::span<const PropertyRecord> records, const PropertyTable& table);

// One block of a compiled layout (the window's first, then the controls' in
// creation order), as the layout compiler tabulates them for tests and tools.
struct NamedBlock {
    std::string_view name;
    std::int32_t index;   // INT32_MIN when not a member of a control set
    std::string_view className;
    std::span<const std::uint8_t> block;
};

// Anything a block can be applied to: windows, controls, timers, sockets.
class PropertyTarget {
public:
    virtual ~PropertyTarget() = default;
    // Picks the table, e.g. "PushButton", "Window", "Timer".
    virtual std::string_view ClassName() const = 0;
    virtual void SetProperty(std::string_view name, const PropertyValue& value) = 0;
    // The window that owns the object has closed (a Timer stops then).
    virtual void OwnerClosed() {}
};

// Decodes the whole block first, then applies the records in stored order, so
// a malformed block changes nothing. Throws std::runtime_error naming the
// class and the fault when the class has no table or the block is malformed.
void ApplyBlock(PropertyTarget& target, std::span<const std::uint8_t> block);

} // namespace fw
