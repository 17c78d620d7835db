// SPDX-License-Identifier: GPL-3.0-or-later
#include "framework/core/text.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

using namespace fw;

namespace {
constexpr std::int64_t kHuge = std::numeric_limits<std::int64_t>::max();
constexpr std::int64_t kLow = std::numeric_limits<std::int64_t>::min();
} // namespace

TEST(Text, ValReadsTheLeadingNumber)
{
    struct Row { const char* text; double expected; };
    const Row rows[] = {
        {"28abc", 28}, {"", 0}, {"abc", 0}, {"-3", -3}, {" 12", 12}, {"\t 7 8", 7}, {"1e3", 1000}, {".5", 0.5},
        {"1e", 1}, {"1e+", 1}, {"1ex", 1}, {"-", 0}, {"+.", 0}, {".", 0}, {"- 3", 0}, {"1,5", 1},
        {"007", 7}, {"28/3/07", 28}, {"0x10", 0}, {"inf", 0}, {"nan", 0}, {"1e400", HUGE_VAL},
        {"-1e400", -HUGE_VAL}, {"1e-400", 0}, {"12345678901234567890", 12345678901234567890.0},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.text);
        EXPECT_EQ(Val(row.text), row.expected);
    }
}

TEST(Text, StrWritesPlainDigits)
{
    struct Row { double value; const char* expected; };
    const Row rows[] = {
        {0, "0"}, {-0.0, "0"}, {28, "28"}, {-3, "-3"}, {3300000000.0, "3300000000"},
        {1e20, "100000000000000000000"}, {-0.5, "-0.5"}, {0.1, "0.1"}, {3.25, "3.25"},
        {1.0 / 3, "0.3333333333333333"}, {2147483648.5, "2147483648.5"}, {1e-7, "1e-07"},
        {std::numeric_limits<double>::infinity(), "inf"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.expected);
        EXPECT_EQ(Str(row.value), row.expected);
        if (std::isfinite(row.value)) {
            EXPECT_EQ(Val(Str(row.value)), row.value);
        }
    }
    EXPECT_EQ(Str(std::int32_t(-2147483647 - 1)), "-2147483648");
    EXPECT_EQ(Str(std::int64_t(3300000000)), "3300000000");
}

TEST(Text, ToInt32TruncatesAndSaturates)
{
    struct Row { const char* name; double value; std::int32_t expected; };
    const Row rows[] = {
        {"positive fraction", 2.9, 2},
        {"negative fraction", -2.9, -2},
        {"1e20", 1e20, 2147483647},
        {"-1e20", -1e20, -2147483647 - 1},
        {"NaN", std::nan(""), 0},
        {"infinity", std::numeric_limits<double>::infinity(), 2147483647},
        {"minus infinity", -std::numeric_limits<double>::infinity(), -2147483647 - 1},
        {"just above min", -2147483648.9, -2147483647 - 1},
        {"min exactly", -2147483648.0, -2147483647 - 1},
        {"minus half", -0.5, 0},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        EXPECT_EQ(ToInt32(row.value), row.expected);
    }
}

TEST(Text, CharacterFunctionsCountCodePoints)
{
    // "Février" with é (2 bytes), then "日" (3 bytes) and "😀" (4 bytes).
    const std::string s = "F\xC3\xA9vrier \xE6\x97\xA5\xF0\x9F\x98\x80";
    EXPECT_EQ(Len(s), 10);
    EXPECT_EQ(Len(""), 0);
    EXPECT_EQ(Len("\xFF\xC3"), 2); // stray bytes count one each
    EXPECT_EQ(Len("\xE6\x97"), 2); // truncated sequence

    struct Row { const char* name; std::int64_t start, length; const char* expected; };
    const Row mids[] = {
        {"second character", 2, 1, "\xC3\xA9"},
        {"from 2 on", 2, -1, "\xC3\xA9vrier \xE6\x97\xA5\xF0\x9F\x98\x80"},
        {"last two", 9, 2, "\xE6\x97\xA5\xF0\x9F\x98\x80"},
        {"past the end", 9, 100, "\xE6\x97\xA5\xF0\x9F\x98\x80"},
        {"start past the end", 11, 1, ""},
        {"zero length", 3, 0, ""},
        {"start 0 keeps what lies inside", 0, 2, "F"},
        {"negative start", -5, 7, "F"},
        {"huge start", kHuge, 5, ""},
        {"huge length", 10, kHuge, "\xF0\x9F\x98\x80"},
        {"lowest start", kLow, kHuge, ""},
        {"lowest length", 1, kLow, "F\xC3\xA9vrier \xE6\x97\xA5\xF0\x9F\x98\x80"},
    };
    for (const Row& row : mids) {
        SCOPED_TRACE(row.name);
        EXPECT_EQ(Mid(s, row.start, row.length), row.expected);
    }
    EXPECT_EQ(Mid("", 1, 1), "");

    struct Side { std::int64_t count; const char* left; const char* right; };
    const Side sides[] = {
        {0, "", ""},
        {-1, "", ""},
        {kLow, "", ""},
        {2, "F\xC3\xA9", "\xE6\x97\xA5\xF0\x9F\x98\x80"},
        {10, "F\xC3\xA9vrier \xE6\x97\xA5\xF0\x9F\x98\x80", "F\xC3\xA9vrier \xE6\x97\xA5\xF0\x9F\x98\x80"},
        {kHuge, "F\xC3\xA9vrier \xE6\x97\xA5\xF0\x9F\x98\x80", "F\xC3\xA9vrier \xE6\x97\xA5\xF0\x9F\x98\x80"},
    };
    for (const Side& row : sides) {
        SCOPED_TRACE(row.count);
        EXPECT_EQ(Left(s, row.count), row.left);
        EXPECT_EQ(Right(s, row.count), row.right);
    }
    EXPECT_EQ(Right("3/5/2007", 2), "07");
}

TEST(Text, InStrGivesCharacterPositions)
{
    const std::string s = "\xC3\xA9t\xC3\xA9, \xC3\xA9t\xC3\xA9"; // "été, été"
    struct Row { const char* name; std::int64_t start; std::string find; std::int64_t expected; };
    const Row rows[] = {
        {"first", 1, "t", 2},
        {"after a two-byte character", 1, ",", 4},
        {"non-ASCII needle", 2, "\xC3\xA9", 3},
        {"absent", 1, "x", 0},
        {"empty needle", 1, "", 0},
        {"start 0", 0, "t", 2},
        {"negative start", kLow, "t", 2},
        {"start past the end", 9, "t", 0},
        {"huge start", kHuge, "t", 0},
        {"case matters", 1, "\xC3\x89", 0},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        EXPECT_EQ(InStr(row.start, s, row.find), row.expected);
    }
    EXPECT_EQ(InStr("5,12", ","), 2);
    EXPECT_EQ(InStr("", "a"), 0);
}

TEST(Text, TrimFieldsAndReplace)
{
    EXPECT_EQ(Trim(" \t a b \r\n"), "a b");
    EXPECT_EQ(LTrim("  a "), "a ");
    EXPECT_EQ(RTrim("  a "), "  a");
    EXPECT_EQ(Trim("   "), "");
    EXPECT_EQ(Trim("\xC2\xA0x"), "\xC2\xA0x"); // only ASCII blanks

    struct Row { const char* name; const char* text; const char* sep; std::vector<std::string> fields; };
    const Row rows[] = {
        {"date text", "3/5/07", "/", {"3", "5", "07"}},
        {"empty fields", "a,,b,", ",", {"a", "", "b", ""}},
        {"no separator", "abc", ",", {"abc"}},
        {"empty text", "", ",", {}},
        {"empty separator", "abc", "", {"abc"}},
        {"long separator", "a<br>b<br>c", "<br>", {"a", "b", "c"}},
        {"non-ASCII separator", "un\xC2\xB7" "deux", "\xC2\xB7", {"un", "deux"}},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        EXPECT_EQ(Split(row.text, row.sep), row.fields);
        EXPECT_EQ(CountFields(row.text, row.sep), std::int64_t(row.fields.size()));
        for (std::size_t i = 0; i < row.fields.size(); ++i)
            EXPECT_EQ(NthField(row.text, row.sep, std::int64_t(i) + 1), row.fields[i]);
        EXPECT_EQ(NthField(row.text, row.sep, 0), "");
        EXPECT_EQ(NthField(row.text, row.sep, std::int64_t(row.fields.size()) + 1), "");
        EXPECT_EQ(NthField(row.text, row.sep, kLow), "");
        EXPECT_EQ(NthField(row.text, row.sep, kHuge), "");
    }

    EXPECT_EQ(ReplaceAll("a\rb\rc", "\r", "<br>"), "a<br>b<br>c");
    EXPECT_EQ(ReplaceAll("aaa", "aa", "b"), "ba");
    EXPECT_EQ(ReplaceAll("abc", "", "x"), "abc");
    EXPECT_EQ(ReplaceAll("abc", "b", ""), "ac");
    EXPECT_EQ(ReplaceAll("", "b", "x"), "");
    EXPECT_EQ(ReplaceAll("aXa", "a", "aa"), "aaXaa");
}
