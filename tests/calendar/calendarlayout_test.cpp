// SPDX-License-Identifier: GPL-3.0-or-later
// The calendar window's construction: its builders' shares of the controls,
// its control sets' classes.
#include "calendar/controlsets.h"
#include "calendar/mainwindow.h"
#include "framework/gui/control.h"
#include "prefs/bprefs.h"
#include "prefs/bprefs_seam.h"
#include "resources/pictureresources.h"
#include "support/guifixture.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

namespace {

// The calendar window, its builders run one by one with the window's count
// of controls noted after each; nothing of its own opening runs.
class BuilderProbe : public windows::main {
public:
    std::vector<std::size_t> countAfter;

protected:
    void CreateControls() override
    {
        for (auto builder : {&BuilderProbe::CreateControls0, &BuilderProbe::CreateControls1,
                             &BuilderProbe::CreateControls2, &BuilderProbe::CreateControls3,
                             &BuilderProbe::CreateControls4, &BuilderProbe::CreateControls5}) {
            (this->*builder)();
            countAfter.push_back(ControlCount());
        }
    }
    void Event_Open() override {}
    void Event_Close() override {}
};

std::string NameOf(const fw::Control* c)
{
    if (!c)
        return "none";
    return c->Index() == fw::kNoIndex ? c->Name() : c->Name() + "(" + std::to_string(c->Index()) + ")";
}

// A member made at run time, as a copy of its set's first-created member.
template <class Set>
fw::Control* Copy(fw::Window& w)
{
    Set* member = w.NewControl<Set>();
    member->Constructor();
    return member;
}

class CalendarLayoutTest : public testenv::GuiFixture {
protected:
    void SetUp() override
    {
        GuiFixture::SetUp();
        BPrefs::ResetForTesting();
    }
    void TearDown() override
    {
        fw::DestroyAllWindows();
        BPrefs::ResetForTesting();
        GuiFixture::TearDown();
    }
};

} // namespace

TEST_F(CalendarLayoutTest, EachBuilderCreatesItsShare)
{
    struct Share {
        const char* first;
        const char* last;
    };
    // The first and last control of CreateControls0 to CreateControls5.
    const Share shares[] = {
        {"GroupBox2", "Cansex(0)"},          {"bg(1)", "std(11)"},         {"Cansex(11)", "bg(24)"},
        {"recfondofecha(24)", "std(36)"}, {"Cansex(36)", "Canvas2"}, {"Oval2", "StaticText50"},
    };
    BuilderProbe* w = fw::WindowInstance<BuilderProbe>();
    ASSERT_EQ(w->countAfter.size(), std::size(shares));
    std::size_t first = 0;
    for (std::size_t n = 0; n < std::size(shares); ++n) {
        SCOPED_TRACE("CreateControls" + std::to_string(n));
        ASSERT_GT(w->countAfter[n], first);
        EXPECT_EQ(NameOf(w->ControlAt(first)), shares[n].first);
        EXPECT_EQ(NameOf(w->ControlAt(w->countAfter[n] - 1)), shares[n].last);
        first = w->countAfter[n];
    }
    // Every control but the timer is one of the window's controls.
    EXPECT_EQ(w->ControlCount(), layouts::main::kControlCount - 1);
}

TEST_F(CalendarLayoutTest, EachSetsConstructorCopiesItsFirstMember)
{
    struct Row {
        const char* set;
        fw::Control* (*copy)(fw::Window&);
        // The first-created member's stored place, parent and fill.
        int left, top, width, height;
        const char* parent;
        std::optional<fw::Color> fill;
        bool heart, mouseDownBound;
    };
    const Row rows[] = {
        {"Cansex", Copy<controlsets::Cansex>, 366, 156, 24, 24, "GroupBox2", {}, true, false},
        {"ovalo", Copy<controlsets::ovalo>, 744, 92, 20, 20, "", fw::Color{0xFF, 0x6F, 0x7D}, false, false},
        {"bg", Copy<controlsets::bg>, 26, 61, 44, 36, "boxcal", fw::Color{0xFF, 0xF3, 0xC7}, false, false},
        {"recfondofecha", Copy<controlsets::recfondofecha>, 26, 61, 44, 14, "bg$0", fw::Color{0xDA, 0xCA, 0x9D},
         false, false},
        {"std", Copy<controlsets::std>, 51, 63, 16, 12, "recfondofecha$0", {}, false, true},
    };
    windows::main* w = win::main();
    for (const Row& row : rows) {
        SCOPED_TRACE(row.set);
        fw::Control* c = row.copy(*w);
        // Index 0 whatever the copied block stores; placed above every control.
        EXPECT_EQ(c->Index(), 0);
        EXPECT_EQ(c->Name(), row.set);
        EXPECT_EQ(w->ControlAt(w->ControlCount() - 1), c);
        EXPECT_EQ((std::vector{c->Left(), c->Top(), c->Width(), c->Height()}),
                  (std::vector{row.left, row.top, row.width, row.height}));
        EXPECT_EQ(c->InitialParent(), row.parent);
        if (row.fill) {
            EXPECT_EQ(dynamic_cast<fw::Shape*>(c)->FillColor(), *row.fill);
        }
        if (auto* canvas = dynamic_cast<fw::Canvas*>(c)) {
            EXPECT_EQ(canvas->Backdrop() == heart(), row.heart);
        }
        EXPECT_EQ(c->MouseDown.IsBound(), row.mouseDownBound);
        EXPECT_FALSE(c->MouseDown.Raise(2, 3));
        // Registered under the set's name.
        c->SetProperty("Index", 99);
        EXPECT_EQ(w->FindControl(row.set, 99), c);
    }
    EXPECT_EQ(dynamic_cast<fw::StaticText*>(w->FindControl("std", 99))->Text(), "0");

    // A day number answers to the calendar window alone.
    fw::Window* other = MakeWindow([](testenv::TestWindow&) {});
    EXPECT_THROW(Copy<controlsets::std>(*other), std::logic_error);
}

// The date field stores its own Editable, not DisplayingMonthName and
// DisplayingDayName, which its table still knows.
TEST_F(CalendarLayoutTest, DateFieldBlockStoresItsDesignedValuesOnly)
{
    const std::vector<std::uint8_t> expected = testenv::Hex(
        "00 00 00 00 00 0A 66 65 63 68 61 6D 65 6E 73 31  00 01 80 00 00 00  00 13 00 00 02 08"
        "  00 14 00 00 00 A0  00 15 00 00 00 52  00 16 00 00 00 14  00 1A 00  00 1B 00  00 1C 00  00 1D 00"
        "  00 02 00 00 00 00  00 17 01  00 12 01  00 0E 00 00 00 2B 46 65 63 68 61 20 64 65 20 6C 61 20 75"
        "  6C 74 69 6D 61 20 6D 65 6E 73 74 72 75 61 63 69 6F 6E 20 72 65 67 69 73 74 72 61 64 61 2E"
        "  00 19 01  00 20 00 00 00 00  00 22 01  00 23 00  00 24 00  00 25 00  00 26 00  00 27 00"
        "  00 28 00 00 00  00 29 FF FF FF  00 2A 00  00 2B 01  00 2D 00 00 00 06 53 79 73 74 65 6D"
        "  00 2E 00 00 00 0C  00 2F 00  00 30 00  00 31 00  00 35 00 00 00 00  00 42 00"
        "  00 43 00 00 00 00  00 44 00 00 00 00  00 45 00 00 00 00  00 47 00 00 00 00  00 49 00 00 00 00"
        "  00 4D 00  00 1F 00 00 00 09 47 72 6F 75 70 42 6F 78 33");
    const auto block = fw::FindBlock(layouts::main::Blocks(), "fechamens1", fw::kNoIndex);
    EXPECT_EQ(block.size(), 246u);
    EXPECT_EQ(std::vector<std::uint8_t>(block.begin(), block.end()), expected);
    const fw::PropertyTable& table = *fw::PropertyTableFor("DateField");
    for (std::uint16_t id : {0x4c, 0x4d, 0x4e})
        EXPECT_NE(table.Find(id), nullptr) << id;
}
