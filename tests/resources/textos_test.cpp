// SPDX-License-Identifier: GPL-3.0-or-later
#include "resources/textos.h"
#include "framework/core/localization.h"
#include "framework/core/text.h"
#include "tests/app/scopedtable.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

namespace {

using Getter = std::string (*)();

// A constant's name and getter.
#define T(name) #name, &Textos::name

struct Constant {
    const char* name;
    Getter get;
};

const Constant kAll[] = {
    {T(k002)}, {T(k013)}, {T(k014)}, {T(k200)}, {T(k201)}, {T(k202)}, {T(k203)}, {T(k204)}, {T(k205)}, {T(k207)},
    {T(k208)}, {T(k220)}, {T(k221)}, {T(k300)}, {T(k301)}, {T(k302)}, {T(k303)}, {T(k304)}, {T(k305)}, {T(k306)}, {T(k307)}, {T(k308)},
    {T(k309)}, {T(k310)}, {T(k311)}, {T(k312)}, {T(k313)}, {T(k314)}, {T(k315)}, {T(k316)}, {T(k317)}, {T(k318)},
    {T(k319)}, {T(k321)}, {T(k322)}, {T(k323)}, {T(k324)}, {T(k325)}, {T(k326)}, {T(k327)}, {T(k328)}, {T(k330)},
    {T(k331)}, {T(k332)}, {T(k333)}, {T(k334)}, {T(k335)}, {T(k500)}, {T(k501)}, {T(k502)}, {T(k700)}, {T(k701)},
    {T(k702)}, {T(k703)}, {T(k704)}, {T(k705)}, {T(k706)}, {T(k710)}, {T(k711)}, {T(k904)},
    {T(kAppAboutBoxDescription)}, {T(kAppAboutBoxCredits)}, {T(kayuda00)}, {T(kayuda01)}, {T(kayuda02)},
    {T(kayuda04)}, {T(kayuda05)}, {T(kayuda06)}, {T(kayuda08)}, {T(kayuda09)}, {T(kayuda10)},
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

TEST(Textos, ShortDefaultsAreExact)
{
    struct Row {
        const char* name;
        Getter get;
        std::string expected;
        std::int64_t characters;
    };
    const Row rows[] = {
        {T(k002), "Ok", 2},
        {T(k014), "An unknown error ocurred while trying to reach the internet. (are we connected?)", 80},
        {T(k200), "Preferences", 11}, {T(k201), "Menses Average Length", 21}, {T(k202), "Fertile Days", 12},
        {T(k203), "Pre-ovulation", 13}, {T(k204), "Post-ovulation", 14}, {T(k205), "Show disclaimer at startup", 26},
        {T(k207), "Enable help tips ballons", 24}, {T(k208), "Check for updates at startup", 28},
        {T(k300),
         "January   February  March     April     May       June      July      August    September October   November  December",
         118},
        {T(k301), "Sun", 3}, {T(k302), "Mon", 3}, {T(k303), "Tue", 3}, {T(k304), "Wed", 3}, {T(k305), "Thu", 3},
        {T(k306), "Fri", 3}, {T(k307), "Sat", 3}, {T(k308), "Legend", 6}, {T(k309), "Today", 5},
        {T(k310), "Menses", 6}, {T(k311), "Ovulation", 9}, {T(k312), "Fertile day", 11}, {T(k313), "Sex", 3},
        {T(k314), "Sex for Boy", 11}, {T(k315), "Sex for Girl", 12}, {T(k316), "Avoid Sex (Unprotected)", 23},
        {T(k317), "I want to", 9}, {T(k318), "Avoid Pregnancy", 15}, {T(k319), "Conceive Child", 14},
        {T(k321), "Conceive a Girl", 15}, {T(k322), "Calculate", 9}, {T(k323), "Help", 4},
        {T(k324), "Preferences", 11}, {T(k325), "About", 5}, {T(k326), "Date of Last Menstruation", 25},
        {T(k327), "Average Cycle Length", 20}, {T(k328), "Luteal Phase Length", 19},
        {T(k330),
         "Please, click on the part of the date you want to change and use the up/down arrows to set the new value", 104},
        {T(k331),
         "The results of this program's calculations must be used only as a reference. Due to the diferences in the "
         "duration of every woman phase of her cycle, we may not guaranteed or endorsed the results based on "
         "information not certified by a specialist. Please, always consult your doctor about the correct use of "
         "this useful software tool.",
         334},
        {T(k332), "Always show this alert.", 23}, {T(k333), "Agree", 5},
        {T(k334),
         joinLines({"Quick Start!", "", "  1 - Enter the date of your last menstruation and verify the other data.", "",
                    "  2 - Select what you wish to calculate", "", "  3 - Click on Calculate!"},
                   false),
         155},
        {T(k335), "Ok", 2}, {T(k500), "Help", 4},
        {T(k501),
         "What is Cyclane Duvivarode?,What is Luteal Phase?,What is Ovulation?,Contact and Technical Support,License,"
         "Quick Start",
         118},
        {T(k502), "Close Help and return to Calendar", 33}, {T(k700), "Checking for Updates", 20},
        {T(k701), "Installed version: ", 19}, {T(k702), "Cancel", 6}, {T(k703), "Connecting...", 13},
        {T(k704), "Download", 8}, {T(k705), "Close", 5},
        {T(k706), "Download complete. The file was downloaded to your desktop.", 59},
        {T(k710), "New version available: ", 23}, {T(k711), "No new versions available.", 26},
        {T(k904), "Show info about this program", 28},
        {T(kAppAboutBoxDescription),
         joinLines({"The First Ovulation Duvivarode", "Designed for Mac"}, false), 47},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        EXPECT_EQ(row.get(), row.expected);
        EXPECT_EQ(fw::Len(row.get()), row.characters);
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

TEST(Textos, HelpPagesKeepTheirForm)
{
    struct Row {
        const char* name;
        Getter get;
        std::size_t lines;
        std::vector<std::string> parts;
    };
    const Row rows[] = {
        {T(kayuda00), 40,
         {"<html>\r<head>\r</head>\r<body>\r",
          "<font face=\"Helvetica, Arial, sans-serif\"\r #3333ff=\"\" color=\"#3333ff\"><b>What is <i>Cyclane \r"
          "Duvivarode?</i></b></font><br>",
          "<b><i>Cyclane Duvivarode</i> help to increase the posibilities to achieve pregnancy. </b>",
          "<b><br><i>Cyclane Duvivarode</i> helps you choose the gender of your future baby.</b>",
          "<b><i>Cyclane Duvivarode</i> helps you avoid an unwanted pregnancy.</b>",
          "<b><i>Cyclane Duvivarode</i> - Easy to use!</b>", "95%", "700", "1000", "\"Calculate!\"",
          "<b>Cyclane Duvivarode</b>"}},
        {T(kayuda01), 8,
         {"<head></head>", "<b>What is the Luteal Phase?\r</b>", "\"DPO\" or Days Past Ovulation",
          "<b>How do I deteremine the duration of my luteal phase? </b>",
          "<b><br>What if I don't know my luteal phase duration? </b>",
          "If you are not shure about the duration of your luteal phase, you may use 14 days."}},
        {T(kayuda02), 10,
         {"<head></head>", "<b>What is ovulation?\r</b>",
          "Ovulation is the moment into the menstrual cycle when then egg is dropped in the Fallopian tubes to be "
          "fertilized. It's the most fertile moment of the cycle. The egg may live 12 to 24 hours waiting to be "
          "fertilized. If not fertilized, the egg desintegrates and the progesterone hormone production begins "
          "initiating the luteal phase.</font>\r",
          "</html>\r\r\r"}},
        {T(kayuda04), 60,
         {"<b>Contact and Technical Support</b>", "support@tarcyc.example", "sales@tarcyc.example",
          "www.tarcyc.example", "\t* ", "\to "}},
        {T(kayuda05), 33,
         {"<b>License Agreement</b>", "<b>1. ", "<b>2. ", "<b>3. ", "<b>4. ", "<b>5. ", "<b>6. ", "Tarcyc"}},
        {T(kayuda06), 27,
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
    const std::string licence = Textos::kayuda05();
    EXPECT_EQ(std::int64_t(licence.size()) - fw::Len(licence), 2) << "two accented letters";
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

// Each constant looks up "Textos." and its own name; its default holds no line
// feed.
TEST(Textos, EveryKeyIsTextosFollowedByTheName)
{
    for (const Constant& c : kAll) {
        SCOPED_TRACE(c.name);
        const std::string text = c.get();
        EXPECT_EQ(text.find('\n'), std::string::npos);
        EXPECT_FALSE(text.empty());
    }
    std::vector<std::pair<std::string, std::string>> entries;
    for (const Constant& c : kAll)
        entries.emplace_back(std::string("Textos.") + c.name, std::string("«") + c.name + "»");
    const apptest::ScopedTable table("xx", entries);
    for (const Constant& c : kAll) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(c.get(), std::string("«") + c.name + "»");
    }
}

TEST(Textos, EveryCallLooksTheTextUpAgain)
{
    {
        const apptest::ScopedTable table("zz", {{"Textos.k322", "Calcular"}});
        EXPECT_EQ(Textos::k322(), "Calcular");
        fw::SetLocalizationLanguage("none");
        EXPECT_EQ(Textos::k322(), "Calculate");
        fw::SetLocalizationLanguage("zz");
        EXPECT_EQ(Textos::k322(), "Calcular");
    }
    EXPECT_EQ(Textos::k322(), "Calculate");
}
