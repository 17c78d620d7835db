// SPDX-License-Identifier: GPL-3.0-or-later
// layoutc: compiles a window layout into C++ (the window's Layout(), its
// CreateControls() and builders, and its property blocks), or dumps the
// blocks back.
//
//   layoutc <layout> <out.layout.h> <out.layout.cpp> <header include path>
//   layoutc --dump <layout>
//   layoutc --dump-bytes <layout>
#include <cstdio>
#include <fstream>
#include <iostream>
#include <sstream>
#include <string>
#include <string_view>

#include "codegen.h"
#include "layout.h"
#include "layouttext.h"

namespace {

bool ReadFile(const std::string& path, std::string& text)
{
    std::ifstream in(path, std::ios::binary);
    if (!in)
        return false;
    std::ostringstream s;
    s << in.rdbuf();
    text = s.str();
    return true;
}

// Writes only when the content changes, so that dependants are not rebuilt.
bool WriteFile(const std::string& path, const std::string& text)
{
    std::string old;
    if (ReadFile(path, old) && old == text)
        return true;
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out << text;
    return static_cast<bool>(out.flush());
}

int Usage()
{
    std::cerr << "usage: layoutc <layout> <out.layout.h> <out.layout.cpp> <header include path>\n"
                 "       layoutc --dump <layout>\n"
                 "       layoutc --dump-bytes <layout>\n";
    return 2;
}

} // namespace

int main(int argc, char** argv)
{
    if (argc < 3)
        return Usage();
    const std::string_view mode = argv[1];
    const bool dump = mode == "--dump" || mode == "--dump-bytes";
    if (!dump && argc != 5)
        return Usage();
    const std::string input = argv[dump ? 2 : 1];

    std::string text;
    if (!ReadFile(input, text)) {
        std::cerr << input << ": cannot read the file\n";
        return 1;
    }
    try {
        const layoutc::Layout layout = layoutc::ParseLayout(text, input);
        if (mode == "--dump") {
            std::cout << layoutc::DumpText(layout);
            return 0;
        }
        if (mode == "--dump-bytes") {
            std::cout << layoutc::DumpBytes(layout);
            return 0;
        }
        if (!WriteFile(argv[2], layoutc::GenerateHeader(layout)) ||
            !WriteFile(argv[3], layoutc::GenerateSource(layout, argv[4]))) {
            std::cerr << input << ": cannot write the generated files\n";
            return 1;
        }
    } catch (const layoutc::LayoutError& e) {
        std::cerr << input << ":" << e.Line() << ": error: " << e.what() << "\n";
        return 1;
    } catch (const std::exception& e) {
        std::cerr << input << ": error: " << e.what() << "\n";
        return 1;
    }
    return 0;
}
