// SPDX-License-Identifier: GPL-3.0-or-later
#include "codegen.h"
#include "layout.h"
#include "layouttext.h"
#include "support/testenv.h"

#include <gtest/gtest.h>

#include <climits>
#include <cstdlib>
#include <filesystem>
#include <unistd.h>

using layoutc::Layout;
using layoutc::LayoutError;
using layoutc::ParseLayout;
using testenv::Hex;

namespace {

// The calendar window's rows of the three blocks that are given byte for byte.
const char* const kCalendarRows = R"(
Window main class=windows::main header="app/main.h" controls=5
    Width=702 Height=335 Visible=false Title="Cyclane Duvivarode"

GroupBox GroupBox3 506,24 175x256 Caption=Textos.k317 TextFont="SmallSystem" TextSize=12 Bold=true
RadioButton rbnino in GroupBox3 514,89 153x23 Caption="Conceive a Boy" TextSize=12
    HelpTag="Muestra los días en los que debe sostener relaciones sexuales sin protección para conseguir un embarazo con mayores probabilidades de concebir un varon."
GroupBox boxcal 22,24 316x259 Caption=Textos.k300 TextSize=14 Bold=true
Line Line1 in boxcal 69,61 0x215 X1=69 X2=69 Y1=61 Y2=276 LineColor=#818181
Timer Timer1 Mode=0 Action->Timer1_Action
)";

const layoutc::Row& RowNamed(const Layout& layout, std::string_view name)
{
    for (const layoutc::Row& row : layout.controls)
        if (row.name == name)
            return row;
    throw std::logic_error("no row " + std::string(name));
}

// The names and values of a block, decoded, in stored order.
std::vector<std::pair<std::string, fw::PropertyValue>> Decoded(const layoutc::Row& row)
{
    const auto& table = *fw::PropertyTableFor(row.cls->name);
    const auto decoded = fw::DecodeBlock(row.block, table);
    if (decoded.error)
        throw std::runtime_error(*decoded.error);
    std::vector<std::pair<std::string, fw::PropertyValue>> out;
    for (const auto& r : decoded.records)
        out.emplace_back(std::string(table.Find(r.id)->name), r.value);
    return out;
}

std::filesystem::path TestLayoutFile()
{
    return std::filesystem::path(CYC_LAYOUTC_TEST_DIR) / "layouttest.layout";
}

} // namespace

TEST(LayoutCompiler, EncodesTheGoldenBlocks)
{
    const Layout layout = ParseLayout(kCalendarRows, "main.layout");
    EXPECT_EQ(RowNamed(layout, "Timer1").block, Hex("00 00 00 00 00 00 00 01 00 00 03 E8"));
    EXPECT_EQ(RowNamed(layout, "Line1").block,
              Hex("00 00 00 00 00 05 4C 69 6E 65 31  00 01 80 00 00 00  00 14 00 00 00 3D  00 13 00 00 00 45"
                  "  00 15 00 00 00 00  00 16 00 00 00 D7  00 20 00 00 00 45  00 21 00 00 00 45"
                  "  00 22 00 00 00 3D  00 23 00 00 01 14  00 02 00 00 00 00  00 12 01  00 24 00 00 00 01"
                  "  00 25 81 81 81  00 1F 00 00 00 06 62 6F 78 63 61 6C"));

    using V = fw::PropertyValue;
    const std::string tag = "Muestra los d\xc3\xad" "as en los que debe sostener relaciones sexuales sin "
                            "protecci\xc3\xb3n para conseguir un embarazo con mayores probabilidades de "
                            "concebir un varon.";
    const std::vector<std::pair<std::string, V>> expected = {
        {"Name", V(std::string("rbnino"))}, {"Index", V(INT_MIN)}, {"Left", V(514)}, {"Top", V(89)},
        {"Width", V(153)}, {"Height", V(23)}, {"LockLeft", V(false)}, {"LockTop", V(false)},
        {"LockRight", V(false)}, {"LockBottom", V(false)}, {"TabPanelIndex", V(0)}, {"Enabled", V(true)},
        {"Visible", V(true)}, {"HelpTag", V(tag)}, {"AutoDeactivate", V(true)},
        {"Caption", V(std::string("Conceive a Boy"))}, {"Value", V(false)},
        {"TextFont", V(std::string("System"))}, {"TextSize", V(12)}, {"Bold", V(false)}, {"Italic", V(false)},
        {"Underline", V(false)}, {"InitialParent", V(std::string("GroupBox3"))},
    };
    EXPECT_EQ(RowNamed(layout, "rbnino").block.size(), 294u);
    EXPECT_EQ(Decoded(RowNamed(layout, "rbnino")), expected);

    // A GroupBox's caption and a window's title come from text constants.
    const layoutc::Row& group = RowNamed(layout, "GroupBox3");
    ASSERT_EQ(group.bindings.size(), 1u);
    EXPECT_EQ(group.bindings[0].symbol, "k317");
    const Layout bound = ParseLayout("Window w class=W header=\"w.h\" controls=0 Title=Textos.k100\n", "w");
    for (const auto& decoded : {Decoded(group), Decoded(bound.window)})
        for (const auto& [name, value] : decoded)
            EXPECT_TRUE(name != "Title" && name != "Caption") << name;
}

TEST(LayoutCompiler, RejectsBadLayouts)
{
    const std::string head = "Window w class=windows::w header=\"w.h\" controls=1\n";
    const std::string two = "Window w class=W header=\"w.h\" controls=2\n";
    struct Row { std::string text; int line; const char* message; };
    const Row rows[] = {
        {head + "Button b 0,0 10x10\n", 2, "unknown class Button"},
        {head + "PushButton b Colour=#000000\n", 2, "unknown property Colour of PushButton"},
        {head + "Line l HelpTag=\"x\"\n", 2, "unknown property HelpTag of Line"},
        {head + "PushButton b Default=yes\n", 2, "Default expects a Boolean"},
        {head + "PushButton b Left=1.5\n", 2, "Left expects an Integer"},
        {head + "PushButton b Left=2147483648\n", 2, "Left expects an Integer"},
        {head + "Oval o FillColor=#12345\n", 2, "FillColor expects a Color"},
        {head + "PushButton b Caption=OK\n", 2, "Caption expects a String"},
        {head + "PushButton b Caption=\"a\\qb\"\n", 2, "Caption expects a String"},
        {head + "PushButton b Caption=\"OK\n", 2, "unterminated text"},
        {head + "PushButton b 1,2 3x4 Left=5\n", 2, "Left is given twice"},
        {two + "PushButton b\nCheckBox b\n", 3, "duplicate name b"},
        {two + "Oval o\nOval o(1)\n", 3, "duplicate name o"},
        {two + "Oval o(1)\nOval o(1)\n", 3, "duplicate member o(1)"},
        {two + "Oval o(1)\nRectangle o(2)\n", 3, "holds Oval members"},
        {two + "PushButton b in g\nGroupBox g\n", 2, "parent g is not created"},
        {two + "Oval o(1)\nPushButton b in o(2)\n", 3, "parent o(2) is not created"},
        {two + "Oval o(1)\nPushButton b in o\n", 3, "parent o is not created"},
        {head + "GroupBox g in g\n", 2, "parent g is not created"},
        {two + "Timer t\nPushButton b in t\n", 3, "parent t is not a control"},
        {two + "PushButton b\n", 1, "the layout has 1 controls, the Window row expects 2"},
        {head + "PushButton a\nPushButton b\n", 1, "the layout has 2 controls, the Window row expects 1"},
        {head + "PushButton b Paint->b_Paint\n", 2, "PushButton has no event Paint"},
        // The custom controls handle these themselves.
        {head + "RoundedEditFieldCanvas r DropObject->r_DropObject\n", 2,
         "RoundedEditFieldCanvas has no event DropObject"},
        {head + "DateField d ValidationError->d_ValidationError\n", 2, "DateField has no event ValidationError"},
        {head + "PushButton b Action->x Action->y\n", 2, "Action is bound twice"},
        {head + "PushButton b Action->b.Action\n", 2, "not a handler name"},
        {"PushButton b\n", 1, "the Window row must come before the controls"},
        {head + "Window v class=V header=\"v.h\" controls=0\n", 2, "a second Window row"},
        {"Window w header=\"w.h\" controls=0\n", 1, "needs class=, header="},
        {head + "DateField d\n", 2, "DateField needs a type line"},
        {head + "GroupBox g Caption=\"L\"\n", 2, "GroupBox stores no Caption; bind it to a text constant"},
        {head + "PushButton b Name=\"c\"\n", 2, "Name comes from the row's name"},
        {head + "PushButton b Backdrop=heart\n", 2, "unknown property Backdrop"},
        {head + "Timer t 0,0\n", 2, "Timer has no position or size"},
        {head + "Timer t(1)\n", 2, "Timer cannot be a member of a control set"},
        {"  PushButton b\n", 1, "continuation line with no row"},
        {head + "PushButton b\n    Default=1\n", 3, "Default expects a Boolean"},
        {head + "builder CreateControls1\nPushButton b\n", 2, "CreateControls0 creates no control"},
        {two + "PushButton a\nbuilder CreateControls2\nPushButton b\n", 3,
         "the builder after CreateControls0 is CreateControls1, not CreateControls2"},
        {"Window w class=W header=\"w.h\" controls=2 builders=2\nPushButton a\nbuilder CreateControls1\n"
         "builder CreateControls2\nPushButton b\n", 4, "CreateControls1 creates no control"},
        {"Window w class=W header=\"w.h\" controls=1 builders=2\nPushButton a\nbuilder CreateControls1\n", 3,
         "CreateControls1 creates no control"},
        {"Window w class=W header=\"w.h\" controls=1 builders=2\nPushButton a\n", 1,
         "the layout has 1 builders, the Window row expects 2"},
        {two + "PushButton a\nbuilder CreateControls1\nPushButton b\n", 1,
         "the layout has 2 builders, the Window row expects 1"},
        {"Window w class=W header=\"w.h\" controls=0 builders=0\n", 1, "builders expects a count of at least 1"},
        {"builder CreateControls1\n", 1, "the Window row must come before the builders"},
        {two + "Oval o(1)\nOval o(2)\n", 2, "control set o needs a set line naming its class"},
        {head + "set b W \"w.h\"\nPushButton b\n", 2, "set b names no control set of the layout"},
        {two + "set o W \"w.h\"\nset o V \"v.h\"\nOval o(1)\nOval o(2)\n", 3, "a second set line for o"},
        {head + "set o 1W \"w.h\"\nOval o(1)\n", 2, "not a C++ type name"},
        {head + "type DateField d::D \"d.h\"\nDateField d DisplayingDayName=false\n", 3,
         "DateField stores no DisplayingDayName"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.text);
        try {
            ParseLayout(row.text, "bad.layout");
            ADD_FAILURE() << "accepted";
        } catch (const LayoutError& e) {
            EXPECT_EQ(e.Line(), row.line);
            EXPECT_NE(std::string(e.what()).find(row.message), std::string::npos) << e.what();
        }
    }
}

TEST(LayoutCompiler, DumpCompilesBackToTheSameBlocks)
{
    struct Row { const char* name; std::string text; };
    const Row rows[] = {
        {"calendar rows", kCalendarRows},
        {"test window", testenv::ReadFile(TestLayoutFile())},
        {"awkward texts",
         "Window w class=W header=\"w.h\" controls=2 BackColor=#000000 MinWidth=-1\n"
         "StaticText s -53,-61 0x0 Text=\"a\\\"b\\\\c\\rd\\ne\\tf\\x01\\x7F g\" TextColor=#FFF3C7\n"
         "StaticText t(0) in s Text=\"\"\n"
         "set t windows::t \"w.h\"\n"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        const Layout first = ParseLayout(row.text, "in.layout");
        const std::string dumped = layoutc::DumpText(first);
        const Layout second = ParseLayout(dumped, "in.layout");
        // The generated code, blocks, bindings and handlers included, is the same.
        EXPECT_EQ(layoutc::GenerateSource(second, "x.h"), layoutc::GenerateSource(first, "x.h"));
        EXPECT_EQ(layoutc::DumpText(second), dumped);
    }
}

TEST(LayoutCompiler, ToolReportsFileAndLineAndFails)
{
    const auto dir = std::filesystem::temp_directory_path() / ("layoutc-" + std::to_string(::getpid()));
    std::filesystem::create_directories(dir);
    const auto q = [](const std::filesystem::path& p) { return "\"" + p.string() + "\""; };
    const auto bad = dir / "bad.layout";
    testenv::WriteFile(bad, "Window w class=W header=\"w.h\" controls=1\n\n# comment\nPushButton b Default=2\n");
    const std::string tool = q(CYC_LAYOUTC);
    EXPECT_NE(std::system((tool + " " + q(bad) + " " + q(dir / "o.h") + " " + q(dir / "o.cpp") + " o.h 2>" +
                           q(dir / "err.txt")).c_str()), 0);
    EXPECT_EQ(testenv::ReadFile(dir / "err.txt"),
              bad.string() + ":4: error: Default expects a Boolean (true or false), not 2\n");
    EXPECT_FALSE(std::filesystem::exists(dir / "o.cpp"));

    const std::string file = TestLayoutFile().string();
    EXPECT_EQ(std::system((tool + " --dump " + q(file) + " >" + q(dir / "dump.layout")).c_str()), 0);
    EXPECT_EQ(testenv::ReadFile(dir / "dump.layout"), layoutc::DumpText(ParseLayout(testenv::ReadFile(file), file)));
    std::filesystem::remove_all(dir);
}
