// SPDX-License-Identifier: GPL-3.0-or-later
#include "layouttext.h"

#include <algorithm>

namespace layoutc {

namespace {

constexpr char kHex[] = "0123456789ABCDEF";
constexpr std::size_t kWrapColumn = 100;

std::string Quote(const std::string& s)
{
    std::string out = "\"";
    for (const char ch : s) {
        const auto c = static_cast<unsigned char>(ch);
        switch (c) {
        case '"':
            out += "\\\"";
            break;
        case '\\':
            out += "\\\\";
            break;
        case '\r':
            out += "\\r";
            break;
        case '\n':
            out += "\\n";
            break;
        case '\t':
            out += "\\t";
            break;
        default:
            if (c < 0x20 || c == 0x7f) {
                out += "\\x";
                out += kHex[c >> 4];
                out += kHex[c & 0xf];
            } else {
                out += ch;
            }
        }
    }
    return out + "\"";
}

const fw::PropertyValue* Lookup(const std::vector<fw::PropertyRecord>& records, const fw::PropertyTable& table,
                                std::string_view name)
{
    const fw::PropertyInfo* info = table.Find(name);
    if (!info)
        return nullptr;
    for (const fw::PropertyRecord& r : records)
        if (r.id == info->id)
            return &r.value;
    return nullptr;
}

std::string ParentToken(const std::string& parent)
{
    const std::size_t dollar = parent.rfind('$');
    if (dollar == std::string::npos)
        return parent;
    return parent.substr(0, dollar) + "(" + parent.substr(dollar + 1) + ")";
}

// Appends items to a row, starting a continuation line when it grows long.
class RowWriter {
public:
    explicit RowWriter(std::string head) : line_(std::move(head)) {}
    void Add(const std::string& item)
    {
        if (line_.size() + 1 + item.size() > kWrapColumn && line_.size() > 4) {
            text_ += line_ + "\n";
            line_ = "    " + item;
        } else {
            line_ += " " + item;
        }
    }
    std::string Finish() { return text_ + line_ + "\n"; }

private:
    std::string text_;
    std::string line_;
};

std::vector<fw::PropertyRecord> Decode(const Row& row)
{
    fw::DecodedBlock decoded = fw::DecodeBlock(row.block, row.cls->Table());
    if (decoded.error)
        throw LayoutError(row.line, "the block of " + row.name + " does not decode: " + *decoded.error);
    return std::move(decoded.records);
}

void AddValuesAndBindings(RowWriter& w, const Row& row, const std::vector<fw::PropertyRecord>& records,
                          std::initializer_list<std::string_view> skip)
{
    const fw::PropertyTable& table = row.cls->Table();
    for (const fw::PropertyRecord& r : records) {
        const fw::PropertyInfo* info = table.Find(r.id);
        if (std::find(skip.begin(), skip.end(), info->name) != skip.end())
            continue;
        if (r.value == DefaultValue(row.cls->name, *info))
            continue;
        w.Add(std::string(info->name) + "=" + FormatValue(r.value));
    }
    for (const CodeBinding& b : row.bindings)
        w.Add(b.property + "=" + (b.kind == CodeBinding::Kind::Text ? "Textos." : "") + b.symbol);
    for (const EventBinding& e : row.events)
        w.Add(e.event + "->" + e.handler);
}

} // namespace

std::string FormatValue(const fw::PropertyValue& value)
{
    switch (fw::KindOf(value)) {
    case fw::PropertyKind::Boolean:
        return std::get<bool>(value) ? "true" : "false";
    case fw::PropertyKind::Integer:
        return std::to_string(std::get<std::int32_t>(value));
    case fw::PropertyKind::Color: {
        const fw::Color c = std::get<fw::Color>(value);
        std::string s = "#";
        for (const std::uint8_t b : {c.Red, c.Green, c.Blue}) {
            s += kHex[b >> 4];
            s += kHex[b & 0xf];
        }
        return s;
    }
    case fw::PropertyKind::String:
        return Quote(std::get<std::string>(value));
    }
    return {};
}

std::string DumpText(const Layout& layout)
{
    std::string out = "# Decoded from the blocks of " + layout.fileName + "\n";
    for (const std::string& inc : layout.includes)
        out += "include " + Quote(inc) + "\n";
    auto getters = [&](const char* head, const std::string& header, const std::string& ns) {
        if (!header.empty())
            out += std::string(head) + " " + Quote(header) + (ns.empty() ? "" : " " + ns) + "\n";
    };
    getters("pictures", layout.picturesHeader, layout.picturesNamespace);
    getters("menubars", layout.menuBarsHeader, layout.menuBarsNamespace);
    for (const TypeLine& t : layout.types)
        out += "type " + t.className + " " + t.cppType + " " + Quote(t.header) + "\n";
    for (const SetLine& set : layout.sets)
        out += "set " + set.setName + " " + set.cppType + " " + Quote(set.header) + "\n";
    out += "\n";

    const Row& window = layout.window;
    RowWriter head("Window " + window.name + " class=" + layout.windowClass + " header=" +
                   Quote(layout.windowHeader) + " controls=" + std::to_string(layout.expectedControls) +
                   (layout.builders == 1 ? "" : " builders=" + std::to_string(layout.builders)));
    AddValuesAndBindings(head, window, Decode(window), {});
    out += head.Finish() + "\n";

    std::size_t builder = 0;
    for (const Row& row : layout.controls) {
        if (row.builder != builder)
            out += "builder " + BuilderName(builder = row.builder) + "\n";
        const auto records = Decode(row);
        const fw::PropertyTable& table = row.cls->Table();
        std::string name = row.name;
        std::int32_t index = row.index;
        if (row.cls->isControl) {
            if (auto v = Lookup(records, table, "Name"))
                name = std::get<std::string>(*v);
            if (auto v = Lookup(records, table, "Index"))
                index = std::get<std::int32_t>(*v);
        }
        RowWriter w(std::string(row.cls->name) + " " + name +
                    (index == kNoIndex ? "" : "(" + std::to_string(index) + ")"));
        if (row.cls->isControl) {
            if (auto p = Lookup(records, table, "InitialParent"); p && !std::get<std::string>(*p).empty())
                w.Add("in " + ParentToken(std::get<std::string>(*p)));
            auto number = [&](std::string_view n) {
                const fw::PropertyValue* v = Lookup(records, table, n);
                return v ? std::to_string(std::get<std::int32_t>(*v)) : std::string("0");
            };
            w.Add(number("Left") + "," + number("Top"));
            w.Add(number("Width") + "x" + number("Height"));
        }
        AddValuesAndBindings(w, row, records, {"Name", "Index", "InitialParent", "Left", "Top", "Width", "Height"});
        out += w.Finish();
    }
    return out;
}

std::string DumpBytes(const Layout& layout)
{
    std::string out;
    auto dump = [&](const Row& row) {
        out += std::string(row.cls->name) + " " + row.name +
               (row.InSet() ? "(" + std::to_string(row.index) + ")" : "") + ": " + std::to_string(row.block.size()) +
               " bytes\n";
        for (std::size_t i = 0; i < row.block.size(); i += 16) {
            out += " ";
            for (std::size_t j = i; j < std::min(i + 16, row.block.size()); ++j) {
                out += ' ';
                out += kHex[row.block[j] >> 4];
                out += kHex[row.block[j] & 0xf];
            }
            out += "\n";
        }
    };
    dump(layout.window);
    for (const Row& row : layout.controls)
        dump(row);
    return out;
}

} // namespace layoutc
