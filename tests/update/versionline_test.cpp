// SPDX-License-Identifier: GPL-3.0-or-later
#include "update/downloadname.h"
#include "update/versionline.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>

namespace {

TEST(VersionLine, VersionsCompareAsDottedNumbers)
{
    struct Row { const char* site; const char* running; std::optional<int> order; };
    const Row rows[] = {
        {"1.0.10", "1.0.9", 1},   {"1.0.9", "1.0.10", -1}, {"1.10", "1.9", 1},      {"1.0", "1.0.0", 0},
        {"1.0.0", "1.0", 0},      {"1.0.1", "1.0", 1},     {"2", "1.99.99", 1},     {"0.9.9", "1.0.0", -1},
        {"007.1", "7.1", 0},      {"1.0.0", "1.0.0", 0},   {"", "1.0.0", {}},       {"1..0", "1.0.0", {}},
        {"1.0.", "1.0.0", {}},    {".1", "1.0.0", {}},     {"1.0a", "1.0.0", {}},   {"-1", "1.0.0", {}},
        {"<html>", "1.0.0", {}},  {"1 .0", "1.0.0", {}},   {"1234567890", "1", {}}, {"1.2.3.4.5.6.7.8.9", "1", {}},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(std::string(row.site) + " vs " + row.running);
        const auto order = update::CompareVersions(row.site, row.running);
        EXPECT_EQ(order ? std::optional<int>((*order > 0) - (*order < 0)) : std::nullopt, row.order);
    }
}

TEST(VersionLine, TheLineIsAVersionACommaAndAName)
{
    // The body, and the version, name and path on the site joined by "|".
    const std::pair<std::string, std::optional<std::string>> rows[] = {
        {"1.0.1,Cyclane.dmg", "1.0.1|Cyclane.dmg|Cyclane.dmg"},
        {"1.0.1,files/Sub.dmg\r\n", "1.0.1|Sub.dmg|files/Sub.dmg"},
        {"1.0.1,a,b.dmg", "1.0.1|a,b.dmg|a,b.dmg"},         {" 1.0.1 ,x", "1.0.1|x|x"},
        {"1.0.1", {}},                              {"1.0.1,", {}},
        {",x.dmg", {}},                             {"<html><body>Not found</body></html>", {}},
        {"1.0.1,\r\n", {}},
        {"1.0.1," + std::string(update::kMaxVersionReply, 'a'), {}},
    };
    for (const auto& [body, expected] : rows) {
        const auto line = update::ParseVersionLine(body);
        EXPECT_EQ(line ? std::optional(line->version + "|" + line->fileName + "|" + line->sitePath) : std::nullopt,
                  expected)
            << body.substr(0, 40);
    }
}

std::string repeat(const std::string& text, int n)
{
    std::string out;
    for (int i = 0; i < n; ++i)
        out += text;
    return out;
}

TEST(DownloadName, HostileNamesBecomeOnePlainName)
{
    struct Row { std::string raw; std::optional<std::string> reduced; };
    const Row rows[] = {
        // The window's test drives the plainer hostile names end to end.
        {"/", {}}, {"x/..", {}}, {"\x7f\x01", {}}, {"...hidden", "hidden"}, {"a..b...dmg", "a.b.dmg"},
        {"  spaced  ", "spaced"},
        // Cut on a character boundary: 128 two-byte letters are 256 bytes.
        {repeat("\xC3\xA9", 128), repeat("\xC3\xA9", 127)},
        // Bytes that are no UTF-8 are replaced, and what shows nothing or
        // turns the text around goes.
        {std::string(300, '\xB6'), repeat("\uFFFD", 85)}, {"a\xF0\x9F\x98z\xC0\xAF", "a\uFFFDz\uFFFD\uFFFD"},
        {"\xED\xA0\x80.dmg", "\uFFFD\uFFFD\uFFFD.dmg"}, {"Update\u202Egpj.exe", "Updategpj.exe"},
        {"\u2067a\u200Fb\u061C\u200Bc\uFEFF\u00AD\u0085.\u2069", "abc."}, {"\u202E", {}}, {"\u00E9\U0001F600", "\u00E9\U0001F600"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.raw.substr(0, 40));
        EXPECT_EQ(update::ReduceFileName(row.raw), row.reduced);
    }
}

TEST(DownloadName, NumberedNamesGoBeforeTheExtensionAndFit)
{
    EXPECT_EQ(update::NumberedName("name", 12), "name (12)");
    const std::string full = std::string(251, 'n') + ".dmg";
    EXPECT_EQ(update::NumberedName(full, 2), std::string(247, 'n') + " (2).dmg");
    EXPECT_EQ(update::EncodePath("files/Cyclane 1.0.1+x%.dmg"), "files/Cyclane%201.0.1%2Bx%25.dmg");
}

} // namespace
