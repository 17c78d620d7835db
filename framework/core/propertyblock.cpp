// SPDX-License-Identifier: GPL-3.0-or-later
#include "framework/core/propertyblock.h"

#include <algorithm>
#include <deque>
#include <initializer_list>
#include <stdexcept>

namespace fw {

namespace {

constexpr auto B = PropertyKind::Boolean;
constexpr auto I = PropertyKind::Integer;
constexpr auto C = PropertyKind::Color;
constexpr auto S = PropertyKind::String;

// Constant-initialised, so that registrations from other sources may run first.
using List = std::span<const PropertyInfo>;

// What every control class stores before its own properties, in stored order.
constexpr PropertyInfo kControlHead[] = {
    {0x00, "Name", S},
    {0x01, "Index", I},
    {0x13, "Left", I},
    {0x14, "Top", I},
    {0x15, "Width", I},
    {0x16, "Height", I},
    {0x1a, "LockLeft", B},
    {0x1b, "LockTop", B},
    {0x1c, "LockRight", B},
    {0x1d, "LockBottom", B},
    {0x02, "TabPanelIndex", I},
    {0x17, "Enabled", B},
    {0x12, "Visible", B},
    {0x0e, "HelpTag", S},
    {0x19, "AutoDeactivate", B},
};
// ...and after them: the enclosing control comes last in every block.
constexpr PropertyInfo kControlTail = {0x1f, "InitialParent", S};

constexpr PropertyInfo kWindow[] = {
    {0x00, "Visible", B},        {0x03, "Width", I},          {0x04, "Height", I},
    {0x05, "Placement", I},      {0x06, "Title", S},          {0x07, "FullScreen", B},
    {0x08, "MenuBarVisible", B}, {0x0a, "CloseButton", B},    {0x0c, "Resizeable", B},
    {0x0e, "MaximizeButton", B}, {0x0f, "MinimizeButton", B}, {0x10, "Frame", I},
    {0x11, "Composite", B},      {0x12, "LiveResize", B},     {0x15, "HasBackColor", B},
    {0x16, "BackColor", C},      {0x17, "BalloonHelp", S},    {0x18, "MinWidth", I},
    {0x19, "MinHeight", I},      {0x1a, "MaxWidth", I},       {0x1b, "MaxHeight", I},
    {0x1c, "MacProcId", I},
};

constexpr PropertyInfo kStaticText[] = {
    {0x20, "Text", S},      {0x22, "TextAlign", I}, {0x23, "TextColor", C},  {0x24, "TextFont", S},
    {0x25, "TextSize", I},  {0x26, "Bold", B},      {0x27, "Italic", B},     {0x28, "Underline", B},
    {0x29, "MultiLine", B}, {0x2a, "DataSource", S}, {0x2b, "DataField", S},
};

constexpr PropertyInfo kEditField[] = {
    {0x20, "Text", S},
    {0x22, "Border", B},
    {0x23, "MultiLine", B},
    {0x24, "ReadOnly", B},
    {0x25, "Password", B},
    {0x26, "Styled", B},
    {0x27, "AcceptTabs", B},
    {0x28, "TextColor", C},
    {0x29, "BackColor", C},
    {0x2a, "ScrollBarHorizontal", B},
    {0x2b, "ScrollBarVertical", B},
    {0x2d, "TextFont", S},
    {0x2e, "TextSize", I},
    {0x2f, "Bold", B},
    {0x30, "Italic", B},
    {0x31, "Underline", B},
    {0x35, "LimitText", I},
    {0x42, "UseFocusRing", B},
    {0x43, "DataSource", S},
    {0x44, "DataField", S},
    {0x45, "Alignment", I},
    {0x47, "Format", S},
    {0x49, "Mask", S},
};

constexpr PropertyInfo kPushButton[] = {
    {0x20, "Caption", S},  {0x21, "Default", B}, {0x22, "Cancel", B}, {0x23, "TextFont", S},
    {0x24, "TextSize", I}, {0x25, "Bold", B},    {0x26, "Italic", B}, {0x27, "Underline", B},
};
constexpr PropertyInfo kCheckBox[] = {
    {0x21, "Value", B},  {0x23, "TextFont", S},  {0x24, "TextSize", I},   {0x25, "Bold", B},
    {0x26, "Italic", B}, {0x27, "Underline", B}, {0x28, "DataSource", S}, {0x29, "DataField", S},
};
constexpr PropertyInfo kRadioButton[] = {
    {0x20, "Caption", S}, {0x21, "Value", B},  {0x22, "TextFont", S},  {0x23, "TextSize", I},
    {0x24, "Bold", B},    {0x25, "Italic", B}, {0x26, "Underline", B},
};
constexpr PropertyInfo kGroupBox[] = {
    {0x21, "TextFont", S}, {0x22, "TextSize", I}, {0x23, "Bold", B}, {0x24, "Italic", B}, {0x25, "Underline", B},
};
constexpr PropertyInfo kListbox[] = {
    {0x20, "TextFont", S},
    {0x21, "TextSize", I},
    {0x22, "Bold", B},
    {0x23, "Italic", B},
    {0x24, "Underline", B},
    {0x28, "ColumnCount", I},
    {0x29, "ColumnWidths", S},
    {0x2a, "Hierarchical", B},
    {0x2c, "EnableDrag", B},
    {0x2d, "EnableDragReorder", B},
    {0x2e, "SelectionType", I},
    {0x30, "InitialValue", S},
    {0x31, "HasHeading", B},
    {0x32, "UseFocusRing", B},
    {0x33, "HeadingIndex", I},
    {0x36, "ScrollBarHorizontal", B},
    {0x37, "ScrollBarVertical", B},
    {0x38, "DataSource", S},
    {0x39, "DataField", S},
    {0x3a, "GridLinesHorizontal", I},
    {0x3b, "GridLinesVertical", I},
    {0x3c, "DefaultRowHeight", I},
    {0x3f, "ColumnsResizable", B},
    {0x40, "RequiresSelection", B},
    {0x41, "AutoHideScrollbars", B},
    {0x42, "_ScrollWidth", I},
    {0x43, "_ScrollOffset", I},
};
constexpr PropertyInfo kPopupMenu[] = {
    {0x20, "TextFont", S},     {0x21, "TextSize", I},     {0x22, "Bold", B},
    {0x23, "Italic", B},       {0x24, "Underline", B},    {0x26, "ListIndex", I},
    {0x28, "InitialValue", S}, {0x29, "DataSource", S},   {0x2a, "DataField", S},
};
constexpr PropertyInfo kCanvas[] = {
    {0x22, "AcceptFocus", B}, {0x23, "AcceptTabs", B}, {0x24, "UseFocusRing", B}, {0x25, "EraseBackground", B},
};
constexpr PropertyInfo kRectangle[] = {
    {0x20, "FillColor", C}, {0x21, "BorderWidth", I}, {0x22, "TopLeftColor", C}, {0x23, "BottomRightColor", C},
};
constexpr PropertyInfo kRoundRectangle[] = {
    {0x20, "FillColor", C}, {0x21, "BorderWidth", I}, {0x22, "BorderColor", C},
    {0x23, "OvalWidth", I}, {0x24, "OvalHeight", I},
};
constexpr PropertyInfo kOval[] = {{0x20, "FillColor", C}, {0x21, "BorderWidth", I}, {0x22, "BorderColor", C}};
constexpr PropertyInfo kUpDownArrows[] = {{0x20, "AcceptFocus", B}};
constexpr PropertyInfo kProgressBar[] = {{0x20, "Value", I}, {0x21, "Maximum", I}};

// A Line stores only its name, index, box and visibility of the base table,
// with its box Top first and its own values before TabPanelIndex.
constexpr PropertyInfo kLine[] = {
    {0x00, "Name", S},         {0x01, "Index", I},       {0x14, "Top", I},        {0x13, "Left", I},
    {0x15, "Width", I},        {0x16, "Height", I},      {0x20, "X1", I},         {0x21, "X2", I},
    {0x22, "Y1", I},           {0x23, "Y2", I},          {0x02, "TabPanelIndex", I}, {0x12, "Visible", B},
    {0x24, "BorderWidth", I},  {0x25, "LineColor", C},   {0x1f, "InitialParent", S},
};

constexpr PropertyInfo kTimer[] = {{0x00, "Mode", I}, {0x01, "Period", I}};
constexpr PropertyInfo kHTTPSocket[] = {{0x00, "Port", I}, {0x06, "Address", S}, {0x1f, "yield", B}};

// Deques, so that a registration keeps every table handed out in place.
struct TableStore {
    struct Entry {
        std::string_view className;
        std::vector<PropertyInfo> properties;
        bool control = false;
    };
    std::deque<Entry> entries;
    std::deque<PropertyTable> tables;
    std::vector<const PropertyTable*> pointers;

    void Plain(std::string_view name, std::initializer_list<List> parts)
    {
        Entry e{name, {}};
        for (const List& part : parts)
            e.properties.insert(e.properties.end(), part.begin(), part.end());
        entries.push_back(std::move(e));
    }
    void Control(std::string_view name, std::initializer_list<List> own)
    {
        Entry e{name, {std::begin(kControlHead), std::end(kControlHead)}};
        for (const List& part : own)
            e.properties.insert(e.properties.end(), part.begin(), part.end());
        e.properties.push_back(kControlTail);
        e.control = true;
        entries.push_back(std::move(e));
    }
    void Publish(const Entry& e)
    {
        tables.push_back({e.className, e.properties});
        pointers.push_back(&tables.back());
    }

    TableStore()
    {
        Plain("Window", {kWindow});
        Control("StaticText", {kStaticText});
        Control("EditField", {kEditField});
        Control("PushButton", {kPushButton});
        Control("CheckBox", {kCheckBox});
        Control("RadioButton", {kRadioButton});
        Control("GroupBox", {kGroupBox});
        Control("Listbox", {kListbox});
        Control("PopupMenu", {kPopupMenu});
        Control("Canvas", {kCanvas});
        Control("Rectangle", {kRectangle});
        Control("RoundRectangle", {kRoundRectangle});
        Control("Oval", {kOval});
        Plain("Line", {kLine});
        Control("UpDownArrows", {kUpDownArrows});
        Control("ProgressBar", {kProgressBar});
        Control("ChasingArrows", {});
        Plain("Timer", {kTimer});
        Plain("HTTPSocket", {kHTTPSocket});
        for (const Entry& e : entries)
            Publish(e);
    }
};

TableStore& Store()
{
    static TableStore store;
    return store;
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
    for (const PropertyTable& t : Store().tables)
        if (t.className == className)
            return &t;
    return nullptr;
}

std::span<const PropertyTable* const> AllPropertyTables()
{
    return Store().pointers;
}

void RegisterControlTable(std::string_view className, std::string_view baseClass, std::span<const PropertyInfo> own)
{
    TableStore& store = Store();
    const auto named = [&](std::string_view name) -> const TableStore::Entry* {
        for (const TableStore::Entry& e : store.entries)
            if (e.className == name)
                return &e;
        return nullptr;
    };
    const TableStore::Entry* base = named(baseClass);
    if (!base || !base->control)
        throw std::logic_error("no control class " + std::string(baseClass) + " to derive " + std::string(className));
    TableStore::Entry e{className, {base->properties.begin(), base->properties.end() - 1}, true};
    e.properties.insert(e.properties.end(), own.begin(), own.end());
    e.properties.push_back(kControlTail);
    if (const TableStore::Entry* known = named(className)) {
        const auto same = [](const PropertyInfo& a, const PropertyInfo& b) {
            return a.id == b.id && a.name == b.name && a.kind == b.kind;
        };
        if (std::equal(known->properties.begin(), known->properties.end(), e.properties.begin(),
                       e.properties.end(), same))
            return;
        throw std::logic_error("another property table for " + std::string(className));
    }
    store.entries.push_back(std::move(e));
    store.Publish(store.entries.back());
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

void ApplyBlock(PropertyTarget& target, std::span<const std::uint8_t> block)
{
    const std::string_view className = target.ClassName();
    const PropertyTable* table = PropertyTableFor(className);
    if (!table)
        throw std::runtime_error("no property table for class " + std::string(className));
    DecodedBlock decoded = DecodeBlock(block, *table);
    if (decoded.error)
        throw std::runtime_error("bad property block for " + std::string(className) + ": " + *decoded.error);
    for (const PropertyRecord& r : decoded.records)
        target.SetProperty(table->Find(r.id)->name, r.value);
}

} // namespace fw
