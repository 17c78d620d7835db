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
