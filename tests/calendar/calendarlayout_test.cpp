// SPDX-License-Identifier: GPL-3.0-or-later
// The calendar window's construction: its builders' shares of the controls.
#include "calendar/mainwindow.h"
#include "framework/gui/control.h"
#include "support/guifixture.h"

#include <gtest/gtest.h>

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

class CalendarLayoutTest : public testenv::GuiFixture {
protected:
    void TearDown() override
    {
        fw::DestroyAllWindows();
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
