// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/textos.h"
#include "framework/core/localization.h"
#include "framework/core/text.h"
#include "support/testenv.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <set>
#include <string>
#include <utility>
#include <vector>

namespace {

using Getter = std::string (*)();

struct Constant {
    const char* name;
    Getter get;
};

const Constant kAll[] = {
    {"k002", &Textos::k002}, {"k013", &Textos::k013}, {"k014", &Textos::k014},
    {"k200", &Textos::k200}, {"k201", &Textos::k201}, {"k202", &Textos::k202}, {"k203", &Textos::k203},
    {"k204", &Textos::k204}, {"k205", &Textos::k205}, {"k207", &Textos::k207}, {"k208", &Textos::k208},
    {"k300", &Textos::k300}, {"k301", &Textos::k301}, {"k302", &Textos::k302}, {"k303", &Textos::k303},
    {"k304", &Textos::k304}, {"k305", &Textos::k305}, {"k306", &Textos::k306}, {"k307", &Textos::k307},
    {"k308", &Textos::k308}, {"k309", &Textos::k309}, {"k310", &Textos::k310}, {"k311", &Textos::k311},
    {"k312", &Textos::k312}, {"k313", &Textos::k313}, {"k314", &Textos::k314}, {"k315", &Textos::k315},
    {"k316", &Textos::k316}, {"k317", &Textos::k317}, {"k318", &Textos::k318}, {"k319", &Textos::k319},
    {"k321", &Textos::k321}, {"k322", &Textos::k322}, {"k323", &Textos::k323}, {"k324", &Textos::k324},
    {"k325", &Textos::k325}, {"k326", &Textos::k326}, {"k327", &Textos::k327}, {"k328", &Textos::k328},
    {"k330", &Textos::k330}, {"k331", &Textos::k331}, {"k332", &Textos::k332}, {"k333", &Textos::k333},
    {"k334", &Textos::k334}, {"k335", &Textos::k335},
    {"k500", &Textos::k500}, {"k501", &Textos::k501}, {"k502", &Textos::k502},
    {"k700", &Textos::k700}, {"k701", &Textos::k701}, {"k702", &Textos::k702}, {"k703", &Textos::k703},
    {"k704", &Textos::k704}, {"k705", &Textos::k705}, {"k706", &Textos::k706}, {"k710", &Textos::k710},
    {"k711", &Textos::k711}, {"k904", &Textos::k904},
    {"kAppAboutBoxDescription", &Textos::kAppAboutBoxDescription},
    {"kAppAboutBoxCredits", &Textos::kAppAboutBoxCredits},
    {"kayuda00", &Textos::kayuda00}, {"kayuda01", &Textos::kayuda01}, {"kayuda02", &Textos::kayuda02},
    {"kayuda04", &Textos::kayuda04}, {"kayuda05", &Textos::kayuda05}, {"kayuda06", &Textos::kayuda06},
    {"kayuda08", &Textos::kayuda08}, {"kayuda09", &Textos::kayuda09}, {"kayuda10", &Textos::kayuda10},
};

std::string joinLines(const std::vector<std::string>& lines, bool crAfterLast)
{
    std::string text;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        text += lines[i];
        if (crAfterLast || i + 1 < lines.size())
            text += '\r';
    }
    return text;
}

std::string jsonString(const std::string& text)
{
    std::string out = "\"";
    for (const char c : text) {
        switch (c) {
        case '"': out += "\\\""; break;
        case '\\': out += "\\\\"; break;
        case '\r': out += "\\r"; break;
        case '\t': out += "\\t"; break;
        default: out += c;
        }
    }
    return out + "\"";
}

// A language table in a folder of its own, in use for the test's lifetime.
class ScopedTable {
public:
    ScopedTable(const std::string& language, const std::vector<std::pair<std::string, std::string>>& entries)
    {
        const std::filesystem::path folder = m_folders.home() / "l10n";
        std::filesystem::create_directories(folder);
        std::ofstream file(folder / (language + ".json"), std::ios::binary);
        file << "{";
        for (std::size_t i = 0; i < entries.size(); ++i)
            file << (i ? ",\n" : "\n") << jsonString(entries[i].first) << ": " << jsonString(entries[i].second);
        file << "\n}\n";
        file.close();
        fw::SetLocalizationFolder(folder.string());
        fw::SetLocalizationLanguage(language);
    }
    ~ScopedTable()
    {
        fw::SetLocalizationFolder("");
        fw::SetLocalizationLanguage("");
    }
    ScopedTable(const ScopedTable&) = delete;
    ScopedTable& operator=(const ScopedTable&) = delete;

private:
    testenv::TempFolders m_folders;
};

// True when a CR stands between two characters of running text: the help
// renderer deletes CRs, so the two words would be joined.
bool joinsWords(const std::string& page)
{
    for (std::size_t i = 1; i + 1 < page.size(); ++i) {
        if (page[i] != '\r')
            continue;
        const char before = page[i - 1];
        const char after = page[i + 1];
        const bool openBefore = before != ' ' && before != '\t' && before != '\r' && before != '>';
        const bool openAfter = after != ' ' && after != '\t' && after != '\r' && after != '<';
        if (openBefore && openAfter)
            return true;
    }
    return false;
}

std::size_t count(const std::string& text, const std::string& part)
{
    std::size_t n = 0;
    for (auto at = text.find(part); at != std::string::npos; at = text.find(part, at + part.size()))
        ++n;
    return n;
}

bool isDigit(char c) { return c >= '0' && c <= '9'; }

// "1. TITLE IN CAPITALS"
bool isSectionHeading(const std::string& line)
{
    if (line.size() < 4 || line[0] < '1' || line[0] > '6' || line.compare(1, 2, ". ") != 0)
        return false;
    return std::all_of(line.begin() + 3, line.end(), [](char c) { return c == ' ' || (c >= 'A' && c <= 'Z'); });
}

// "YYYY-YYYY" somewhere in the text.
bool holdsYearRange(const std::string& text)
{
    for (std::size_t i = 0; i + 9 <= text.size(); ++i)
        if (std::all_of(text.begin() + i, text.begin() + i + 4, isDigit) && text[i + 4] == '-' &&
            std::all_of(text.begin() + i + 5, text.begin() + i + 9, isDigit))
            return true;
    return false;
}

const char* const kDoctype = "<!DOCTYPE html PUBLIC \"-//W3C//DTD HTML 4.01 Transitional//EN\">\r";

} // namespace

TEST(Textos, TheTableHoldsSixtyNineDistinctConstants)
{
    std::set<std::string> names;
    for (const Constant& c : kAll)
        names.insert(c.name);
    EXPECT_EQ(std::size(kAll), 69u);
    EXPECT_EQ(names.size(), 69u);
}

TEST(Textos, ShortDefaultsAreExact)
{
    struct Row {
        const char* name;
        Getter get;
        std::string expected;
        std::int64_t characters;
    };
    const Row rows[] = {
        {"k002", &Textos::k002, "Ok", 2},
        {"k014", &Textos::k014, "An unknown error ocurred while trying to reach the internet. (are we connected?)", 80},
        {"k200", &Textos::k200, "Preferences", 11},
        {"k201", &Textos::k201, "Menses Average Length", 21},
        {"k202", &Textos::k202, "Fertile Days", 12},
        {"k203", &Textos::k203, "Pre-ovulation", 13},
        {"k204", &Textos::k204, "Post-ovulation", 14},
        {"k205", &Textos::k205, "Show disclaimer at startup", 26},
        {"k207", &Textos::k207, "Enable help tips ballons", 24},
        {"k208", &Textos::k208, "Check for updates at startup", 28},
        {"k300", &Textos::k300,
         "January   February  March     April     May       June      July      August    September October   November  December",
         118},
        {"k301", &Textos::k301, "Sun", 3},
        {"k302", &Textos::k302, "Mon", 3},
        {"k303", &Textos::k303, "Tue", 3},
        {"k304", &Textos::k304, "Wed", 3},
        {"k305", &Textos::k305, "Thu", 3},
        {"k306", &Textos::k306, "Fri", 3},
        {"k307", &Textos::k307, "Sat", 3},
        {"k308", &Textos::k308, "Legend", 6},
        {"k309", &Textos::k309, "Today", 5},
        {"k310", &Textos::k310, "Menses", 6},
        {"k311", &Textos::k311, "Ovulation", 9},
        {"k312", &Textos::k312, "Fertile day", 11},
        {"k313", &Textos::k313, "Sex", 3},
        {"k314", &Textos::k314, "Sex for Boy", 11},
        {"k315", &Textos::k315, "Sex for Girl", 12},
        {"k316", &Textos::k316, "Avoid Sex (Unprotected)", 23},
        {"k317", &Textos::k317, "I want to", 9},
        {"k318", &Textos::k318, "Avoid Pregnancy", 15},
        {"k319", &Textos::k319, "Conceive Child", 14},
        {"k321", &Textos::k321, "Conceive a Girl", 15},
        {"k322", &Textos::k322, "Calculate", 9},
        {"k323", &Textos::k323, "Help", 4},
        {"k324", &Textos::k324, "Preferences", 11},
        {"k325", &Textos::k325, "About", 5},
        {"k326", &Textos::k326, "Date of Last Menstruation", 25},
        {"k327", &Textos::k327, "Average Cycle Length", 20},
        {"k328", &Textos::k328, "Luteal Phase Length", 19},
        {"k330", &Textos::k330,
         "Please, click on the part of the date you want to change and use the up/down arrows to set the new value", 104},
        {"k331", &Textos::k331,
         "The results of this program's calculations must be used only as a reference. Due to the diferences in the "
         "duration of every woman phase of her cycle, we may not guaranteed or endorsed the results based on "
         "information not certified by a specialist. Please, always consult your doctor about the correct use of "
         "this useful software tool.",
         334},
        {"k332", &Textos::k332, "Always show this alert.", 23},
        {"k333", &Textos::k333, "Agree", 5},
        {"k334", &Textos::k334,
         joinLines({"Quick Start!", "", "  1 - Enter the date of your last menstruation and verify the other data.", "",
                    "  2 - Select what you wish to calculate", "", "  3 - Click on Calculate!"},
                   false),
         155},
        {"k335", &Textos::k335, "Ok", 2},
        {"k500", &Textos::k500, "Help", 4},
        {"k501", &Textos::k501,
         "What is Cyclane Duvivarode?,What is Luteal Phase?,What is Ovulation?,Contact and Technical Support,License,"
         "Quick Start",
         118},
        {"k502", &Textos::k502, "Close Help and return to Calendar", 33},
        {"k700", &Textos::k700, "Checking for Updates", 20},
        {"k701", &Textos::k701, "Installed version: ", 19},
        {"k702", &Textos::k702, "Cancel", 6},
        {"k703", &Textos::k703, "Connecting...", 13},
        {"k704", &Textos::k704, "Download", 8},
        {"k705", &Textos::k705, "Close", 5},
        {"k706", &Textos::k706, "Download complete. The file was downloaded to your desktop.", 59},
        {"k710", &Textos::k710, "New version available: ", 23},
        {"k711", &Textos::k711, "No new versions available.", 26},
        {"k904", &Textos::k904, "Show info about this program", 28},
        {"kAppAboutBoxDescription", &Textos::kAppAboutBoxDescription,
         joinLines({"The First Ovulation Duvivarode", "Designed for Mac"}, false), 47},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        EXPECT_EQ(row.get(), row.expected);
        EXPECT_EQ(fw::Len(row.get()), row.characters);
    }
}

TEST(Textos, NoDefaultHoldsALineFeed)
{
    for (const Constant& c : kAll) {
        SCOPED_TRACE(c.name);
        const std::string text = c.get();
        EXPECT_EQ(text.find('\n'), std::string::npos);
        EXPECT_FALSE(text.empty());
    }
}

TEST(Textos, LegalNoticeIsOneLineOfTwentyFiveCharacters)
{
    const std::string notice = Textos::k013();
    EXPECT_EQ(fw::Len(notice), 25);
    EXPECT_EQ(notice.find('\r'), std::string::npos);
    EXPECT_NE(notice.find("Tarcyc"), std::string::npos);
    EXPECT_TRUE(holdsYearRange(notice));
}

TEST(Textos, MonthTableHasTenCharacterFields)
{
    struct Row {
        const char* name;
        std::int64_t start;
        const char* field;
    };
    const Row rows[] = {
        {"January", 1, "January   "},  {"February", 11, "February  "}, {"March", 21, "March     "},
        {"April", 31, "April     "},   {"May", 41, "May       "},      {"June", 51, "June      "},
        {"July", 61, "July      "},    {"August", 71, "August    "},   {"September", 81, "September "},
        {"October", 91, "October   "}, {"November", 101, "November  "}, {"December", 111, "December"},
    };
    const std::string table = Textos::k300();
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        EXPECT_EQ(fw::Mid(table, row.start, 10), row.field);
    }
}

TEST(Textos, TopicTitlesSplitIntoSixRows)
{
    const std::vector<std::string> expected = {"What is Cyclane Duvivarode?",   "What is Luteal Phase?",
                                               "What is Ovulation?",            "Contact and Technical Support",
                                               "License",                       "Quick Start"};
    EXPECT_EQ(fw::Split(Textos::k501(), ","), expected);
}

TEST(Textos, SparePagesAreOneUnfilledTemplate)
{
    const std::string tmpl = joinLines(
        {"<!DOCTYPE html PUBLIC \"-//W3C//DTD HTML 4.01 Transitional//EN\">", "<html>", "<body>",
         "<font face=\"Helvetica, Arial, sans-serif\"><font color=\"#3333ff\"><b>             TITULO             "
         "</b></font></font><br>",
         "<font color=\"#000000\" face=\"Helvetica, Arial, sans-serif\">", "", "", "", "TEXTO", "", "", "</font>",
         "</body>", "</html>", "", "", "", ""},
        true);
    const Getter spares[] = {&Textos::kayuda08, &Textos::kayuda09, &Textos::kayuda10};
    for (const Getter get : spares) {
        EXPECT_EQ(get(), tmpl);
        EXPECT_EQ(fw::Len(get()), 298);
    }
}

TEST(Textos, VersionPrefixesEndWithOneBlank)
{
    for (const Getter get : {&Textos::k701, &Textos::k710}) {
        const std::string text = get();
        ASSERT_GE(text.size(), 2u);
        EXPECT_EQ(text.back(), ' ');
        EXPECT_NE(text[text.size() - 2], ' ');
    }
}

TEST(Textos, UpdateWindowCaptionsDiffer)
{
    EXPECT_NE(Textos::k702(), Textos::k704());
    EXPECT_NE(Textos::k702(), Textos::k705());
    EXPECT_NE(Textos::k704(), Textos::k705());
}

TEST(Textos, HelpPagesKeepTheirForm)
{
    struct Row {
        const char* name;
        Getter get;
        std::size_t lines;
        std::vector<std::string> parts;
    };
    const Row rows[] = {
        {"kayuda00", &Textos::kayuda00, 40,
         {"<html>\r<head>\r</head>\r<body>\r",
          "<font face=\"Helvetica, Arial, sans-serif\"\r #3333ff=\"\" color=\"#3333ff\"><b>What is <i>Cyclane \r"
          "Duvivarode?</i></b></font><br>",
          "<b><i>Cyclane Duvivarode</i> help to increase the posibilities to achieve pregnancy. </b>",
          "<b><br><i>Cyclane Duvivarode</i> helps you choose the gender of your future baby.</b>",
          "<b><i>Cyclane Duvivarode</i> helps you avoid an unwanted pregnancy.</b>",
          "<b><i>Cyclane Duvivarode</i> - Easy to use!</b>", "95%", "700", "1000", "\"Calculate!\"",
          "<b>Cyclane Duvivarode</b>"}},
        {"kayuda01", &Textos::kayuda01, 8,
         {"<head></head>", "<b>What is the Luteal Phase?\r</b>", "\"DPO\" or Days Past Ovulation",
          "<b>How do I deteremine the duration of my luteal phase? </b>",
          "<b><br>What if I don't know my luteal phase duration? </b>",
          "If you are not shure about the duration of your luteal phase, you may use 14 days."}},
        {"kayuda02", &Textos::kayuda02, 10,
         {"<head></head>", "<b>What is ovulation?\r</b>",
          "Ovulation is the moment into the menstrual cycle when then egg is dropped in the Fallopian tubes to be "
          "fertilized. It's the most fertile moment of the cycle. The egg may live 12 to 24 hours waiting to be "
          "fertilized. If not fertilized, the egg desintegrates and the progesterone hormone production begins "
          "initiating the luteal phase.</font>\r",
          "</html>\r\r\r"}},
        {"kayuda04", &Textos::kayuda04, 60,
         {"<b>Contact and Technical Support</b>", "support@tarcyc.example", "sales@tarcyc.example",
          "www.tarcyc.example", "\t* ", "\to "}},
        {"kayuda05", &Textos::kayuda05, 33,
         {"<b>License Agreement</b>", "<b>1. ", "<b>2. ", "<b>3. ", "<b>4. ", "<b>5. ", "<b>6. ", "Tarcyc"}},
        {"kayuda06", &Textos::kayuda06, 27,
         {"<b>Quick Start</b>",
          "\r\r\r<br>\t\t\t\t\t\t\t\t1. Initiate Cyclane Duvivarode by double-clicking the program icon. \r\r",
          "<br>\t\t\t\t\t\t\t\t   \r<br>\t\t\t\t\t\t\t\t   2. Indicate your last menstruation date.\r",
          "<br>\t\t\t\t\t\t\t\t   3. Verify Cycle length and Luteal Phase (very important)\r",
          "<br>\t\t\t\t\t\t\t\t   4. Select what you want to calculate (Avoid Pregnancy,  \r",
          "\t\t\t\t\t\t\t\t  \t \t\t\tConceive a Child, Conceive a Boy, Conceive a Girl).\r",
          "<br>\t\t\t\t\t\t\t\t   5. Push the Calculate button.\r"}},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        const std::string page = row.get();
        EXPECT_EQ(page.rfind(kDoctype, 0), 0u);
        EXPECT_EQ(count(page, "\r"), row.lines);
        EXPECT_EQ(page.find('\n'), std::string::npos);
        EXPECT_FALSE(joinsWords(page));
        for (const std::string& part : row.parts)
            EXPECT_NE(page.find(part), std::string::npos) << part;
        // Every opened element is closed, and nothing outside the subset.
        EXPECT_EQ(count(page, "<font"), count(page, "</font>"));
        EXPECT_EQ(count(page, "<b>"), count(page, "</b>"));
        EXPECT_EQ(count(page, "<i>"), count(page, "</i>"));
        EXPECT_EQ(count(page, "<body>"), 1u);
        EXPECT_EQ(count(page, "</body>"), 1u);
        EXPECT_EQ(count(page, "face="), count(page, "face=\"Helvetica, Arial, sans-serif\""));
        const std::size_t end = page.rfind("</html>");
        ASSERT_NE(end, std::string::npos);
        EXPECT_EQ(page.find_first_not_of('\r', end + 7), std::string::npos);
        EXPECT_GT(page.size(), end + 7);
        for (const char* absent : {"<title", "<a ", "<img", "<p>", "<li>", "&"})
            EXPECT_EQ(page.find(absent), std::string::npos) << absent;
    }
}

TEST(Textos, LicencePageHoldsTwoAccentedLetters)
{
    const std::string page = Textos::kayuda05();
    EXPECT_EQ(std::int64_t(page.size()) - fw::Len(page), 2);
}

TEST(Textos, CreditsKeepTheirForm)
{
    const std::string credits = Textos::kAppAboutBoxCredits();
    ASSERT_FALSE(credits.empty());
    EXPECT_EQ(credits.back(), '\r');
    std::vector<std::string> lines;
    for (std::size_t from = 0, cr; (cr = credits.find('\r', from)) != std::string::npos; from = cr + 1)
        lines.push_back(credits.substr(from, cr - from));

    const auto stars = std::find(lines.begin(), lines.end(), "***");
    ASSERT_NE(stars, lines.end());
    const auto dedication = stars - lines.begin();
    ASSERT_LT(std::size_t(dedication + 8), lines.size());
    EXPECT_EQ(lines[dedication + 5], "***");
    for (int i = 1; i <= 4; ++i)
        EXPECT_FALSE(lines[dedication + i].empty());
    EXPECT_TRUE(lines[dedication - 1].empty());
    EXPECT_TRUE(lines[dedication + 6].empty());
    EXPECT_TRUE(lines[dedication + 7].empty());
    EXPECT_FALSE(lines[dedication + 8].empty()); // the licence's title
    // Three credit blocks, each ended by an empty line.
    EXPECT_EQ(std::count(lines.begin(), lines.begin() + dedication, std::string()), 3);

    EXPECT_EQ(std::count_if(lines.begin() + dedication + 8, lines.end(), isSectionHeading), 6);
}

TEST(Textos, EveryKeyIsTextosFollowedByTheName)
{
    std::vector<std::pair<std::string, std::string>> entries;
    for (const Constant& c : kAll)
        entries.emplace_back(std::string("Textos.") + c.name, std::string("«") + c.name + "»");
    const ScopedTable table("xx", entries);
    for (const Constant& c : kAll) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(c.get(), std::string("«") + c.name + "»");
    }
}

TEST(Textos, EqualDefaultsHaveIndependentKeys)
{
    struct Row {
        const char* name;
        Getter translated;
        Getter twin;
        const char* twinDefault;
    };
    const Row rows[] = {
        {"k324 leaves k200", &Textos::k324, &Textos::k200, "Preferences"},
        {"k200 leaves k324", &Textos::k200, &Textos::k324, "Preferences"},
        {"k323 leaves k500", &Textos::k323, &Textos::k500, "Help"},
        {"k335 leaves k002", &Textos::k335, &Textos::k002, "Ok"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        std::string key;
        for (const Constant& c : kAll)
            if (c.get == row.translated)
                key = std::string("Textos.") + c.name;
        const ScopedTable table("yy", {{key, "Translated"}});
        EXPECT_EQ(row.translated(), "Translated");
        EXPECT_EQ(row.twin(), row.twinDefault);
    }
}

TEST(Textos, EveryCallLooksTheTextUpAgain)
{
    {
        const ScopedTable table("zz", {{"Textos.k322", "Calcular"}});
        EXPECT_EQ(Textos::k322(), "Calcular");
        fw::SetLocalizationLanguage("none");
        EXPECT_EQ(Textos::k322(), "Calculate");
        fw::SetLocalizationLanguage("zz");
        EXPECT_EQ(Textos::k322(), "Calcular");
    }
    EXPECT_EQ(Textos::k322(), "Calculate");
}
