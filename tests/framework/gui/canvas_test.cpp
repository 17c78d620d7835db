// SPDX-License-Identifier: GPL-3.0-or-later
#include "framework/gui/canvas.h"
#include "framework/gui/graphics.h"
#include "framework/gui/picture.h"
#include "support/gui.h"
#include "support/guifixture.h"

#include <QImage>
#include <QWidget>

#include <gtest/gtest.h>

#include <stdexcept>

namespace {

class CanvasTest : public testenv::GuiFixture {
protected:
    void SetUp() override
    {
        GuiFixture::SetUp();
        window = MakeWindow(
            [this](testenv::TestWindow& w) { canvas = testenv::Add<fw::Canvas>(w, "canvas", 20, 20, 40, 30); });
    }

    QRgb PixelAt(int x, int y) const { return canvas->Handle()->grab().toImage().pixel(x, y); }

    testenv::TestWindow* window = nullptr;
    fw::Canvas* canvas = nullptr;
};

TEST_F(CanvasTest, MouseDownTrueCapturesDragAndUp)
{
    std::vector<std::string> events;
    bool take = false;
    auto note = [&](const char* what, int x, int y) {
        events.push_back(std::string(what) + " " + std::to_string(x) + "," + std::to_string(y));
    };
    canvas->MouseDown.Bind([&](int x, int y) {
        note("Down", x, y);
        return take;
    });
    canvas->MouseDrag.Bind([&](int x, int y) { note("Drag", x, y); });
    canvas->MouseUp.Bind([&](int x, int y) { note("Up", x, y); });

    struct Row { const char* name; bool take; std::vector<std::string> events; };
    const Row rows[] = {
        {"taken: drag and release follow, also outside", true, {"Down 5,5", "Drag 70,5", "Up 70,5"}},
        {"not taken: nothing follows", false, {"Down 5,5"}},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        take = row.take;
        events.clear();
        testenv::pressAt(window, 25, 25);
        testenv::hover(window, 90, 25);
        testenv::releaseAt(window, 90, 25);
        EXPECT_EQ(events, row.events);
    }
}

TEST_F(CanvasTest, PaintsBackdropThenPaintEvent)
{
    auto backdrop = fw::Picture::New(40, 30);
    backdrop->Graphics().SetForeColor(fw::RGB(255, 0, 0));
    backdrop->Graphics().FillRect(0, 0, 40, 30);
    canvas->SetBackdrop(backdrop);
    canvas->Paint.Bind([](fw::Graphics& g) {
        g.SetForeColor(fw::RGB(0, 0, 255));
        g.FillRect(0, 0, 10, 10);
    });
    EXPECT_EQ(PixelAt(5, 5), qRgb(0, 0, 255));
    EXPECT_EQ(PixelAt(20, 20), qRgb(255, 0, 0));
    canvas->SetBackdrop(nullptr);
    EXPECT_EQ(PixelAt(5, 5), qRgb(0, 0, 255));
}

// A failing Paint handler is reported once the paint is over, never from
// inside it.
TEST_F(CanvasTest, AnExceptionInPaintIsReportedAfterThePaint)
{
    canvas->Paint.Bind([](fw::Graphics&) { throw std::runtime_error("no ink"); });
    canvas->RefreshNow();
    EXPECT_TRUE(messages.empty());
    testenv::runFor(20);
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_NE(messages[0].find("no ink"), std::string::npos) << messages[0];
    EXPECT_EQ(app->ExitStatus(), 1);
}

// Graphics() outside Paint draws on the canvas until the next refresh;
// inside Paint it draws into that paint.
TEST_F(CanvasTest, GraphicsDrawsAtOnceOrIntoThePaint)
{
    int paints = 0;
    canvas->Paint.Bind([&](fw::Graphics& g) {
        ++paints;
        g.SetForeColor(fw::RGB(0, 128, 0));
        g.FillRect(0, 0, 40, 30);
    });
    canvas->RefreshNow();
    ASSERT_GT(paints, 0);
    EXPECT_EQ(PixelAt(30, 20), qRgb(0, 128, 0));
    {
        auto g = canvas->Graphics();
        g->SetForeColor(fw::RGB(255, 255, 0));
        g->FillRect(25, 15, 10, 10);
    }
    EXPECT_EQ(PixelAt(30, 20), qRgb(255, 255, 0));
    EXPECT_EQ(PixelAt(5, 5), qRgb(0, 128, 0));
    canvas->Refresh();
    EXPECT_EQ(PixelAt(30, 20), qRgb(0, 128, 0));

    canvas->Paint.Bind([this](fw::Graphics&) {
        auto g = canvas->Graphics();
        g->SetForeColor(fw::RGB(10, 20, 30));
        g->FillRect(0, 0, 40, 30);
    });
    EXPECT_EQ(PixelAt(1, 1), qRgb(10, 20, 30));
    canvas->Paint.Unbind();
    canvas->Refresh();
    EXPECT_NE(PixelAt(1, 1), qRgb(10, 20, 30));
}

TEST_F(CanvasTest, AcceptFocusDecidesWhetherAClickFocuses)
{
    int gotFocus = 0;
    canvas->GotFocus.Bind([&] { ++gotFocus; });
    testenv::click(canvas);
    EXPECT_FALSE(canvas->HasFocus());
    canvas->SetAcceptFocus(true);
    testenv::click(canvas);
    EXPECT_TRUE(canvas->HasFocus());
    EXPECT_EQ(gotFocus, 1);
}

} // namespace
