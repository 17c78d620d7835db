// SPDX-License-Identifier: GPL-3.0-or-later
#include "layout.h"

#include <algorithm>
#include <charconv>
#include <map>
#include <optional>
#include <set>
#include <utility>

namespace layoutc {

namespace {

struct Token {
    std::string text;
    int line;
};

struct RawRow {
    int line;
    std::vector<Token> tokens;
};

bool IsSpace(char c)
{
    return c == ' ' || c == '\t' || c == '\r';
}

bool IsIdentifier(std::string_view s)
{
    if (s.empty() || (s[0] >= '0' && s[0] <= '9'))
        return false;
    return std::all_of(s.begin(), s.end(), [](char c) {
        return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '_';
    });
}

// A C++ name, possibly qualified: windows::main.
bool IsQualifiedName(std::string_view s)
{
    std::size_t start = 0;
    while (true) {
        const std::size_t sep = s.find("::", start);
        if (!IsIdentifier(s.substr(start, sep == std::string_view::npos ? std::string_view::npos : sep - start)))
            return false;
        if (sep == std::string_view::npos)
            return true;
        start = sep + 2;
    }
}

// Splits one physical line into tokens; a quoted run keeps its quotes and
// escapes for the value reader. A token starting with # ends the line.
void Tokenize(std::string_view line, int number, std::vector<Token>& out)
{
    std::size_t i = 0;
    while (i < line.size()) {
        while (i < line.size() && IsSpace(line[i]))
            ++i;
        if (i >= line.size() || line[i] == '#')
            return;
        std::string text;
        bool quoted = false;
        while (i < line.size() && (quoted || !IsSpace(line[i]))) {
            const char c = line[i++];
            text += c;
            if (quoted && c == '\\') {
                if (i >= line.size())
                    break;
                text += line[i++];
            } else if (c == '"') {
                quoted = !quoted;
            }
        }
        if (quoted)
            throw LayoutError(number, "unterminated text: " + text);
        out.push_back({std::move(text), number});
    }
}

std::vector<RawRow> SplitRows(std::string_view text)
{
    std::vector<RawRow> rows;
    int number = 0;
    std::size_t pos = 0;
    while (pos <= text.size()) {
        const std::size_t nl = text.find('\n', pos);
        const std::string_view line = text.substr(pos, nl == std::string_view::npos ? std::string_view::npos : nl - pos);
        pos = nl == std::string_view::npos ? text.size() + 1 : nl + 1;
        ++number;
        std::size_t first = 0;
        while (first < line.size() && IsSpace(line[first]))
            ++first;
        if (first == line.size() || line[first] == '#')
            continue;
        if (first == 0) {
            rows.push_back({number, {}});
        } else if (rows.empty()) {
            throw LayoutError(number, "indented continuation line with no row before it");
        }
        Tokenize(line, number, rows.back().tokens);
    }
    return rows;
}

std::optional<std::int64_t> ParseNumber(std::string_view s)
{
    std::int64_t v = 0;
    if (s.empty() || s.size() > 12)
        return std::nullopt;
    const char* begin = s.data();
    const char* end = s.data() + s.size();
    auto [ptr, ec] = std::from_chars(begin, end, v);
    if (ec != std::errc() || ptr != end)
        return std::nullopt;
    return v;
}

std::optional<std::int32_t> ParseInt32(std::string_view s)
{
    const auto v = ParseNumber(s);
    if (!v || *v < std::numeric_limits<std::int32_t>::min() || *v > std::numeric_limits<std::int32_t>::max())
        return std::nullopt;
    return std::int32_t(*v);
}

int HexDigit(char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

// "..." with \" \\ \r \n \t \xHH escapes.
std::optional<std::string> ParseQuoted(std::string_view s)
{
    if (s.size() < 2 || s.front() != '"' || s.back() != '"')
        return std::nullopt;
    std::string out;
    for (std::size_t i = 1; i + 1 < s.size(); ++i) {
        char c = s[i];
        if (c == '"')
            return std::nullopt;
        if (c != '\\') {
            out += c;
            continue;
        }
        if (++i + 1 >= s.size())
            return std::nullopt;
        switch (s[i]) {
        case '"':
        case '\\':
            out += s[i];
            break;
        case 'r':
            out += '\r';
            break;
        case 'n':
            out += '\n';
            break;
        case 't':
            out += '\t';
            break;
        case 'x': {
            if (i + 3 >= s.size())
                return std::nullopt;
            const int hi = HexDigit(s[i + 1]);
            const int lo = HexDigit(s[i + 2]);
            if (hi < 0 || lo < 0)
                return std::nullopt;
            out += char(hi * 16 + lo);
            i += 2;
            break;
        }
        default:
            return std::nullopt;
        }
    }
    return out;
}

std::optional<fw::PropertyValue> ParseValue(fw::PropertyKind kind, std::string_view v)
{
    switch (kind) {
    case fw::PropertyKind::Boolean:
        if (v == "true" || v == "True")
            return fw::PropertyValue(true);
        if (v == "false" || v == "False")
            return fw::PropertyValue(false);
        return std::nullopt;
    case fw::PropertyKind::Integer:
        if (auto n = ParseInt32(v))
            return fw::PropertyValue(*n);
        return std::nullopt;
    case fw::PropertyKind::Color: {
        if (v.size() != 7 || v[0] != '#')
            return std::nullopt;
        std::uint8_t bytes[3];
        for (int b = 0; b < 3; ++b) {
            const int hi = HexDigit(v[std::size_t(1 + 2 * b)]);
            const int lo = HexDigit(v[std::size_t(2 + 2 * b)]);
            if (hi < 0 || lo < 0)
                return std::nullopt;
            bytes[b] = std::uint8_t(hi * 16 + lo);
        }
        return fw::PropertyValue(fw::Color{bytes[0], bytes[1], bytes[2]});
    }
    case fw::PropertyKind::String:
        if (auto s = ParseQuoted(v))
            return fw::PropertyValue(std::move(*s));
        return std::nullopt;
    }
    return std::nullopt;
}

std::string KindHint(fw::PropertyKind kind)
{
    switch (kind) {
    case fw::PropertyKind::Boolean:
        return "a Boolean (true or false)";
    case fw::PropertyKind::Integer:
        return "an Integer (a signed 32-bit decimal number)";
    case fw::PropertyKind::Color:
        return "a Color (#RRGGBB)";
    case fw::PropertyKind::String:
        return "a String (\"quoted\")";
    }
    return "a value";
}

// name or name(index)
struct ControlRef {
    std::string name;
    std::int32_t index = kNoIndex;
};

std::optional<ControlRef> ParseRef(std::string_view s)
{
    ControlRef ref;
    const std::size_t open = s.find('(');
    if (open == std::string_view::npos) {
        ref.name = std::string(s);
    } else {
        if (s.back() != ')')
            return std::nullopt;
        ref.name = std::string(s.substr(0, open));
        const auto index = ParseInt32(s.substr(open + 1, s.size() - open - 2));
        if (!index || *index < 0)
            return std::nullopt;
        ref.index = *index;
    }
    if (!IsIdentifier(ref.name))
        return std::nullopt;
    return ref;
}

std::string RefText(std::string_view name, std::int32_t index)
{
    return index == kNoIndex ? std::string(name) : std::string(name) + "(" + std::to_string(index) + ")";
}

class Parser {
public:
    explicit Parser(std::string fileName) { layout_.fileName = std::move(fileName); }

    Layout Run(std::string_view text)
    {
        for (RawRow& raw : SplitRows(text))
            ReadRow(raw);
        if (!haveWindow_)
            throw LayoutError(1, "no Window row");
        for (const Row& row : layout_.controls) {
            if (layout_.CppType(*row.cls).empty())
                throw LayoutError(row.line, "class " + std::string(row.cls->name) +
                                                " needs a type line naming its C++ type and header");
            if (row.InSet() && !layout_.FindSet(row.name))
                throw LayoutError(row.line, "control set " + row.name + " needs a set line naming its class");
        }
        for (const auto& [name, line] : setLines_) {
            const auto it = names_.find(name);
            if (it == names_.end() || !it->second.set)
                throw LayoutError(line, "set " + name + " names no control set of the layout");
        }
        if (layout_.controls.size() != layout_.expectedControls)
            throw LayoutError(layout_.window.line, "the layout has " + std::to_string(layout_.controls.size()) +
                                                       " controls, the Window row expects " +
                                                       std::to_string(layout_.expectedControls));
        if (builderLine_ && layout_.controls.back().builder != builder_)
            throw LayoutError(builderLine_, BuilderName(builder_) + " creates no control");
        if (builder_ + 1 != layout_.builders)
            throw LayoutError(layout_.window.line, "the layout has " + std::to_string(builder_ + 1) +
                                                       " builders, the Window row expects " +
                                                       std::to_string(layout_.builders));
        return std::move(layout_);
    }

private:
    struct Known {
        const ClassInfo* cls;
        bool set;
        int line;
        std::set<std::int32_t> indexes;
    };

    using Assignments = std::set<std::string, std::less<>>;

    Layout layout_;
    bool haveWindow_ = false;
    // The builder that the rows read now, and the line that started it.
    std::size_t builder_ = 0;
    int builderLine_ = 0;
    std::map<std::string, int, std::less<>> setLines_;
    std::map<std::string, Known, std::less<>> names_;

    void ReadRow(RawRow& raw)
    {
        const std::string& head = raw.tokens.front().text;
        if (head == "include") {
            Expect(raw, 2, "include \"header.h\"");
            const auto path = ParseQuoted(raw.tokens[1].text);
            if (!path || path->empty())
                throw LayoutError(raw.line, "include expects a quoted header path");
            layout_.includes.push_back(*path);
        } else if (head == "pictures" || head == "menubars") {
            ReadGetters(raw, head == "pictures" ? layout_.picturesHeader : layout_.menuBarsHeader,
                        head == "pictures" ? layout_.picturesNamespace : layout_.menuBarsNamespace);
        } else if (head == "type") {
            ReadType(raw);
        } else if (head == "set") {
            ReadSet(raw);
        } else if (head == "builder") {
            ReadBuilder(raw);
        } else if (head == "Window") {
            if (haveWindow_)
                throw LayoutError(raw.line, "a second Window row (first at line " +
                                                std::to_string(layout_.window.line) + ")");
            if (!layout_.controls.empty())
                throw LayoutError(raw.line, "the Window row must come before the controls");
            ReadWindow(raw);
        } else {
            const ClassInfo* cls = FindClass(head);
            if (!cls || head == "Window")
                throw LayoutError(raw.line, "unknown class " + head);
            if (!haveWindow_)
                throw LayoutError(raw.line, "the Window row must come before the controls");
            ReadControl(raw, *cls);
        }
    }

    static void Expect(const RawRow& raw, std::size_t count, std::string_view form)
    {
        if (raw.tokens.size() != count)
            throw LayoutError(raw.line, "expected: " + std::string(form));
    }

    static void ReadGetters(const RawRow& raw, std::string& header, std::string& ns)
    {
        const std::string& head = raw.tokens.front().text;
        if (raw.tokens.size() != 2 && raw.tokens.size() != 3)
            throw LayoutError(raw.line, "expected: " + head + " \"header.h\" [namespace]");
        if (!header.empty())
            throw LayoutError(raw.line, "a second " + head + " line");
        const auto path = ParseQuoted(raw.tokens[1].text);
        if (!path || path->empty())
            throw LayoutError(raw.line, head + " expects a quoted header path");
        if (raw.tokens.size() == 3 && !IsQualifiedName(raw.tokens[2].text))
            throw LayoutError(raw.line, "not a namespace: " + raw.tokens[2].text);
        header = *path;
        ns = raw.tokens.size() == 3 ? raw.tokens[2].text : std::string();
    }

    void ReadType(const RawRow& raw)
    {
        Expect(raw, 4, "type Class cpp::Type \"header.h\"");
        const std::string& name = raw.tokens[1].text;
        const ClassInfo* cls = FindClass(name);
        if (!cls || name == "Window")
            throw LayoutError(raw.line, "unknown class " + name);
        for (const TypeLine& t : layout_.types)
            if (t.className == name)
                throw LayoutError(raw.line, "a second type line for " + name);
        const auto [type, header] = TypeAndHeader(raw);
        layout_.types.push_back({name, type, header});
    }

    // The C++ type and the quoted header that close a type or set line.
    static std::pair<std::string, std::string> TypeAndHeader(const RawRow& raw)
    {
        if (!IsQualifiedName(raw.tokens[2].text))
            throw LayoutError(raw.line, "not a C++ type name: " + raw.tokens[2].text);
        const auto header = ParseQuoted(raw.tokens[3].text);
        if (!header || header->empty())
            throw LayoutError(raw.line, raw.tokens[0].text + " expects a quoted header path");
        return {raw.tokens[2].text, *header};
    }

    void ReadSet(const RawRow& raw)
    {
        Expect(raw, 4, "set name cpp::Type \"header.h\"");
        const std::string& name = raw.tokens[1].text;
        if (!IsIdentifier(name))
            throw LayoutError(raw.line, "not a control set name: " + name);
        if (!setLines_.emplace(name, raw.line).second)
            throw LayoutError(raw.line, "a second set line for " + name);
        const auto [type, header] = TypeAndHeader(raw);
        layout_.sets.push_back({name, type, header});
    }

    // Builders follow one another by number, each creating at least one control.
    void ReadBuilder(const RawRow& raw)
    {
        Expect(raw, 2, "builder CreateControlsN");
        if (!haveWindow_)
            throw LayoutError(raw.line, "the Window row must come before the builders");
        if (layout_.controls.empty() || layout_.controls.back().builder != builder_)
            throw LayoutError(raw.line, BuilderName(builder_) + " creates no control");
        if (raw.tokens[1].text != BuilderName(builder_ + 1))
            throw LayoutError(raw.line, "the builder after " + BuilderName(builder_) + " is " +
                                            BuilderName(builder_ + 1) + ", not " + raw.tokens[1].text);
        ++builder_;
        builderLine_ = raw.line;
    }

    void ReadWindow(const RawRow& raw)
    {
        if (raw.tokens.size() < 2 || !IsIdentifier(raw.tokens[1].text))
            throw LayoutError(raw.line, "expected: Window name class=windows::name header=\"...\" controls=N");
        Row row;
        row.line = raw.line;
        row.cls = FindClass("Window");
        row.name = raw.tokens[1].text;
        Assignments given;
        bool haveCount = false;
        for (std::size_t i = 2; i < raw.tokens.size(); ++i) {
            const Token& t = raw.tokens[i];
            const std::size_t eq = t.text.find('=');
            const std::string key = t.text.substr(0, eq);
            const std::string value = eq == std::string::npos ? std::string() : t.text.substr(eq + 1);
            if (key == "class" && eq != std::string::npos) {
                if (!IsQualifiedName(value))
                    throw LayoutError(t.line, "not a C++ class name: " + value);
                layout_.windowClass = value;
            } else if (key == "header" && eq != std::string::npos) {
                const auto header = ParseQuoted(value);
                if (!header || header->empty())
                    throw LayoutError(t.line, "header expects a quoted path");
                layout_.windowHeader = *header;
            } else if (key == "builders" && eq != std::string::npos) {
                const auto count = ParseInt32(value);
                if (!count || *count < 1)
                    throw LayoutError(t.line, "builders expects a count of at least 1");
                layout_.builders = std::size_t(*count);
            } else if (key == "controls" && eq != std::string::npos) {
                const auto count = ParseInt32(value);
                if (!count || *count < 0)
                    throw LayoutError(t.line, "controls expects a count");
                layout_.expectedControls = std::size_t(*count);
                haveCount = true;
            } else {
                ReadItem(row, t, given);
            }
        }
        if (layout_.windowClass.empty() || layout_.windowHeader.empty() || !haveCount)
            throw LayoutError(raw.line, "the Window row needs class=, header= and controls=");
        Finish(row, given);
        layout_.window = std::move(row);
        haveWindow_ = true;
    }

    void ReadControl(const RawRow& raw, const ClassInfo& cls)
    {
        if (raw.tokens.size() < 2)
            throw LayoutError(raw.line, "a row needs a class and a name");
        const auto ref = ParseRef(raw.tokens[1].text);
        if (!ref)
            throw LayoutError(raw.line, "not a control name: " + raw.tokens[1].text);
        Row row;
        row.line = raw.line;
        row.cls = &cls;
        row.name = ref->name;
        row.index = ref->index;
        row.builder = builder_;
        if (!cls.isControl && row.InSet())
            throw LayoutError(raw.line, std::string(cls.name) + " cannot be a member of a control set");
        Register(row);

        Assignments given;
        for (std::size_t i = 2; i < raw.tokens.size(); ++i) {
            const Token& t = raw.tokens[i];
            if (t.text == "in") {
                if (++i >= raw.tokens.size())
                    throw LayoutError(t.line, "in expects the enclosing control");
                ReadParent(row, raw.tokens[i], given);
            } else if (IsPosition(t.text) || IsSize(t.text)) {
                if (!cls.isControl)
                    throw LayoutError(t.line, std::string(cls.name) + " has no position or size");
                const std::size_t sep = t.text.find(IsPosition(t.text) ? ',' : 'x');
                const bool pos = IsPosition(t.text);
                const auto a = ParseInt32(std::string_view(t.text).substr(0, sep));
                const auto b = ParseInt32(std::string_view(t.text).substr(sep + 1));
                if (!a || !b)
                    throw LayoutError(t.line, "number out of range: " + t.text);
                Give(row, given, t.line, pos ? "Left" : "Width", *a);
                Give(row, given, t.line, pos ? "Top" : "Height", *b);
            } else {
                ReadItem(row, t, given);
            }
        }
        Finish(row, given);
        layout_.controls.push_back(std::move(row));
    }

    static bool IsPosition(std::string_view s)
    {
        const std::size_t comma = s.find(',');
        return comma != std::string_view::npos && ParseNumber(s.substr(0, comma)) &&
               ParseNumber(s.substr(comma + 1));
    }

    static bool IsSize(std::string_view s)
    {
        const std::size_t x = s.find('x');
        if (x == std::string_view::npos || x == 0 || x + 1 == s.size())
            return false;
        auto digits = [](std::string_view d) {
            return std::all_of(d.begin(), d.end(), [](char c) { return c >= '0' && c <= '9'; });
        };
        return digits(s.substr(0, x)) && digits(s.substr(x + 1));
    }

    void Register(const Row& row)
    {
        auto it = names_.find(row.name);
        if (it == names_.end()) {
            names_.emplace(row.name, Known{row.cls, row.InSet(), row.line, {row.index}});
            return;
        }
        Known& k = it->second;
        const std::string first = " (first at line " + std::to_string(k.line) + ")";
        if (!k.set || !row.InSet())
            throw LayoutError(row.line, "duplicate name " + row.name + first);
        if (k.cls != row.cls)
            throw LayoutError(row.line, "control set " + row.name + " holds " + std::string(k.cls->name) +
                                            " members, not " + std::string(row.cls->name) + first);
        if (!k.indexes.insert(row.index).second)
            throw LayoutError(row.line, "duplicate member " + RefText(row.name, row.index) + first);
    }

    void ReadParent(Row& row, const Token& t, Assignments& given)
    {
        if (!row.cls->isControl)
            throw LayoutError(t.line, std::string(row.cls->name) + " has no enclosing control");
        const auto ref = ParseRef(t.text);
        if (!ref)
            throw LayoutError(t.line, "not a control name: " + t.text);
        const auto it = names_.find(ref->name);
        // Registering the row itself came first, so a self-reference would be found.
        const bool self = ref->name == row.name && ref->index == row.index;
        if (self || it == names_.end() || it->second.set != (ref->index != kNoIndex) ||
            !it->second.indexes.count(ref->index))
            throw LayoutError(t.line, "parent " + t.text + " is not created before " + RefText(row.name, row.index));
        if (!it->second.cls->isControl)
            throw LayoutError(t.line, "parent " + t.text + " is not a control");
        if (!given.insert("InitialParent").second)
            throw LayoutError(t.line, "the enclosing control is given twice");
        row.parent = ref->index == kNoIndex ? ref->name : MemberName(ref->name, ref->index);
    }

    void Give(Row& row, Assignments& given, int line, std::string_view name, fw::PropertyValue value)
    {
        if (!given.insert(std::string(name)).second)
            throw LayoutError(line, std::string(name) + " is given twice");
        row.records.push_back({row.cls->Table().Find(name)->id, std::move(value)});
    }

    void ReadItem(Row& row, const Token& t, Assignments& given)
    {
        const ClassInfo& cls = *row.cls;
        const std::size_t arrow = t.text.find("->");
        if (arrow != std::string::npos) {
            const std::string event = t.text.substr(0, arrow);
            const std::string handler = t.text.substr(arrow + 2);
            if (!cls.HasEvent(event))
                throw LayoutError(t.line, std::string(cls.name) + " has no event " + event);
            if (!IsIdentifier(handler))
                throw LayoutError(t.line, "not a handler name: " + handler);
            for (const EventBinding& e : row.events)
                if (e.event == event)
                    throw LayoutError(t.line, event + " is bound twice");
            row.events.push_back({event, handler});
            return;
        }
        const std::size_t eq = t.text.find('=');
        if (eq == std::string::npos || eq == 0)
            throw LayoutError(t.line, "cannot read " + t.text + " (expected Property=value or Event->handler)");
        const std::string key = t.text.substr(0, eq);
        const std::string value = t.text.substr(eq + 1);
        if (key == "Name" || key == "Index")
            throw LayoutError(t.line, key + " comes from the row's name, e.g. bg(5)");
        if (key == "InitialParent")
            throw LayoutError(t.line, "the enclosing control is given with: in name");

        const bool textConstant = value.rfind("Textos.", 0) == 0;
        if (textConstant && cls.CanBindText(key)) {
            const std::string symbol = value.substr(7);
            if (!IsIdentifier(symbol))
                throw LayoutError(t.line, "not a text constant: " + value);
            Bind(row, given, t.line, {key, CodeBinding::Kind::Text, symbol});
            return;
        }
        const bool picture = key == "Backdrop" && cls.pictureBindable;
        const bool menuBar = key == "MenuBar" && cls.name == "Window";
        if (picture || menuBar) {
            if (!IsIdentifier(value))
                throw LayoutError(t.line, key + " expects the name of a " + (picture ? "picture" : "menu bar"));
            Bind(row, given, t.line, {key, picture ? CodeBinding::Kind::Picture : CodeBinding::Kind::MenuBar, value});
            return;
        }
        const fw::PropertyInfo* info = cls.Table().Find(std::string_view(key));
        if (info && !cls.Stores(key))
            throw LayoutError(t.line, std::string(cls.name) + " stores no " + key);
        if (!info) {
            if (cls.CanBindText(key))
                throw LayoutError(t.line, std::string(cls.name) + " stores no " + key + "; bind it to a text constant (" +
                                              key + "=Textos.kNNN)");
            throw LayoutError(t.line, "unknown property " + key + " of " + std::string(cls.name));
        }
        auto parsed = ParseValue(info->kind, value);
        if (!parsed)
            throw LayoutError(t.line, key + " expects " + KindHint(info->kind) + ", not " + value);
        Give(row, given, t.line, key, std::move(*parsed));
    }

    void Bind(Row& row, Assignments& given, int line, CodeBinding binding)
    {
        if (!given.insert(binding.property).second)
            throw LayoutError(line, binding.property + " is given twice");
        row.bindings.push_back(std::move(binding));
    }

    // Every property of the table is stored, in the table's order, except
    // those assigned by code; what the row leaves out takes its default.
    void Finish(Row& row, const Assignments& given)
    {
        std::vector<fw::PropertyRecord> records;
        const std::string_view className = row.cls->name;
        for (const fw::PropertyInfo& p : row.cls->Table().properties) {
            const auto bound = std::find_if(row.bindings.begin(), row.bindings.end(),
                                            [&](const CodeBinding& b) { return b.property == p.name; });
            if (bound != row.bindings.end() || !row.cls->Stores(p.name))
                continue;
            if (p.name == "Name" && p.kind == fw::PropertyKind::String && row.cls->isControl) {
                records.push_back({p.id, row.name});
            } else if (p.name == "Index" && row.cls->isControl) {
                records.push_back({p.id, row.index});
            } else if (p.name == "InitialParent") {
                records.push_back({p.id, row.parent});
            } else if (given.count(p.name)) {
                const auto it = std::find_if(row.records.begin(), row.records.end(),
                                             [&](const fw::PropertyRecord& r) { return r.id == p.id; });
                records.push_back(*it);
            } else {
                records.push_back({p.id, DefaultValue(className, p)});
            }
        }
        row.records = std::move(records);
        row.block = fw::EncodeBlock(row.records, row.cls->Table());
    }
};

} // namespace

std::string MemberName(std::string_view set, std::int32_t index)
{
    return std::string(set) + "$" + std::to_string(index);
}

std::string BuilderName(std::size_t n)
{
    return "CreateControls" + std::to_string(n);
}

std::string Layout::CppType(const ClassInfo& cls) const
{
    for (const TypeLine& t : types)
        if (t.className == cls.name)
            return t.cppType;
    return std::string(cls.cppType);
}

std::string Layout::Header(const ClassInfo& cls) const
{
    for (const TypeLine& t : types)
        if (t.className == cls.name)
            return t.header;
    return std::string(cls.header);
}

const SetLine* Layout::FindSet(std::string_view name) const
{
    for (const SetLine& s : sets)
        if (s.setName == name)
            return &s;
    return nullptr;
}

std::string Layout::CppType(const Row& row) const
{
    const SetLine* set = row.InSet() ? FindSet(row.name) : nullptr;
    return set ? set->cppType : CppType(*row.cls);
}

std::string Layout::Header(const Row& row) const
{
    const SetLine* set = row.InSet() ? FindSet(row.name) : nullptr;
    return set ? set->header : Header(*row.cls);
}

bool Layout::UsesTextConstants() const
{
    auto uses = [](const Row& row) {
        return std::any_of(row.bindings.begin(), row.bindings.end(),
                           [](const CodeBinding& b) { return b.kind == CodeBinding::Kind::Text; });
    };
    return uses(window) || std::any_of(controls.begin(), controls.end(), uses);
}

std::string Layout::GetterCall(const CodeBinding& binding) const
{
    const std::string& ns =
        binding.kind == CodeBinding::Kind::Picture ? picturesNamespace : menuBarsNamespace;
    return (ns.empty() ? std::string() : ns + "::") + binding.symbol + "()";
}

Layout ParseLayout(std::string_view text, const std::string& fileName)
{
    return Parser(fileName).Run(text);
}

} // namespace layoutc
