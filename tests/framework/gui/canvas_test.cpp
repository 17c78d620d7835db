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

using testenv::TestWindow;

class CanvasTest : public testenv::GuiFixture {
protected:
    void SetUp() override
    {
        GuiFixture::SetUp();
        window = MakeWindow([this](TestWindow& w) { canvas = w.Add<fw::Canvas>("c", 20, 20, 40, 30); });
    }

    QRgb PixelAt(int x, int y) const
    {
        const QRect box(canvas->Left(), canvas->Top(), canvas->Width(), canvas->Height());
        return window->Content()->grab(box).toImage().pixel(x, y);
    }
    void Fill(fw::Graphics& g, fw::Color c, int x, int y, int w, int h)
    {
        g.SetForeColor(c);
        g.FillRect(x, y, w, h);
    }

    TestWindow* window = nullptr;
    fw::Canvas* canvas = nullptr;
};

TEST_F(CanvasTest, MouseDownTrueCapturesDragAndUp)
{
    using Events = std::vector<std::string>;
    Events events;
    bool take = false;
    auto note = [&](const char* what) {
        return [&events, what](int x, int y) {
            events.push_back(what + std::to_string(x) + "," + std::to_string(y));
        };
    };
    canvas->MouseDown.InstallInstanceEventHandler([&, down = note("Down ")](int x, int y) {
        down(x, y);
        return take;
    });
    canvas->MouseDrag.InstallInstanceEventHandler(note("Drag "));
    canvas->MouseUp.InstallInstanceEventHandler(note("Up "));
    // Taken: drag and release follow, also outside; not taken: nothing follows.
    for (const bool taken : {true, false}) {
        take = taken;
        events.clear();
        testenv::pressAt(window, 25, 25);
        testenv::hover(window, 90, 25);
        testenv::releaseAt(window, 90, 25);
        EXPECT_EQ(events, (taken ? Events{"Down 5,5", "Drag 70,5", "Up 70,5"} : Events{"Down 5,5"}));
    }
}

// The backdrop lies under what Paint draws; Graphics() outside Paint draws
// on the canvas until the next refresh, inside Paint it draws into that paint.
TEST_F(CanvasTest, PaintDrawsOverTheBackdropAndGraphicsDrawsAtOnce)
{
    auto backdrop = fw::Picture::New(40, 30);
    Fill(backdrop->Graphics(), fw::RGB(255, 0, 0), 0, 0, 40, 30);
    canvas->SetBackdrop(backdrop);
    canvas->Paint.InstallInstanceEventHandler(
        [this](fw::Graphics& g) { Fill(g, fw::RGB(0, 128, 0), 0, 0, 10, 10); });
    EXPECT_EQ(PixelAt(5, 5), qRgb(0, 128, 0));
    EXPECT_EQ(PixelAt(30, 20), qRgb(255, 0, 0));
    Fill(*canvas->Graphics(), fw::RGB(255, 255, 0), 25, 15, 10, 10);
    EXPECT_EQ(PixelAt(30, 20), qRgb(255, 255, 0));
    EXPECT_EQ(PixelAt(5, 5), qRgb(0, 128, 0));
    canvas->SetBackdrop(nullptr);
    EXPECT_NE(PixelAt(30, 20), qRgb(255, 255, 0));
    EXPECT_NE(PixelAt(30, 20), qRgb(255, 0, 0));
    EXPECT_EQ(PixelAt(5, 5), qRgb(0, 128, 0));

    canvas->Paint.InstallInstanceEventHandler(
        [this](fw::Graphics&) { Fill(*canvas->Graphics(), fw::RGB(10, 20, 30), 0, 0, 9, 9); });
    EXPECT_EQ(PixelAt(1, 1), qRgb(10, 20, 30));
}

// A failing Paint handler is reported once the paint is over, never from
// inside it.
TEST_F(CanvasTest, AnExceptionInPaintIsReportedAfterThePaint)
{
    canvas->Paint.InstallInstanceEventHandler([](fw::Graphics&) { throw std::runtime_error("no ink"); });
    window->Content()->repaint(QRect(canvas->Left(), canvas->Top(), canvas->Width(), canvas->Height()));
    EXPECT_TRUE(messages.empty());
    testenv::runFor(20);
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_NE(messages[0].find("no ink"), std::string::npos) << messages[0];
    EXPECT_EQ(app->ExitStatus(), 1);
}

} // namespace
