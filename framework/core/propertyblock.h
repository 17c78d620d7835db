// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <algorithm>
#include <array>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <type_traits>
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

class PropertyTarget;

// Gives a stored value, already of the row's kind, to the object.
using PropertyApplier = void (*)(PropertyTarget& target, const PropertyValue& value);

struct PropertyInfo {
    std::uint16_t id;
    std::string_view name;
    PropertyKind kind;
    // None for a stored property that means nothing here: it is accepted and
    // dropped.
    PropertyApplier apply = nullptr;
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

// Each library registers the tables of its classes. Without a base the table
// is `own`; with one it is the base's rows, then `own`, then the base's last
// row (InitialParent, which every control block stores last), so the base is
// a table that ends with InitialParent. A table waits for its base, so the
// order of registration does not matter. Registering the same table again
// does nothing; another table under a known name, or a known base that ends
// otherwise, throws std::logic_error. Names are kept as views: give literals.
void RegisterPropertyTable(std::string_view className, std::string_view baseClass,
                           std::span<const PropertyInfo> own);

// Registers at static initialisation, from each library's table source
// (<folder>/propertytables.cpp), which the program, its tests and the layout
// compiler link whole:
//   const fw::PropertyTableRegistration kDateField{"DateField", "EditField", DateField::StoredProperties()};
struct PropertyTableRegistration {
    PropertyTableRegistration(std::string_view className, std::string_view baseClass,
                              std::span<const PropertyInfo> own = {})
    {
        RegisterPropertyTable(className, baseClass, own);
    }
};

namespace detail {

template <class T>
constexpr PropertyKind KindFor()
{
    if constexpr (std::is_same_v<T, bool>)
        return PropertyKind::Boolean;
    else if constexpr (std::is_integral_v<T>)
        return PropertyKind::Integer;
    else if constexpr (std::is_same_v<T, Color>)
        return PropertyKind::Color;
    else
        return PropertyKind::String;
}

template <PropertyKind K>
using StoredAs = std::variant_alternative_t<std::size_t(K), PropertyValue>;

// The class and the value type of a setter or a field.
template <class M>
struct MemberOf;
template <class C, class R, class A>
struct MemberOf<R (C::*)(A)> {
    using Class = C;
    using Value = std::remove_cvref_t<A>;
};
template <class C, class T>
struct MemberOf<T C::*> {
    using Class = C;
    using Value = T;
};

template <auto Member>
void Assign(PropertyTarget& target, const PropertyValue& value)
{
    using M = MemberOf<decltype(Member)>;
    auto& object = static_cast<typename M::Class&>(target);
    const auto& stored = std::get<StoredAs<KindFor<typename M::Value>()>>(value);
    if constexpr (std::is_member_function_pointer_v<decltype(Member)>)
        (object.*Member)(stored);
    else
        object.*Member = stored;
}

} // namespace detail

// Row lists joined in order, for a class that stores rows of a shared
// group amid its own.
template <std::size_t... N>
constexpr std::array<PropertyInfo, (N + ...)> JoinRows(const std::array<PropertyInfo, N>&... parts)
{
    std::array<PropertyInfo, (N + ...)> rows{};
    std::size_t at = 0;
    ((std::copy(parts.begin(), parts.end(), rows.begin() + at), at += N), ...);
    return rows;
}

// A row whose value goes to a setter or a field of the class, of the kind
// the member takes: fw::Row<&PushButton::SetCaption>(0x20, "Caption").
template <auto Member>
constexpr PropertyInfo Row(std::uint16_t id, std::string_view name)
{
    using Value = typename detail::MemberOf<decltype(Member)>::Value;
    return {id, name, detail::KindFor<Value>(), &detail::Assign<Member>};
}

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
// creation order), as the layout compiler tabulates them.
struct NamedBlock {
    std::string_view name;
    std::int32_t index;   // INT32_MIN when not a member of a control set
    std::string_view className;
    std::span<const std::uint8_t> block;
};

// The block of the window or control of that name among a layout's blocks
// (index: a set member's, INT32_MIN otherwise). Throws std::out_of_range when
// the layout has none.
std::span<const std::uint8_t> FindBlock(std::span<const NamedBlock> blocks, std::string_view name,
                                        std::int32_t index);

// Anything a block can be applied to: windows, controls, timers, sockets.
class PropertyTarget {
public:
    virtual ~PropertyTarget() = default;
    // Picks the table, e.g. "PushButton", "Window", "Timer".
    virtual std::string_view ClassName() const = 0;
    // Applies one property through the class's table. A name outside the
    // table or a value of another kind throws std::invalid_argument.
    void SetProperty(std::string_view name, const PropertyValue& value);
    // The window that owns the object has closed (a Timer stops then).
    virtual void OwnerClosed() {}

protected:
    // Gives a value of the row's kind to the object through the row.
    virtual void ApplyRow(const PropertyInfo& row, const PropertyValue& value);

private:
    friend void SetProperties(PropertyTarget& target, std::span<const std::uint8_t> block);
};

// Decodes the whole block first, then applies the records in stored order, so
// a malformed block changes nothing. Throws std::runtime_error naming the
// class and the fault when the class has no table or the block is malformed.
void SetProperties(PropertyTarget& target, std::span<const std::uint8_t> block);

} // namespace fw
