// SPDX-License-Identifier: GPL-3.0-or-later
#include "calendar/logic/datetext.h"
#include "support/scopedtable.h"

#include <gtest/gtest.h>

#include <string>

// Names are cut by characters, not bytes; a month outside the year, or one
// that a short table lacks, has no name.
TEST(DateText, MonthNames)
{
    const std::string full = "Janvier   Février   Mars      Avril     Mai       Juin      "
                             "Juillet   Août      Septembre Octobre   Novembre  Décembre  ";
    struct Row { const char* table; std::int32_t month; const char* expected; };
    const Row rows[] = {{"full", 2, "Février"}, {"full", 9, "Septembre"}, {"full", 12, "Décembre"},
                        {"full", 0, ""},        {"full", 13, ""},          {"full", -1, ""},
                        {"full", 2147483647, ""}, {"full", -2147483647 - 1, ""},
                        {"short", 3, "Mar"},    {"short", 4, ""},          {"short", 13, ""}};
    for (const Row& row : rows) {
        const std::string names = std::string(row.table) == "full" ? full : "Janvier   Février   Mar";
        const testenv::ScopedTable table(row.table, {{"Textos.k300", names}});
        EXPECT_EQ(Module1::mes(row.month), row.expected) << row.table << " " << row.month;
    }
}
