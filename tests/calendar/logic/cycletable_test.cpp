// SPDX-License-Identifier: GPL-3.0-or-later
#include "calendar/logic/cycletable.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

using namespace calendar;

namespace {

// One character per cycle day of a column, '.' for a blank phase or mark.
std::string column(const std::vector<CycleDayRecord>& table, std::size_t c)
{
    std::string out;
    for (std::size_t d = 1; d + 1 < table.size(); ++d)
        out += table[d][c] == " " || table[d][c].empty() ? "." : table[d][c];
    return out;
}

bool isBlank(const CycleDayRecord& r) { return r == CycleDayRecord{" ", "", "", "", ""}; }

std::set<int> range(int from, int to, std::set<int> also = {})
{
    for (int d = from; d <= to; ++d)
        also.insert(d);
    return also;
}

} // namespace

// Phase, avoid, girl, boy and conceive columns, day by day, of a cycle too
// short for its menses, fertile days and luteal phase (the model below covers
// the settings where they fit): fertile days and ovulation keep their days,
// menses give way.
TEST(CycleTable, WorkedTableOfAnOverfullCycle)
{
    const auto table = BuildCycleTable({20, 14, 5, 5, 2});
    const char* columns[5] = {"mfffffoff...........", "xxxxxxxxxxx.........", ".ggxxxxxx...........",
                              ".....xbbx...........", ".ssssssss..........."};
    ASSERT_EQ(table.size(), 22u);
    for (std::size_t c = 0; c < 5; ++c)
        EXPECT_EQ(column(table, c), columns[c]) << c;
    EXPECT_EQ(CycleSettings{}.OvulationReference(), 16);
}

// Every offered setting: invariants for all, and the covered ones
// (M + A + L <= C) against a model made of the day rules' sets.
TEST(CycleTable, EverySettingAgainstTheDayRules)
{
    int covered = 0;
    for (int C = 15; C <= 40; ++C)
        for (int L = 8; L < C && L <= 20; ++L)
            for (int M = 3; M <= 7; ++M)
                for (int A = 3; A <= 5; ++A)
                    for (int P = 1; P <= 3; ++P) {
                        SCOPED_TRACE(testing::Message() << C << " " << L << " " << M << " " << A << " " << P);
                        const auto table = BuildCycleTable({C, L, M, A, P});
                        ASSERT_EQ(table.size(), std::size_t(C + 2));
                        ASSERT_TRUE(isBlank(table.front()) && isBlank(table.back()));
                        const int D = C - L + 1;
                        const std::set<int> fertile = range(D - A, D - 1, range(D + 1, D + P));
                        int ovulations = 0;
                        for (int d = 1; d <= C; ++d) {
                            const auto& r = table[std::size_t(d)];
                            ovulations += r[0] == "o";
                            const bool bStarts = r[3] == "b" && table[std::size_t(d - 1)][3] != "b";
                            EXPECT_TRUE(!bStarts || r[0] == "o") << d;
                            EXPECT_TRUE(r[4] != "s" || r[0] == "f" || r[0] == "o") << d;
                            EXPECT_TRUE(!fertile.count(d) || r[0] == "f") << d;
                        }
                        EXPECT_EQ(ovulations, 1);
                        if (M + A + L > C)
                            continue;
                        ++covered;
                        const std::pair<std::string, std::set<int>> rules[5][2] = {
                            {{"m", range(1, M)}, {"f", fertile}},
                            {{"x", range(D - A - 2, D + P + 2)}, {}},
                            {{"g", range(D - A, D - A + 1)}, {"x", range(D - A + 2, D + 2)}},
                            {{"b", range(D, D + 1)}, {"x", range(M + 1, D - 1, {D + 2})}},
                            {{"s", range(D - A, D + P)}, {}},
                        };
                        for (int d = 1; d <= C; ++d)
                            for (std::size_t c = 0; c < 5; ++c) {
                                std::string expected = c == 0 ? (d == D ? "o" : " ") : "";
                                for (const auto& [code, on] : rules[c])
                                    if (on.count(d)) {
                                        EXPECT_TRUE(expected == " " || expected.empty()) << "rules overlap";
                                        expected = code;
                                    }
                                EXPECT_EQ(table[std::size_t(d)][c], expected) << d << "/" << c;
                            }
                    }
    EXPECT_GT(covered, 1000);
}

// What Calculate accepts as a cycle length (15 to 40) and what the arrows
// make of the same text.
TEST(CycleTable, TypedTextAndArrows)
{
    const std::string huge(10000, '9');
    struct Row {
        std::string text;
        std::optional<int> accepted;
        std::optional<std::string> up, down;
    };
    const Row rows[] = {
        {"28", 28, "29", "27"},   {" 15 ", 15, "16", {}},  {"40", 40, {}, "39"},  {"41", {}, {}, "40"},
        {"50", {}, {}, "49"},     {"", {}, "1", {}},       {"abc", {}, "1", {}},  {"0", {}, "1", {}},
        {"-3", {}, "-2", {}},     {"28.5", {}, "29.5", "27.5"}, {"999", {}, {}, "998"},
        {"99999999", {}, {}, "99999998"}, {huge, {}, "1", {}}, {"+20", {}, "21", "19"}, {"2 8", {}, "3", {}},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.text.substr(0, 12));
        EXPECT_EQ(WholeNumberWithin(row.text, 15, 40), row.accepted);
        EXPECT_EQ(StepNumber(row.text, true, 15, 40), row.up);
        EXPECT_EQ(StepNumber(row.text, false, 15, 40), row.down);
    }
    EXPECT_EQ(CheckLengths(28, 14), LengthsProblem::None);
    EXPECT_EQ(CheckLengths(std::nullopt, 14), LengthsProblem::Cycle);
    EXPECT_EQ(CheckLengths(28, std::nullopt), LengthsProblem::Luteal);
    EXPECT_EQ(CheckLengths(16, 16), LengthsProblem::LutealNotShorter);
}
