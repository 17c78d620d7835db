// SPDX-License-Identifier: GPL-3.0-or-later
#include "framework/core/propertyblock.h"

#include <algorithm>
#include <deque>
#include <stdexcept>

namespace fw {

namespace {

// A registration as given, and the table it gives once its base is known.
struct Registration {
    std::string_view className;
    std::string_view baseClass;
    std::vector<PropertyInfo> own;
    std::vector<PropertyInfo> rows;
    bool published = false;
};

// Deques, so that a registration keeps every table handed out in place.
struct TableStore {
    std::deque<Registration> registrations;
    std::deque<PropertyTable> tables;
    std::vector<const PropertyTable*> pointers;
    // Registrations seen by the last Resolve: one left unpublished then
    // waits for a new registration.
    std::size_t resolved = 0;

    const PropertyTable* Published(std::string_view name) const
    {
        for (const PropertyTable& t : tables)
            if (t.className == name)
                return &t;
        return nullptr;
    }

    // Publishes every registration whose base is known, in the order given.
    void Resolve()
    {
        if (resolved == registrations.size())
            return;
        resolved = registrations.size();
        for (bool progress = true; progress;) {
            progress = false;
            for (Registration& r : registrations) {
                if (r.published)
                    continue;
                if (r.baseClass.empty()) {
                    r.rows = r.own;
                } else {
                    const PropertyTable* base = Published(r.baseClass);
                    if (!base || !Derivable(*base))
                        continue;
                    r.rows.assign(base->properties.begin(), base->properties.end() - 1);
                    r.rows.insert(r.rows.end(), r.own.begin(), r.own.end());
                    r.rows.push_back(base->properties.back());
                }
                r.published = true;
                tables.push_back({r.className, r.rows});
                pointers.push_back(&tables.back());
                progress = true;
            }
        }
    }

    static bool Derivable(const PropertyTable& base)
    {
        return !base.properties.empty() && base.properties.back().name == "InitialParent";
    }
};

TableStore& Store()
{
    static TableStore store;
    return store;
}

bool SameRows(std::span<const PropertyInfo> a, std::span<const PropertyInfo> b)
{
    return std::equal(a.begin(), a.end(), b.begin(), b.end(), [](const PropertyInfo& x, const PropertyInfo& y) {
        return x.id == y.id && x.name == y.name && x.kind == y.kind && x.apply == y.apply;
    });
}

std::size_t ValueSize(PropertyKind kind)
{
    switch (kind) {
    case PropertyKind::Boolean:
        return 1;
    case PropertyKind::Color:
        return 3;
    case PropertyKind::Integer:
    case PropertyKind::String:
        return 4;
    }
    return 0;
}

std::uint32_t ReadU32(std::span<const std::uint8_t> b, std::size_t p)
{
    return (std::uint32_t(b[p]) << 24) | (std::uint32_t(b[p + 1]) << 16) | (std::uint32_t(b[p + 2]) << 8) |
           std::uint32_t(b[p + 3]);
}

void PutU32(std::vector<std::uint8_t>& out, std::uint32_t v)
{
    out.push_back(std::uint8_t(v >> 24));
    out.push_back(std::uint8_t(v >> 16));
    out.push_back(std::uint8_t(v >> 8));
    out.push_back(std::uint8_t(v));
}

std::string Hex(unsigned v, int digits)
{
    static constexpr char kDigits[] = "0123456789ABCDEF";
    std::string s(std::size_t(digits), '0');
    for (int i = digits - 1; i >= 0; --i, v >>= 4)
        s[std::size_t(i)] = kDigits[v & 0xf];
    return s;
}

} // namespace

const PropertyInfo* PropertyTable::Find(std::uint16_t id) const
{
    for (const PropertyInfo& p : properties)
        if (p.id == id)
            return &p;
    return nullptr;
}

const PropertyInfo* PropertyTable::Find(std::string_view name) const
{
    for (const PropertyInfo& p : properties)
        if (p.name == name)
            return &p;
    return nullptr;
}

const PropertyTable* PropertyTableFor(std::string_view className)
{
    TableStore& store = Store();
    store.Resolve();
    return store.Published(className);
}

std::span<const PropertyTable* const> AllPropertyTables()
{
    TableStore& store = Store();
    store.Resolve();
    return store.pointers;
}

void RegisterPropertyTable(std::string_view className, std::string_view baseClass, std::span<const PropertyInfo> own)
{
    TableStore& store = Store();
    for (const Registration& r : store.registrations) {
        if (r.className != className)
            continue;
        if (r.baseClass == baseClass && SameRows(r.own, own))
            return;
        throw std::logic_error("another property table for " + std::string(className));
    }
    store.Resolve();
    if (const PropertyTable* base = baseClass.empty() ? nullptr : store.Published(baseClass);
        base && !TableStore::Derivable(*base))
        throw std::logic_error("no control class " + std::string(baseClass) + " to derive " + std::string(className));
    store.registrations.push_back({className, baseClass, {own.begin(), own.end()}, {}});
    store.Resolve();
}

void PropertyTarget::ApplyRow(const PropertyInfo& row, const PropertyValue& value)
{
    if (row.apply)
        row.apply(*this, value);
}

void PropertyTarget::SetProperty(std::string_view name, const PropertyValue& value)
{
    const std::string_view className = ClassName();
    const PropertyTable* table = PropertyTableFor(className);
    const PropertyInfo* info = table ? table->Find(name) : nullptr;
    if (!info)
        throw std::invalid_argument(std::string(className) + " has no property " + std::string(name));
    if (KindOf(value) != info->kind)
        throw std::invalid_argument(std::string(className) + "." + std::string(name) + " takes a " +
                                    std::string(KindName(info->kind)) + ", not a " +
                                    std::string(KindName(KindOf(value))));
    ApplyRow(*info, value);
}

PropertyKind KindOf(const PropertyValue& value)
{
    switch (value.index()) {
    case 0:
        return PropertyKind::Boolean;
    case 1:
        return PropertyKind::Integer;
    case 2:
        return PropertyKind::Color;
    default:
        return PropertyKind::String;
    }
}

std::string_view KindName(PropertyKind kind)
{
    switch (kind) {
    case PropertyKind::Boolean:
        return "Boolean";
    case PropertyKind::Integer:
        return "Integer";
    case PropertyKind::Color:
        return "Color";
    case PropertyKind::String:
        return "String";
    }
    return "?";
}

DecodedBlock DecodeBlock(std::span<const std::uint8_t> block, const PropertyTable& table)
{
    DecodedBlock result;
    // A property comes once at most.
    result.records.reserve(table.properties.size());
    std::vector<bool> seen(table.properties.size(), false);
    std::size_t p = 0;
    const std::size_t end = block.size();
    auto fail = [&](std::string message) {
        result.error = "offset " + std::to_string(p) + ": " + std::move(message);
        return result;
    };
    while (p < end) {
        if (end - p < 2)
            return fail("partial record: no room for the property id");
        const auto id = std::uint16_t((block[p] << 8) | block[p + 1]);
        const PropertyInfo* info = table.Find(id);
        if (!info)
            return fail("unknown property id 0x" + Hex(id, 4) + " for " + std::string(table.className));
        const auto slot = std::size_t(info - table.properties.data());
        if (seen[slot])
            return fail("duplicate property " + std::string(info->name));
        seen[slot] = true;
        const std::size_t at = p + 2;
        const std::size_t room = end - at;
        if (room < ValueSize(info->kind))
            return fail("partial record: " + std::string(info->name) + " needs " +
                        std::to_string(ValueSize(info->kind)) + " bytes, " + std::to_string(room) + " left");
        PropertyValue value;
        std::size_t next = at + ValueSize(info->kind);
        switch (info->kind) {
        case PropertyKind::Boolean:
            if (block[at] > 1)
                return fail("Boolean " + std::string(info->name) + " holds " + std::to_string(block[at]));
            value = block[at] == 1;
            break;
        case PropertyKind::Integer:
            value = std::int32_t(ReadU32(block, at));
            break;
        case PropertyKind::Color:
            value = Color{block[at], block[at + 1], block[at + 2]};
            break;
        case PropertyKind::String: {
            const std::uint32_t n = ReadU32(block, at);
            if (n > room - 4)
                return fail("partial record: " + std::string(info->name) + " claims " + std::to_string(n) +
                            " bytes, " + std::to_string(room - 4) + " left");
            const auto text = block.subspan(at + 4, n);
            value = std::string(text.begin(), text.end());
            next += n;
            break;
        }
        }
        result.records.push_back({id, std::move(value)});
        p = next;
    }
    return result;
}

std::vector<std::uint8_t> EncodeBlock(std::span<const PropertyRecord> records, const PropertyTable& table)
{
    std::vector<std::uint8_t> out;
    std::vector<bool> seen(table.properties.size(), false);
    for (const PropertyRecord& r : records) {
        const PropertyInfo* info = table.Find(r.id);
        if (!info)
            throw std::invalid_argument("no property id 0x" + Hex(r.id, 4) + " in " + std::string(table.className));
        if (KindOf(r.value) != info->kind)
            throw std::invalid_argument(std::string(table.className) + "." + std::string(info->name) + " is " +
                                        std::string(KindName(info->kind)) + ", not " +
                                        std::string(KindName(KindOf(r.value))));
        const auto slot = std::size_t(info - table.properties.data());
        if (seen[slot])
            throw std::invalid_argument("duplicate property " + std::string(info->name));
        seen[slot] = true;
        out.push_back(std::uint8_t(r.id >> 8));
        out.push_back(std::uint8_t(r.id));
        switch (info->kind) {
        case PropertyKind::Boolean:
            out.push_back(std::get<bool>(r.value) ? 1 : 0);
            break;
        case PropertyKind::Integer:
            PutU32(out, std::uint32_t(std::get<std::int32_t>(r.value)));
            break;
        case PropertyKind::Color: {
            const Color& c = std::get<Color>(r.value);
            out.insert(out.end(), {c.Red, c.Green, c.Blue});
            break;
        }
        case PropertyKind::String: {
            const std::string& s = std::get<std::string>(r.value);
            if (s.size() > 0xffffffffu)
                throw std::invalid_argument("text too long for " + std::string(info->name));
            PutU32(out, std::uint32_t(s.size()));
            out.insert(out.end(), s.begin(), s.end());
            break;
        }
        }
    }
    return out;
}

std::span<const std::uint8_t> FindBlock(std::span<const NamedBlock> blocks, std::string_view name,
                                        std::int32_t index)
{
    for (const NamedBlock& b : blocks)
        if (b.name == name && b.index == index)
            return b.block;
    throw std::out_of_range("no block for " + std::string(name) + "(" + std::to_string(index) + ")");
}

void SetProperties(PropertyTarget& target, std::span<const std::uint8_t> block)
{
    const std::string_view className = target.ClassName();
    const PropertyTable* table = PropertyTableFor(className);
    if (!table)
        throw std::runtime_error("no property table for class " + std::string(className));
    DecodedBlock decoded = DecodeBlock(block, *table);
    if (decoded.error)
        throw std::runtime_error("bad property block for " + std::string(className) + ": " + *decoded.error);
    // Decoding checked each value's kind against its row.
    for (const PropertyRecord& r : decoded.records)
        target.ApplyRow(*table->Find(r.id), r.value);
}

} // namespace fw
