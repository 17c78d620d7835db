// SPDX-License-Identifier: GPL-3.0-or-later
#include "framework/core/text.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

using namespace fw;

namespace {
constexpr std::int64_t kHuge = std::numeric_limits<std::int64_t>::max();
constexpr std::int64_t kLow = std::numeric_limits<std::int64_t>::min();
constexpr double kInf = std::numeric_limits<double>::infinity();
} // namespace

TEST(Text, ValReadsTheLeadingNumber)
{
    const std::pair<const char*, double> rows[] = {
        {"28abc", 28}, {"", 0}, {"abc", 0}, {"-3", -3}, {" 12", 12}, {"\t 7 8", 7}, {"1e3", 1000},
        {".5", 0.5}, {"1e", 1}, {"1e+", 1}, {"1ex", 1}, {"-", 0}, {"+.", 0}, {".", 0}, {"- 3", 0}, {"1,5", 1},
        {"007", 7}, {"28/3/07", 28}, {"0x10", 0}, {"inf", 0}, {"nan", 0}, {"1e400", HUGE_VAL},
        {"-1e400", -HUGE_VAL}, {"1e-400", 0}, {"12345678901234567890", 12345678901234567890.0},
    };
    for (const auto& [text, expected] : rows)
        EXPECT_EQ(Val(text), expected) << text;
}

TEST(Text, StrWritesPlainDigits)
{
    const std::pair<double, const char*> rows[] = {
        {0, "0"}, {-0.0, "0"}, {28, "28"}, {-3, "-3"}, {3300000000.0, "3300000000"},
        {1e20, "100000000000000000000"}, {-0.5, "-0.5"}, {0.1, "0.1"}, {3.25, "3.25"},
        {1.0 / 3, "0.3333333333333333"}, {2147483648.5, "2147483648.5"}, {1e-7, "1e-07"}, {kInf, "inf"},
    };
    for (const auto& [value, expected] : rows) {
        EXPECT_EQ(Str(value), expected);
        EXPECT_TRUE(!std::isfinite(value) || Val(Str(value)) == value) << expected;
    }
    EXPECT_EQ(Str(std::int32_t(-2147483647 - 1)), "-2147483648");
    EXPECT_EQ(Str(std::int64_t(3300000000)), "3300000000");
}

TEST(Text, ToInt32TruncatesAndSaturates)
{
    constexpr std::int32_t kMin = -2147483647 - 1;
    const std::pair<double, std::int32_t> rows[] = {
        {2.9, 2}, {-2.9, -2}, {1e20, 2147483647}, {-1e20, kMin}, {std::nan(""), 0},
        {kInf, 2147483647}, {-kInf, kMin}, {-2147483648.9, kMin}, {-2147483648.0, kMin}, {-0.5, 0},
    };
    for (const auto& [value, expected] : rows)
        EXPECT_EQ(ToInt32(value), expected) << value;
}

TEST(Text, CharacterFunctionsCountCodePoints)
{
    // "Février" with é (2 bytes), then "日" (3 bytes) and "😀" (4 bytes).
    const std::string s = "F\xC3\xA9vrier \xE6\x97\xA5\xF0\x9F\x98\x80";
    const std::string tail = "\xE6\x97\xA5\xF0\x9F\x98\x80";
    EXPECT_EQ(Len(s), 10);
    EXPECT_EQ(Len(""), 0);
    EXPECT_EQ(Len("\xFF\xC3"), 2); // stray bytes count one each
    EXPECT_EQ(Len("\xE6\x97"), 2); // truncated sequence

    struct Row { std::int64_t start, length; std::string expected; };
    const Row mids[] = {
        {2, 1, "\xC3\xA9"}, {2, -1, s.substr(1)}, {9, 2, tail}, {9, 100, tail}, {11, 1, ""}, {3, 0, ""},
        {0, 2, "F"}, {-5, 7, "F"}, {kHuge, 5, ""}, {10, kHuge, "\xF0\x9F\x98\x80"}, {kLow, kHuge, ""},
        {1, kLow, s},
    };
    for (const Row& row : mids)
        EXPECT_EQ(Mid(s, row.start, row.length), row.expected) << row.start << "," << row.length;
    EXPECT_EQ(Mid("", 1, 1), "");

    const std::pair<std::int64_t, std::string> sides[] = {{0, ""}, {-1, ""}, {kLow, ""}, {2, tail}, {10, s}, {kHuge, s}};
    for (const auto& [count, right] : sides)
        EXPECT_EQ(Right(s, count), right) << count;
}

TEST(Text, TrimAndFields)
{
    EXPECT_EQ(Trim(" \t a b \r\n"), "a b");
    EXPECT_EQ(RTrim("  a "), "  a");
    EXPECT_EQ(Trim("   "), "");
    EXPECT_EQ(Trim("\xC2\xA0x"), "\xC2\xA0x"); // only ASCII blanks

    struct Row { const char* text; const char* sep; std::vector<std::string> fields; };
    const Row rows[] = {
        {"3/5/07", "/", {"3", "5", "07"}}, {"a,,b,", ",", {"a", "", "b", ""}}, {"abc", ",", {"abc"}},
        {"", ",", {}}, {"abc", "", {"abc"}}, {"a<br>b<br>c", "<br>", {"a", "b", "c"}},
        {"un\xC2\xB7" "deux", "\xC2\xB7", {"un", "deux"}},
    };
    for (const Row& row : rows)
        EXPECT_EQ(Split(row.text, row.sep), row.fields) << row.text;
}
