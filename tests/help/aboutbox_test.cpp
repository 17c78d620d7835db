// SPDX-License-Identifier: GPL-3.0-or-later
// The About window as the menu and the calendar window open it: collapsing
// an empty description or credits, the link's clicks, closing.
#include "help/aquaaboutbox.h"

#include "app/app.h"
#include "app/scopedtable.h"
#include "calendar/mainwindow.h"
#include "framework/gui/application.h"
#include "framework/gui/pushbutton.h"
#include "help/staticurl.h"
#include "support/gui.h"
#include "support/guifixture.h"

#include <gtest/gtest.h>

#include <array>
#include <memory>
#include <string>
#include <vector>

namespace {

constexpr fw::Color kBlue{0, 0, 255};

class AboutBoxTest : public testenv::GuiFixture {
protected:
    std::unique_ptr<fw::Application> CreateApplication() override
    {
        auto shell = std::make_unique<::App>();
        shell->AddMenuHandlers();
        return shell;
    }
    void SetUp() override
    {
        GuiFixture::SetUp();
        fw::SetShowURLHook([this](const std::string& url) { opened.push_back(url); });
    }
    void TearDown() override
    {
        fw::SetShowURLHook({});
        GuiFixture::TearDown();
    }

    std::vector<std::string> opened;
};

struct Collapse {
    const char* description;
    const char* credits;
    std::array<int, 7> tops;
    int height;
};

TEST_F(AboutBoxTest, EmptyDescriptionOrCreditsIsHiddenAndTheGapCloses)
{
    const Collapse rows[] = {
        {"About", "Credits", {14, 147, 174, 194, 235, 326, 338}, 365},
        {"", "Credits", {14, 147, 174, 153, 194, 285, 297}, 324},
        {"", "", {14, 147, 174, 153, 103, 194, 206}, 233},
        {"About", "", {14, 147, 174, 194, 144, 235, 247}, 274},
    };
    for (const Collapse& row : rows) {
        SCOPED_TRACE(std::string(row.description) + "/" + row.credits);
        apptest::ScopedTable table("zz", {{"Textos.kAppAboutBoxDescription", row.description},
                                          {"Textos.kAppAboutBoxCredits", row.credits}});
        windows::AquaAboutBox* box = win::AquaAboutBox();
        ASSERT_TRUE(box);
        std::array<int, 7> tops{};
        for (std::size_t i = 0; i < tops.size(); ++i)
            tops[i] = box->ControlAt(i)->Top();
        EXPECT_EQ(tops, row.tops);
        EXPECT_EQ(box->Height(), row.height);
        EXPECT_EQ(box->description->Visible(), *row.description != 0);
        EXPECT_EQ(box->credits->Visible(), *row.credits != 0);
        // Hiding a hidden control again changes nothing.
        for (fw::Control* c : {static_cast<fw::Control*>(box->description), static_cast<fw::Control*>(box->credits)})
            if (!c->Visible())
                box->hideControl(c);
        EXPECT_EQ(box->Height(), row.height);
        fw::DestroyAllWindows();
    }
}

TEST_F(AboutBoxTest, VersionIsShownBareAndAnEmptyHomePageHidesTheLastControl)
{
    windows::AquaAboutBox* box = win::AquaAboutBox();
    EXPECT_EQ(box->version->Text(), app->ShortVersion());
    box->SetHomePage("");
    EXPECT_FALSE(box->homePage->Visible());
    EXPECT_EQ(box->homePage->Top(), 338 - 13);
    EXPECT_EQ(box->copyright->Top(), 326);
    EXPECT_EQ(box->Height(), 365 - 13);
}

struct Release {
    int x, y;   // relative to the link; -1 and 999 for one past an edge
    bool opens;
};

TEST_F(AboutBoxTest, LinkOpensOnlyOnAReleaseStrictlyInside)
{
    windows::AquaAboutBox* box = win::AquaAboutBox();
    help::StaticURL* link = box->homePage;
    const int w = link->Width(), h = link->Height();
    EXPECT_TRUE(link->Underline());
    EXPECT_EQ(link->TextColor(), kBlue);
    const Release rows[] = {
        {w / 2, h / 2, true},  {1, 1, true},           {w - 1, h - 1, true}, {0, h / 2, false},
        {w / 2, 0, false},     {w, h / 2, false},      {w / 2, h, false},    {-1, h / 2, false},
        {w / 2, -1, false},
    };
    for (const Release& row : rows) {
        SCOPED_TRACE(std::to_string(row.x) + "," + std::to_string(row.y));
        opened.clear();
        testenv::hover(box, link->Left() + w / 2, link->Top() + h / 2);
        EXPECT_EQ(link->TextColor(), fw::RGB(255, 0, 255));
        testenv::pressAt(box, link->Left() + w / 2, link->Top() + h / 2);
        EXPECT_EQ(link->TextColor(), fw::RGB(255, 0, 0));
        testenv::releaseAt(box, link->Left() + row.x, link->Top() + row.y);
        EXPECT_EQ(opened, row.opens ? std::vector<std::string>{"http://www.tarcyc.example/"}
                                    : std::vector<std::string>{});
        EXPECT_EQ(link->TextColor(), kBlue);
        testenv::leave(box);
    }
    // Without an address the link opens its own text.
    opened.clear();
    link->SetURL("");
    testenv::clickAt(box, link->Left() + w / 2, link->Top() + h / 2);
    EXPECT_EQ(opened, std::vector<std::string>{link->Text()});
    testenv::screenshot(box, "aboutbox");
}

TEST_F(AboutBoxTest, AboutButtonAndMenuShowOneWindowAndClosingReEnablesTheInputs)
{
    windows::main* calendar = win::main();
    calendar->Show();
    fw::Control* field = calendar->FindControl("durciclo");
    ASSERT_TRUE(field);
    testenv::click(calendar->PushButton4);
    windows::AquaAboutBox* box = win::AquaAboutBox();
    EXPECT_TRUE(box->Visible());
    EXPECT_FALSE(calendar->PushButton4->Enabled());
    EXPECT_FALSE(field->Enabled());

    // The menu shows the same window and leaves the inputs as they are.
    ASSERT_TRUE(app->HasMenuHandler("AppleAbout"));
    app->HandleMenuCommand("AppleAbout");
    EXPECT_EQ(win::AquaAboutBox(), box);
    int shown = 0;
    for (fw::Window* w : fw::Windows())
        shown += dynamic_cast<windows::AquaAboutBox*>(w) != nullptr;
    EXPECT_EQ(shown, 1);
    EXPECT_FALSE(field->Enabled());

    box->HandleMenuCommand("FileClose");
    EXPECT_TRUE(box->Closing());
    EXPECT_TRUE(calendar->PushButton4->Enabled());
    EXPECT_TRUE(field->Enabled());
}

} // namespace
