// SPDX-License-Identifier: GPL-3.0-or-later
#include "calendar/datetext.h"
#include "framework/core/localization.h"
#include "support/testenv.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>

using fw::Date;

namespace {

// Pins the clock to one moment for the test's lifetime.
class ScopedClock {
public:
    explicit ScopedClock(const Date& moment)
    {
        const auto seconds = std::int64_t(moment.TotalSeconds());
        Date::SetClock([seconds] { return seconds; });
    }
    ~ScopedClock() { Date::SetClock({}); }
    ScopedClock(const ScopedClock&) = delete;
    ScopedClock& operator=(const ScopedClock&) = delete;
};

// A month table ("Textos.k300") for a language of its own, in use for the
// test's lifetime.
class ScopedMonthTable {
public:
    ScopedMonthTable(const std::string& language, const std::string& months)
    {
        const std::filesystem::path folder = m_folders.home() / "l10n";
        std::filesystem::create_directories(folder);
        std::ofstream(folder / (language + ".json"), std::ios::binary)
            << "{\"Textos.k300\": \"" << months << "\"}\n";
        fw::SetLocalizationFolder(folder.string());
        fw::SetLocalizationLanguage(language);
    }
    ~ScopedMonthTable()
    {
        fw::SetLocalizationFolder("");
        fw::SetLocalizationLanguage("");
    }
    ScopedMonthTable(const ScopedMonthTable&) = delete;
    ScopedMonthTable& operator=(const ScopedMonthTable&) = delete;

private:
    testenv::TempFolders m_folders;
};

struct Ymd {
    std::int32_t year, month, day;
};

void expectDate(const Date& d, Ymd expected)
{
    EXPECT_EQ(d.Year(), expected.year);
    EXPECT_EQ(d.Month(), expected.month);
    EXPECT_EQ(d.Day(), expected.day);
}

} // namespace

TEST(DateText, HoyWritesMonthDayAndTwoDigitYear)
{
    struct Row {
        const char* name;
        Date now;
        const char* expected;
    };
    const Row rows[] = {
        {"5 March 2007", Date(2007, 3, 5, 9, 0, 0), "3/5/07"},
        {"1 January 2000", Date(2000, 1, 1, 0, 0, 0), "1/1/00"},
        {"12 November 2009", Date(2009, 11, 12, 23, 59, 59), "11/12/09"},
        {"31 December 1999", Date(1999, 12, 31, 12, 0, 0), "12/31/99"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        const ScopedClock clock(row.now);
        EXPECT_EQ(Module1::hoy(), row.expected);
    }
}

TEST(DateText, Str2dateReadsTheThreeWrittenForms)
{
    struct Row {
        const char* text;
        Ymd expected;
    };
    const Row rows[] = {
        {"3/1/2007", {2007, 3, 1}},  {"3/01/07", {2007, 3, 1}},   {"3/1/07", {2007, 3, 1}},
        {"3/5/07", {2007, 3, 5}},    {"11/12/09", {2009, 11, 12}}, {"2/29/04", {2004, 2, 29}},
        {"1/1/50", {2050, 1, 1}},    {"1/1/51", {1951, 1, 1}},    {"1/1/00", {2000, 1, 1}},
        {"12/31/99", {1999, 12, 31}}, {"1/1/2051", {1951, 1, 1}}, {"6/15/1999", {1999, 6, 15}},
        {"10/31/2050", {2050, 10, 31}},
    };
    const ScopedClock clock(Date(2007, 6, 15, 14, 5, 9));
    for (const Row& row : rows) {
        SCOPED_TRACE(row.text);
        const Date d = Module1::Str2date(row.text);
        expectDate(d, row.expected);
        EXPECT_EQ(d.Hour(), 14);
        EXPECT_EQ(d.Minute(), 5);
        EXPECT_EQ(d.Second(), 9);
    }
}

TEST(DateText, Str2dateDoesNotDependOnTodaysDayOfMonth)
{
    struct Row {
        const char* name;
        Date today;
    };
    const Row rows[] = {
        {"29 January", Date(2007, 1, 29, 8, 0, 0)}, {"30 January", Date(2007, 1, 30, 8, 0, 0)},
        {"31 January", Date(2007, 1, 31, 8, 0, 0)}, {"31 March", Date(2007, 3, 31, 8, 0, 0)},
        {"29 February", Date(2008, 2, 29, 8, 0, 0)}, {"31 December", Date(2006, 12, 31, 8, 0, 0)},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        const ScopedClock clock(row.today);
        expectDate(Module1::Str2date("2/01/07"), {2007, 2, 1});
        expectDate(Module1::Str2date("4/1/07"), {2007, 4, 1});
        expectDate(Module1::Str2date("2/28/07"), {2007, 2, 28});
        EXPECT_EQ(Module1::durames("4/1/07"), 30);
        EXPECT_EQ(Module1::durames("2/01/07"), 28);
    }
}

TEST(DateText, MalformedTextsCarryLikeTheDateSetters)
{
    struct Row {
        const char* text;
        Ymd expected;
    };
    const Row rows[] = {
        {"13/1/07", {2008, 1, 1}},   // month 13 is January after
        {"0/1/07", {2006, 12, 1}},   // month 0 is December before
        {"2/30/07", {2007, 3, 2}},   // past the month's end
        {"2/0/07", {2007, 1, 31}},   // day 0 is the day before the first
        {"", {1999, 11, 30}},        // month 0, day 0 of 2000
        {"7", {2006, 12, 7}},        // no "/": month 0, day 7, year 07
        {"/", {1999, 11, 30}},
        {"a/b/cd", {1999, 11, 30}},
        {"3/5/7", {2000, 3, 5}},     // "/7" reads 0
        {"-2/10/07", {2006, 10, 10}},
    };
    const ScopedClock clock(Date(2007, 1, 31, 10, 0, 0));
    for (const Row& row : rows) {
        SCOPED_TRACE(row.text);
        expectDate(Module1::Str2date(row.text), row.expected);
    }
    // Numbers beyond Int32 saturate; the date stays within its range.
    for (const char* huge : {"99999999999/1/07", "1/99999999999/07", "-99999999999/-99999999999/07"}) {
        SCOPED_TRACE(huge);
        const Date d = Module1::Str2date(huge);
        EXPECT_GE(d.Year(), 1);
        EXPECT_LE(d.Year(), 9999);
        EXPECT_GE(Module1::durames(huge), 28);
        EXPECT_GE(Module1::primero(huge), 1);
        EXPECT_FALSE(Module1::mes(huge).empty());
    }
}

TEST(DateText, YearIsTheFourDigitYear)
{
    struct Row {
        const char* text;
        const char* expected;
    };
    const Row rows[] = {
        {"3/5/07", "2007"}, {"1/1/2051", "1951"}, {"1/1/50", "2050"}, {"1/1/51", "1951"},
        {"1/1/00", "2000"}, {"12/31/99", "1999"}, {"13/1/07", "2008"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.text);
        EXPECT_EQ(Module1::year(row.text), row.expected);
    }
}

TEST(DateText, DuramesCountsTheDaysOfTheMonth)
{
    struct Row {
        const char* text;
        std::int32_t expected;
    };
    const Row rows[] = {
        {"2/1/00", 29},  {"2/1/04", 29},  {"2/1/07", 28},  {"2/1/08", 29},  {"2/1/50", 28},
        {"2/1/52", 29},  {"2/1/2096", 29}, {"2/1/99", 28}, {"1/1/07", 31},  {"3/1/07", 31},
        {"4/1/07", 30},  {"5/1/07", 31},  {"6/1/07", 30},  {"7/1/07", 31},  {"8/1/07", 31},
        {"9/1/07", 30},  {"10/1/07", 31}, {"11/1/07", 30}, {"12/1/07", 31}, {"1/1/08", 31},
        {"3/1/08", 31},  {"12/1/08", 31},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.text);
        EXPECT_EQ(Module1::durames(row.text), row.expected);
    }
}

TEST(DateText, PrimeroIsTheWeekdayOfTheFirst)
{
    struct Row {
        const char* text;
        std::int32_t expected;
    };
    const Row rows[] = {
        {"3/5/07", 5},   // 1 March 2007, a Thursday
        {"4/20/07", 1},  // a Sunday
        {"9/1/07", 7},   // a Saturday
        {"12/31/07", 7}, // 1 December 2007
        {"1/1/08", 3},   // the next year begins on a Tuesday
        {"12/1/06", 6},
        {"1/15/00", 7},
        {"2/29/00", 3},
        {"1/1/2051", 2}, // January 1951
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.text);
        EXPECT_EQ(Module1::primero(row.text), row.expected);
    }
}

TEST(DateText, MonthNamesFromTheDefaultTable)
{
    struct Row {
        const char* text;
        const char* expected;
    };
    const Row rows[] = {
        {"1/1/07", "January"}, {"5/1/07", "May"}, {"9/1/07", "September"}, {"12/1/07", "December"},
        {"13/1/07", "January"}, {"0/1/07", "December"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.text);
        EXPECT_EQ(Module1::mes(row.text), row.expected);
    }
    const char* const names[] = {"January", "February", "March",     "April",   "May",      "June",
                                 "July",    "August",   "September", "October", "November", "December"};
    for (std::int32_t m = 1; m <= 12; ++m) {
        SCOPED_TRACE(m);
        EXPECT_EQ(Module1::mes(m), names[m - 1]);
    }
    for (const std::int32_t outside : {0, 13, -1, 2147483647, -2147483647 - 1})
        EXPECT_EQ(Module1::mes(outside), "") << outside;
}

TEST(DateText, MonthNamesCountCharactersNotBytes)
{
    const ScopedMonthTable table(
        "fr", "Janvier   Février   Mars      Avril     Mai       Juin      Juillet   Août      Septembre Octobre   "
              "Novembre  Décembre  ");
    struct Row {
        const char* text;
        const char* expected;
    };
    const Row rows[] = {
        {"1/1/07", "Janvier"}, {"2/1/07", "Février"}, {"3/1/07", "Mars"},       {"5/1/07", "Mai"},
        {"8/1/07", "Août"},    {"9/1/07", "Septembre"}, {"10/1/07", "Octobre"}, {"12/1/07", "Décembre"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.text);
        EXPECT_EQ(Module1::mes(row.text), row.expected);
    }
}

TEST(DateText, AShortTableGivesNoNameForTheMissingMonths)
{
    const ScopedMonthTable table("fr_short", "Janvier   Février   Mar");
    struct Row {
        std::int32_t month;
        const char* expected;
    };
    const Row rows[] = {{1, "Janvier"}, {2, "Février"}, {3, "Mar"}, {4, ""}, {12, ""}, {13, ""}};
    for (const Row& row : rows) {
        SCOPED_TRACE(row.month);
        EXPECT_EQ(Module1::mes(row.month), row.expected);
    }
    EXPECT_EQ(Module1::mes("12/1/07"), "");
}
