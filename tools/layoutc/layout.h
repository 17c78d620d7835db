// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <limits>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "classinfo.h"
#include "framework/core/propertyblock.h"

namespace layoutc {

inline constexpr std::int32_t kNoIndex = std::numeric_limits<std::int32_t>::min();

// A fault in a layout file, at a line of it.
class LayoutError : public std::runtime_error {
public:
    LayoutError(int line, const std::string& message) : std::runtime_error(message), line_(line) {}
    int Line() const { return line_; }

private:
    int line_;
};

// A property assigned by code before the block: a text constant
// (Caption=Textos.k317) or a named picture or menu bar (Backdrop=backg1).
struct CodeBinding {
    enum class Kind { Text, Picture, MenuBar };
    std::string property;
    Kind kind;
    std::string symbol;   // "k317" for a text constant, the function name otherwise
};

struct EventBinding {
    std::string event;
    std::string handler;
};

// One row: the window or one control, with its block's records in stored order.
struct Row {
    int line = 0;
    const ClassInfo* cls = nullptr;
    std::string name;
    std::int32_t index = kNoIndex;
    std::string parent;   // InitialParent as stored: "", "GroupBox3" or "bg$5"
    std::vector<fw::PropertyRecord> records;
    std::vector<CodeBinding> bindings;
    std::vector<EventBinding> events;
    std::vector<std::uint8_t> block;
    // The builder, CreateControls0 onwards, that creates the control.
    std::size_t builder = 0;

    bool InSet() const { return index != kNoIndex; }
};

// The C++ type that implements a class in this layout: needed for the custom
// controls, and allowed for any class (a subclass of the framework's).
struct TypeLine {
    std::string className;
    std::string cppType;
    std::string header;
};

// The class of a control set's members, derived from the set's control
// class: the builders create each member through its Constructor(index).
struct SetLine {
    std::string setName;
    std::string cppType;
    std::string header;
};

struct Layout {
    std::string fileName;
    std::vector<std::string> includes;   // headers of pictures and menu bars
    // Where the picture and menu-bar getters live: a "pictures" or "menubars"
    // line names the header and, optionally, the namespace.
    std::string picturesHeader, picturesNamespace;
    std::string menuBarsHeader, menuBarsNamespace;
    std::vector<TypeLine> types;
    std::vector<SetLine> sets;
    std::string windowClass;             // e.g. windows::main
    std::string windowHeader;
    std::size_t expectedControls = 0;
    // The builders CreateControls0 .. CreateControls<builders - 1>; a
    // "builder CreateControlsN" line starts the next one.
    std::size_t builders = 1;
    Row window;
    std::vector<Row> controls;

    // The C++ type and header of a row's class: from a type line, else built in.
    std::string CppType(const ClassInfo& cls) const;
    std::string Header(const ClassInfo& cls) const;
    // A row's C++ type and header: a set member's from its set line.
    std::string CppType(const Row& row) const;
    std::string Header(const Row& row) const;
    const SetLine* FindSet(std::string_view name) const;
    bool UsesTextConstants() const;
    // The C++ call that yields a bound picture or menu bar.
    std::string GetterCall(const CodeBinding& binding) const;
};

// Reads and checks a layout and encodes every block; throws LayoutError.
Layout ParseLayout(std::string_view text, const std::string& fileName);

// Set-member names as InitialParent stores them.
std::string MemberName(std::string_view set, std::int32_t index);

// The name of builder n: CreateControls0, CreateControls1, ...
std::string BuilderName(std::size_t n);

} // namespace layoutc
