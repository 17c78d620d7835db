// SPDX-License-Identifier: GPL-3.0-or-later
// The About window as the menu and the calendar window open it.
#include "help/aquaaboutbox.h"

#include "app/app.h"
#include "framework/gui/application_seam.h"
#include "support/scopedtable.h"
#include "calendar/mainwindow.h"
#include "framework/gui/pushbutton.h"
#include "help/controls/staticurl.h"
#include "support/gui.h"
#include "support/guifixture.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QEvent>
#include <QWidget>

#include <array>
#include <ostream>
#include <stdexcept>
#include <string>
#include <vector>

namespace {

class AboutBoxTest : public testenv::GuiFixture {
protected:
    std::unique_ptr<fw::Application> CreateApplication() override
    {
        auto shell = std::make_unique<::App>();
        app::ApplicationAddMenuHandlers();
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

TEST_F(AboutBoxTest, EmptyTextsAndAddressCollapseTheirControls)
{
    // Description, credits, address; the tops of the first seven controls and the height.
    const std::tuple<const char*, const char*, const char*, std::array<int, 7>, int> rows[] = {
        {"About", "Credits", "http://a.example", {14, 147, 174, 194, 235, 326, 338}, 365},
        {"", "Credits", "http://a.example", {14, 147, 174, 153, 194, 285, 297}, 324},
        {"", "", "http://a.example", {14, 147, 174, 153, 103, 194, 206}, 233},
        {"About", "", "http://a.example", {14, 147, 174, 194, 144, 235, 247}, 274},
        {"About", "Credits", "", {14, 147, 174, 194, 235, 326, 325}, 352},
    };
    for (const auto& [description, credits, home, expectedTops, height] : rows) {
        SCOPED_TRACE(std::string(description) + "/" + credits + "/" + home);
        testenv::ScopedTable table("zz", {{"Textos.kAppAboutBoxDescription", description},
                                          {"Textos.kAppAboutBoxCredits", credits}});
        windows::AquaAboutBox* box = win::AquaAboutBox();
        box->SetHomePage(home);
        if (!box->description->Visible())
            box->hideControl(box->description);   // hidden already: no change
        std::array<int, 7> tops{};
        for (std::size_t i = 0; i < tops.size(); ++i)
            tops[i] = box->ControlAt(i)->Top();
        EXPECT_EQ(tops, expectedTops);
        EXPECT_EQ(box->Height(), height);
        EXPECT_EQ(box->homePage->Visible(), *home != 0);
        fw::DestroyAllWindows();
    }
}

TEST_F(AboutBoxTest, LinkOpensOnlyOnAReleaseStrictlyInside)
{
    windows::AquaAboutBox* box = win::AquaAboutBox();
    EXPECT_EQ(box->version->Text(), app->ShortVersion());
    help::StaticURL* link = box->homePage;
    const int w = link->Width(), h = link->Height(), x0 = link->Left(), y0 = link->Top();
    const std::tuple<int, int, bool> rows[] = {
        {w / 2, h / 2, true}, {w - 1, h - 1, true}, {0, h / 2, false}, {w / 2, h, false}, {-1, -1, false}};
    for (const auto& [x, y, opens] : rows) {
        SCOPED_TRACE(std::to_string(x) + "," + std::to_string(y));
        opened.clear();
        testenv::hover(box, x0 + w / 2, y0 + h / 2);
        EXPECT_EQ(link->TextColor(), fw::RGB(255, 0, 255));
        testenv::pressAt(box, x0 + w / 2, y0 + h / 2);
        EXPECT_EQ(link->TextColor(), fw::RGB(255, 0, 0));
        testenv::releaseAt(box, x0 + x, y0 + y);
        EXPECT_EQ(opened, std::vector<std::string>(opens ? 1 : 0, "http://www.tarcyc.example/"));
        EXPECT_EQ(link->TextColor(), fw::RGB(0, 0, 255));
        testenv::leave(box);
    }
    // A menu takes the mouse while the link is held: the platform sends only
    // a Leave, and the release goes elsewhere.
    opened.clear();
    testenv::pressAt(box, x0 + w / 2, y0 + h / 2);
    QWidget* under = box->Content()->childAt(x0 + w / 2, y0 + h / 2);
    ASSERT_NE(under, nullptr);
    QEvent leave(QEvent::Leave);
    QCoreApplication::sendEvent(under, &leave);
    EXPECT_EQ(link->TextColor(), fw::RGB(0, 0, 255));
    EXPECT_TRUE(opened.empty());
    link->SetURL("");
    testenv::clickAt(box, x0 + w / 2, y0 + h / 2);
    EXPECT_EQ(opened.back(), link->Text());
    testenv::screenshot(box, "aboutbox");
}

TEST_F(AboutBoxTest, AboutButtonAndMenuShowOneWindowAndClosingReEnablesTheInputs)
{
    windows::main* calendar = win::main();
    calendar->Show();
    testenv::click(calendar->PushButton4);
    windows::AquaAboutBox* box = win::AquaAboutBox();
    EXPECT_TRUE(box->Visible());
    EXPECT_FALSE(calendar->PushButton4->Enabled());
    app->HandleMenuCommand("AppleAbout");
    EXPECT_EQ(win::AquaAboutBox(), box);
    EXPECT_EQ(fw::Windows().size(), 2u);
    box->HandleMenuCommand("FileClose");
    EXPECT_TRUE(box->Closing());
    EXPECT_TRUE(calendar->PushButton4->Enabled());
    EXPECT_TRUE(calendar->FindControl("durciclo")->Enabled());
}

// A failure inside a link's handler leaves it with the handler's tag after a
// carriage return, the innermost handler's first, and ends in the
// framework's error report.
struct TagRow {
    const char* name;
    // Makes the failure happen, inside an event as the program meets it.
    void (*provoke)(class HandlerTagTest& test);
    const char* tags;
};

void PrintTo(const TagRow& row, std::ostream* out)
{
    *out << row.name;
}

class HandlerTagTest : public AboutBoxTest, public ::testing::WithParamInterface<TagRow> {
public:
    // A window whose link's Open handler fails.
    void MakeWindowWithFailingLink()
    {
        MakeWindow([](testenv::TestWindow& w) {
            w.Add<help::StaticURL>("link", 10, 10, 200, 16)->Open.InstallInstanceEventHandler([] {
                throw std::out_of_range("no address");
            });
        });
    }
    // A release inside the About window's link, which hands the address to
    // the browser.
    void ClickTheHomePage(const fw::TextHook& browser)
    {
        windows::AquaAboutBox* box = win::AquaAboutBox();
        fw::SetShowURLHook(browser);
        const help::StaticURL* link = box->homePage;
        testenv::clickAt(box, link->Left() + link->Width() / 2, link->Top() + link->Height() / 2);
    }
};

const TagRow kTagRows[] = {
    {"LinkOpen", [](HandlerTagTest& t) { fw::Dispatch([&t] { t.MakeWindowWithFailingLink(); }); },
     "no address\rStaticURL.Open"},
    {"LinkMouseUp",
     [](HandlerTagTest& t) {
         t.ClickTheHomePage([](const std::string&) { throw std::runtime_error("no browser"); });
     },
     "no browser\rStaticURL.MouseUp"},
    {"LinkOpenInsideLinkMouseUp",
     [](HandlerTagTest& t) { t.ClickTheHomePage([&t](const std::string&) { t.MakeWindowWithFailingLink(); }); },
     "no address\rStaticURL.Open\rStaticURL.MouseUp"},
};

TEST_P(HandlerTagTest, FailureCarriesItsTags)
{
    GetParam().provoke(*this);
    ASSERT_EQ(messages.size(), 1u);
    const std::string tail = std::string(".\r") + GetParam().tags;
    EXPECT_TRUE(messages[0].ends_with(tail)) << messages[0];
    EXPECT_TRUE(app->Quitting());
}

INSTANTIATE_TEST_SUITE_P(Handlers, HandlerTagTest, ::testing::ValuesIn(kTagRows),
                         [](const ::testing::TestParamInfo<TagRow>& info) { return std::string(info.param.name); });

} // namespace
