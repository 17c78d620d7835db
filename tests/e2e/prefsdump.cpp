// SPDX-License-Identifier: GPL-3.0-or-later
// Prints a preferences file as the program reads it, one "key=value" line
// per entry in file order (dates as SQL date-times, Booleans as true/false),
// so that the end-to-end run can check what was stored. Exit status 1 when
// the file does not load whole.
#include "prefs/bprefs.h"

#include <cstdio>
#include <fstream>
#include <iterator>
#include <string>

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: prefsdump <file>\n");
        return 2;
    }
    std::ifstream in(argv[1], std::ios::binary);
    const std::string bytes{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    const auto [store, whole] = BPrefs::LoadPrefsData(bytes);
    for (std::size_t i = 0; store && i < store->Count(); ++i) {
        const fw::Variant& key = store->Key(i);
        const fw::Variant& value = store->Value(key);
        std::string text;
        if (const auto date = value.AsDate(); date && value.VarType() == fw::Variant::TypeDate)
            text = date->SQLDateTime();
        else if (const auto b = value.AsBoolean(); b && value.VarType() == fw::Variant::TypeBoolean)
            text = *b ? "true" : "false";
        else if (const auto s = value.AsString())
            text = *s;
        else if (const auto n = value.AsInteger())
            text = std::to_string(*n);
        else if (const auto l = value.AsLong())
            text = std::to_string(*l);
        else
            text = "?";
        std::printf("%s=%s\n", key.AsString().value_or("?").c_str(), text.c_str());
    }
    return whole ? 0 : 1;
}
