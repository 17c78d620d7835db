// SPDX-License-Identifier: GPL-3.0-or-later
#include "calendar/cycletable.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

using calendar::BuildCycleTable;
using calendar::CycleDayRecord;
using calendar::CycleSettings;

namespace {

// One character per cycle day, '.' for a blank phase or an empty mark.
std::string column(const std::vector<CycleDayRecord>& table, int c)
{
    std::string out;
    for (std::size_t d = 1; d + 1 < table.size(); ++d)
        out += table[d][std::size_t(c)] == " " || table[d][std::size_t(c)].empty() ? "." : table[d][std::size_t(c)];
    return out;
}

bool isBlank(const CycleDayRecord& r) { return r == CycleDayRecord{" ", "", "", "", ""}; }

std::set<int> range(int from, int to)
{
    std::set<int> s;
    for (int d = from; d <= to; ++d)
        s.insert(d);
    return s;
}

std::set<int> unite(std::set<int> a, const std::set<int>& b)
{
    a.insert(b.begin(), b.end());
    return a;
}

} // namespace

TEST(CycleTable, WorkedTablesAndEdges)
{
    struct Row {
        CycleSettings s;
        const char* phase;
        const char* avoid;
        const char* girl;
        const char* boy;
        const char* conceive;
    };
    const Row rows[] = {
        {{28, 14, 5, 5, 2}, "mmmmm....fffffoff...........", ".......xxxxxxxxxxxx.........",
         ".........ggxxxxxx...........", ".....xxxxxxxxxbbx...........", ".........ssssssss..........."},
        {{32, 12, 4, 3, 1}, "mmmm.............fffof..........", "...............xxxxxxxxx........",
         ".................ggxxxx.........", "....xxxxxxxxxxxxxxxxbbx.........", ".................sssss.........."},
        {{24, 14, 5, 5, 2}, "mmmmmfffffoff...........", "...xxxxxxxxxxxx.........", ".....ggxxxxxx...........",
         ".....xxxxxbbx...........", ".....ssssssss..........."},
        {{15, 8, 3, 3, 1}, "mmm.fffof......", "..xxxxxxxxx....", "....ggxxxx.....", "...xxxxbbx.....",
         "....sssss......"},
        {{40, 8, 7, 5, 3}, "mmmmmmm....................fffffofff....", ".........................xxxxxxxxxxxxx..",
         "...........................ggxxxxxx.....", ".......xxxxxxxxxxxxxxxxxxxxxxxxxbbx.....",
         "...........................sssssssss...."},
        // Menses, fertile days and luteal phase longer than the cycle: the
        // fertile days and ovulation keep their days, menses give way.
        {{20, 14, 5, 5, 2}, "mfffffoff...........", "xxxxxxxxxxx.........", ".ggxxxxxx...........",
         ".....xbbx...........", ".ssssssss..........."},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(testing::Message() << "C " << row.s.cycle << " L " << row.s.luteal);
        const auto table = BuildCycleTable(row.s);
        ASSERT_EQ(table.size(), std::size_t(row.s.cycle + 2));
        EXPECT_TRUE(isBlank(table.front()));
        EXPECT_TRUE(isBlank(table.back()));
        EXPECT_EQ(column(table, 0), row.phase);
        EXPECT_EQ(column(table, 1), row.avoid);
        EXPECT_EQ(column(table, 2), row.girl);
        EXPECT_EQ(column(table, 3), row.boy);
        EXPECT_EQ(column(table, 4), row.conceive);
    }
    EXPECT_EQ(CycleSettings{}.OvulationReference(), 16);
    EXPECT_EQ((CycleSettings{32, 12, 4, 3, 1}.OvulationReference()), 22);
}

// Every offered setting: the covered ones against a model made of the day
// rules' sets, and the invariants for all of them.
TEST(CycleTable, EverySettingAgainstTheDayRules)
{
    int covered = 0;
    for (int C = 15; C <= 40; ++C)
        for (int L = 8; L <= 20 && L < C; ++L)
            for (int M = 3; M <= 7; ++M)
                for (int A = 3; A <= 5; ++A)
                    for (int P = 1; P <= 3; ++P) {
                        SCOPED_TRACE(testing::Message() << C << " " << L << " " << M << " " << A << " " << P);
                        const auto table = BuildCycleTable({C, L, M, A, P});
                        ASSERT_EQ(table.size(), std::size_t(C + 2));
                        ASSERT_TRUE(isBlank(table.front()) && isBlank(table.back()));
                        const int D = C - L + 1;
                        const std::set<int> days = range(1, C);
                        const std::set<int> fertile = unite(range(D - A, D - 1), range(D + 1, D + P));

                        int ovulations = 0;
                        for (int d = 1; d <= C; ++d) {
                            const auto& r = table[std::size_t(d)];
                            ovulations += r[0] == "o";
                            if (r[3] == "b" && table[std::size_t(d - 1)][3] != "b") {
                                EXPECT_EQ(r[0], "o") << d;
                            }
                            if (r[4] == "s") {
                                EXPECT_TRUE(r[0] == "f" || r[0] == "o") << d;
                            }
                            if (fertile.count(d)) {
                                EXPECT_EQ(r[0], "f") << d;
                            }
                        }
                        EXPECT_EQ(ovulations, 1);

                        if (M + A + L > C)
                            continue;
                        ++covered;
                        struct Rule {
                            int column;
                            const char* code;
                            std::set<int> on;
                        };
                        const Rule rules[] = {
                            {0, "m", range(1, M)},
                            {0, "f", fertile},
                            {0, "o", {D}},
                            {1, "x", range(D - A - 2, D + P + 2)},
                            {2, "g", range(D - A, D - A + 1)},
                            {2, "x", range(D - A + 2, D + 2)},
                            {3, "b", range(D, D + 1)},
                            {3, "x", unite(range(M + 1, D - 1), {D + 2})},
                            {4, "s", range(D - A, D + P)},
                        };
                        for (int d : days)
                            for (int c = 0; c < 5; ++c) {
                                std::string expected = c == 0 ? " " : "";
                                for (const Rule& rule : rules)
                                    if (rule.column == c && rule.on.count(d)) {
                                        EXPECT_TRUE(expected == " " || expected.empty()) << "rules overlap";
                                        expected = rule.code;
                                    }
                                EXPECT_EQ(table[std::size_t(d)][std::size_t(c)], expected) << d << "/" << c;
                            }
                    }
    EXPECT_GT(covered, 1000);
}

TEST(CycleTable, TypedLengths)
{
    using calendar::CheckLengths;
    using calendar::LengthsProblem;
    using calendar::WholeNumberWithin;
    const std::string longText(10000, '9');
    struct Row {
        std::string text;
        std::optional<int> cycle; // within 15..40
        std::optional<int> luteal; // within 8..20
    };
    const Row rows[] = {
        {"28", 28, std::nullopt}, {" 15 ", 15, 15}, {"40", 40, std::nullopt}, {"8", std::nullopt, 8},
        {"20", 20, 20},           {"abc", {}, {}},  {"", {}, {}},               {"0", {}, {}},
        {"-3", {}, {}},           {"28.5", {}, {}}, {"999", {}, {}},            {"99999999", {}, {}},
        {longText, {}, {}},       {"14", {}, 14},   {"1e1", {}, {}},            {"+14", {}, {}},
        {"41", {}, {}},           {"7", {}, {}},    {"2 8", {}, {}},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.text.substr(0, 20));
        EXPECT_EQ(WholeNumberWithin(row.text, 15, 40), row.cycle);
        EXPECT_EQ(WholeNumberWithin(row.text, 8, 20), row.luteal);
    }
    EXPECT_EQ(CheckLengths(28, 14), LengthsProblem::None);
    EXPECT_EQ(CheckLengths(std::nullopt, 14), LengthsProblem::Cycle);
    EXPECT_EQ(CheckLengths(28, std::nullopt), LengthsProblem::Luteal);
    EXPECT_EQ(CheckLengths(16, 16), LengthsProblem::LutealNotShorter);
    EXPECT_EQ(CheckLengths(16, 17), LengthsProblem::LutealNotShorter);
    EXPECT_EQ(CheckLengths(17, 16), LengthsProblem::None);
}

TEST(CycleTable, ArrowSteps)
{
    using calendar::StepNumber;
    struct Row {
        std::string text;
        bool up;
        std::optional<std::string> expected;
    };
    const Row rows[] = {
        {"40", true, {}},   {"40", false, "39"}, {"15", false, {}},  {"15", true, "16"},
        {"50", true, {}},   {"50", false, "49"}, {"", false, {}},    {"", true, "1"},
        {"abc", true, "1"}, {"abc", false, {}},  {"28.5", true, "29.5"}, {"-3", true, "-2"},
        {std::string(10000, '9'), true, "1"}, {std::string(10000, '9'), false, {}},
    };
    for (const Row& row : rows)
        EXPECT_EQ(StepNumber(row.text, row.up, 15, 40), row.expected) << row.text.substr(0, 10) << row.up;
}
