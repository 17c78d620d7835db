// SPDX-License-Identifier: GPL-3.0-or-later
#include "controls/roundededitfieldcanvas.h"
#include "controls/roundededitfieldfield.h"

#include "controls/controltestwindow.h"
#include "app/pictureresources.h"
#include "framework/gui/editfield.h"
#include "framework/gui/picture.h"
#include "support/gui.h"

#include <QImage>
#include <QPainter>
#include <QScreen>
#include <QWidget>

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

namespace {

using controls::RoundedEditFieldCanvas;
using controls::RoundedEditFieldField;
using controls::RoundedFrame;
using controltest::ControlTest;
using controltest::ControlWindow;

// The canvas as it is drawn on its own, transparent where it draws nothing.
QImage Drawn(fw::Control* control)
{
    QWidget* widget = control->Handle();
    QImage image(widget->size(), QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    widget->render(&image, QPoint(), QRegion(), QWidget::RenderFlags());
    return image;
}

// What the screen shows of a frame's caps once pending paints have run (the
// field between them shows its own caret).
QImage CapsOnScreen(RoundedEditFieldCanvas* frame)
{
    testenv::runFor(20);
    QWidget* widget = frame->Handle();
    QWidget* top = widget->window();
    const QPoint at = widget->mapTo(top, QPoint(0, 0));
    const QImage all = top->screen()
                           ->grabWindow(top->winId(), at.x(), at.y(), widget->width(), widget->height())
                           .toImage()
                           .convertToFormat(QImage::Format_ARGB32);
    QImage caps(20, all.height(), QImage::Format_ARGB32);
    QPainter p(&caps);
    p.drawImage(0, 0, all.copy(0, 0, 10, all.height()));
    p.drawImage(10, 0, all.copy(all.width() - 10, 0, 10, all.height()));
    return caps;
}

// The first and last columns of a row that hold a visible pixel; -1 when none.
std::pair<int, int> OpaqueSpan(const QImage& image, int y)
{
    int first = -1, last = -1;
    for (int x = 0; x < image.width(); ++x)
        if (qAlpha(image.pixel(x, y)) > 128) {
            if (first < 0)
                first = x;
            last = x;
        }
    return {first, last};
}

class RoundedEditFieldTest : public ControlTest {
protected:
    // Two pairs as the calendar window holds them: the canvas places its field
    // when it opens, the field binds its canvas on every key.
    ControlWindow* MakePairs(int canvasHeight = 20)
    {
        return MakeWindow(
            [this, canvasHeight](ControlWindow& w) {
                first = w.Add<fw::EditField>("first", 10, 80, 60, 22);
                canvas = w.Add<RoundedEditFieldCanvas>("rcanvas1", 20, 20, 92, canvasHeight);
                field = w.Add<RoundedEditFieldField>("durciclo", 44, 20, 56, 17);
                field->SetProperty("Text", "28");
                field->SetProperty("Border", false);
                field->SetProperty("Alignment", 2);
                canvas2 = w.Add<RoundedEditFieldCanvas>("rcanvas2", 140, 20, 92, 20);
                field2 = w.Add<RoundedEditFieldField>("luteo", 165, 20, 56, 20);
                field2->SetProperty("Text", "14");
                field2->SetProperty("Border", false);
                canvas->Open.Bind([this] { canvas->SetEditField(field); });
                canvas2->Open.Bind([this] { canvas2->SetEditField(field2); });
                field->KeyDown.Bind([this](const std::string&) {
                    field->SetCanvas(canvas);
                    return false;
                });
                field2->KeyDown.Bind([this](const std::string&) {
                    field2->SetCanvas(canvas2);
                    return false;
                });
            },
            260, 120);
    }

    fw::EditField* first = nullptr;
    RoundedEditFieldCanvas* canvas = nullptr;
    RoundedEditFieldField* field = nullptr;
    RoundedEditFieldCanvas* canvas2 = nullptr;
    RoundedEditFieldField* field2 = nullptr;
};

TEST(RoundedFrameTest, FrameWidthFollowsTheFieldWhenThereIsOne)
{
    struct Row {
        const char* name;
        int canvasWidth;
        std::optional<int> fieldWidth;
        RoundedFrame frame;
    };
    const Row rows[] = {
        {"no field: the whole canvas", 92, std::nullopt, {82, 72}},
        {"a placed field: the same frame", 92, 72, {82, 72}},
        {"a narrowed field pulls the right cap in", 92, 52, {62, 52}},
        {"a widened field pushes it out", 92, 100, {110, 100}},
        {"a narrow canvas", 20, std::nullopt, {10, 0}},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        EXPECT_EQ(controls::FrameFor(row.canvasWidth, row.fieldWidth), row.frame);
    }
}

TEST_F(RoundedEditFieldTest, SetEditFieldPlacesTheFieldInsideTheFrame)
{
    struct Row {
        const char* name;
        int left, top, width, height;
        bool lockLeft, lockTop, lockRight, lockBottom;
        int fieldLeft, fieldTop, fieldWidth;
    };
    const Row rows[] = {
        {"the calendar's frame", 514, 206, 92, 20, false, false, false, false, 524, 208, 72},
        {"a taller design height", 514, 248, 92, 35, true, false, true, false, 524, 250, 72},
        {"a short, narrow canvas", 3, 4, 40, 9, false, true, false, true, 13, 6, 20},
        {"all locks", 100, 50, 150, 20, true, true, true, true, 110, 52, 130},
    };
    MakePairs();
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        for (const char* p : {"Left", "Top", "Width", "Height"})
            canvas->SetProperty(p, std::string_view(p) == "Left"    ? row.left
                                   : std::string_view(p) == "Top"   ? row.top
                                   : std::string_view(p) == "Width" ? row.width
                                                                    : row.height);
        canvas->SetLockLeft(row.lockLeft);
        canvas->SetLockTop(row.lockTop);
        canvas->SetLockRight(row.lockRight);
        canvas->SetLockBottom(row.lockBottom);
        field->SetLockLeft(!row.lockLeft);
        field->SetLockTop(!row.lockTop);
        field->SetLockRight(!row.lockRight);
        field->SetLockBottom(!row.lockBottom);
        field->SetBackColor(fw::RGB(200, 0, 0));
        field->SetMultiLine(true);

        canvas->SetEditField(field);
        EXPECT_EQ(canvas->MyEditfield(), field);
        EXPECT_EQ(field->Left(), row.fieldLeft);
        EXPECT_EQ(field->Top(), row.fieldTop);
        EXPECT_EQ(field->Width(), row.fieldWidth);
        EXPECT_EQ(field->Height(), 17);
        EXPECT_EQ(canvas->Height(), 20);
        EXPECT_EQ(canvas->Left(), row.left);
        EXPECT_EQ(canvas->Width(), row.width);
        EXPECT_EQ(field->LockLeft(), row.lockLeft);
        EXPECT_EQ(field->LockTop(), row.lockTop);
        EXPECT_EQ(field->LockRight(), row.lockRight);
        EXPECT_EQ(field->LockBottom(), row.lockBottom);
        EXPECT_EQ(field->BackColor(), fw::RGB(255, 255, 255));
        EXPECT_FALSE(field->MultiLine());
        // Placing does not bind the field's canvas: its first key does.
        EXPECT_EQ(field->MyCanvas(), nullptr);
    }
}

TEST_F(RoundedEditFieldTest, TheFrameIsAsWideAsTheFieldOrTheCanvas)
{
    MakePairs(35);
    const fw::PicturePtr leftCap = REFLeftPic();
    const fw::PicturePtr rightCap = REFRightPic();
    ASSERT_TRUE(leftCap && rightCap);
    const int y = 10;
    const QImage rightAlone = rightCap->Composited();
    const int capFirst = OpaqueSpan(leftCap->Composited(), y).first;
    const int capLast = OpaqueSpan(rightAlone, y).second;
    ASSERT_GE(capFirst, 0);
    ASSERT_GE(capLast, 0);

    struct Row {
        const char* name;
        std::function<void()> change;
        int rightCap;
    };
    const Row rows[] = {
        {"placed field", [] {}, 82},
        {"field narrowed by 20", [this] { field->SetWidth(52); }, 62},
        {"field widened back", [this] { field->SetWidth(72); }, 82},
        {"no field", [this] { canvas->KillEditfield(); }, 82},
        {"no field, canvas narrowed", [this] { canvas->SetWidth(60); }, 50},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        row.change();
        canvas->Refresh();
        const QImage drawn = Drawn(canvas);
        EXPECT_EQ(drawn.height(), 20);
        EXPECT_EQ(OpaqueSpan(drawn, y), std::make_pair(capFirst, row.rightCap + capLast));
        // The middle is the frame's white inside, stretched across.
        EXPECT_EQ(QColor(drawn.pixel(row.rightCap / 2 + 5, y)), QColor(Qt::white));
    }
}

TEST_F(RoundedEditFieldTest, AFieldMovedToAnotherFrameLeavesTheFirst)
{
    MakePairs();
    const int y = 10;
    const int capFirst = OpaqueSpan(REFLeftPic()->Composited(), y).first;
    const int capLast = OpaqueSpan(REFRightPic()->Composited(), y).second;
    canvas2->SetEditField(field);
    EXPECT_EQ(field->Left(), canvas2->Left() + 10);
    // The first canvas no longer follows the field: narrowing the field
    // leaves its frame as wide as the canvas. Tearing the window down then
    // must not reach the field through the first canvas.
    field->SetWidth(40);
    canvas->Refresh();
    EXPECT_EQ(OpaqueSpan(Drawn(canvas), y), std::make_pair(capFirst, 82 + capLast));
}

TEST_F(RoundedEditFieldTest, TheFramePiecesGetTheirMasksWhenDrawn)
{
    MakePairs();
    const fw::PicturePtr middle = REFMiddlePic();
    const fw::PicturePtr middleMask = REFMiddleMask();
    ASSERT_TRUE(middle && middleMask);
    canvas->DrawTheField();
    ASSERT_TRUE(middle->HasMask());
    for (int y = 0; y < middle->Height(); ++y) {
        SCOPED_TRACE("row " + std::to_string(y));
        EXPECT_EQ(middle->Mask()->RGBSurface().Pixel(3, y), middleMask->RGBSurface().Pixel(3, y));
    }
}

TEST_F(RoundedEditFieldTest, HasFocusFollowsTheFocusWhateverTheRingSetting)
{
    struct Row {
        const char* name;
        bool rounded;
        bool bindCanvas;
    };
    const Row rows[] = {
        {"plain", false, false},
        {"rounded ring, canvas not bound", true, false},
        {"rounded ring, canvas bound", true, true},
        {"plain, canvas bound", false, true},
    };
    MakePairs();
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        field->SetProperty("UseRoundedFocusRing", row.rounded);
        field->SetCanvas(row.bindCanvas ? canvas : nullptr);
        first->SetFocus();
        EXPECT_FALSE(field->HasFocus());
        field->SetFocus();
        EXPECT_TRUE(field->HasFocus());
        EXPECT_FALSE(field2->HasFocus());
        testenv::click(field2);
        EXPECT_FALSE(field->HasFocus());
        EXPECT_TRUE(field2->HasFocus());
    }
}

TEST_F(RoundedEditFieldTest, AFocusedFieldShowsARingAroundItsFrame)
{
    MakePairs();
    first->SetFocus();
    testenv::runFor(0);
    const QImage rest = Drawn(canvas);
    field->SetFocus();
    const QImage focused = Drawn(canvas);
    // The ring lies on the frame's outline at both caps; the inside stays white.
    int changed = 0;
    for (int y = 0; y < rest.height(); ++y)
        for (int x = 0; x < rest.width(); ++x)
            if (rest.pixel(x, y) != focused.pixel(x, y))
                ++changed;
    EXPECT_GT(changed, 2 * rest.height());
    EXPECT_EQ(QColor(focused.pixel(46, 10)), QColor(Qt::white));
    EXPECT_NE(focused.pixel(1, 10), rest.pixel(1, 10));
    EXPECT_NE(focused.pixel(90, 10), rest.pixel(90, 10));
    // The other frame shows none, and the ring goes with the focus.
    EXPECT_EQ(Drawn(canvas2), rest);
    testenv::click(field2);
    EXPECT_EQ(Drawn(canvas), rest);
    EXPECT_NE(Drawn(canvas2), rest);
}

TEST_F(RoundedEditFieldTest, TheScreenFollowsTheRing)
{
    MakePairs();
    first->SetFocus();
    const QImage rest = CapsOnScreen(canvas);
    const QImage rest2 = CapsOnScreen(canvas2);
    ASSERT_FALSE(rest.isNull());
    struct Row {
        const char* name;
        fw::Control* focus;
        bool ringOnFirst;
        bool ringOnSecond;
    };
    const Row rows[] = {
        {"first field", field, true, false},
        {"second field", field2, false, true},
        {"another control", first, false, false},
        {"first field again", field, true, false},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        row.focus->SetFocus();
        EXPECT_EQ(CapsOnScreen(canvas) != rest, row.ringOnFirst);
        EXPECT_EQ(CapsOnScreen(canvas2) != rest2, row.ringOnSecond);
    }
}

TEST_F(RoundedEditFieldTest, KeysReachTheFieldAndTheFirstBindsTheCanvas)
{
    MakePairs();
    EXPECT_EQ(field->MyCanvas(), nullptr);
    EXPECT_EQ(field2->MyCanvas(), nullptr);
    testenv::click(field);
    testenv::key(field, Qt::Key_End);
    EXPECT_EQ(field->MyCanvas(), canvas);
    testenv::type(field, "5a");
    testenv::key(field, Qt::Key_Backspace);
    testenv::type(field, "7");
    EXPECT_EQ(field->Text(), "2857");
    EXPECT_EQ(field2->MyCanvas(), nullptr);
    // SetCanvas replaces an earlier canvas.
    field->SetCanvas(canvas2);
    EXPECT_EQ(field->MyCanvas(), canvas2);
}

TEST_F(RoundedEditFieldTest, AClickOnTheFrameOutsideTheFieldDoesNothing)
{
    MakePairs();
    int downs = 0;
    canvas->MouseDown.Bind([&](int, int) {
        ++downs;
        return true;
    });
    field2->SetFocus();
    testenv::clickAt(&canvas->ParentWindow(), canvas->Left() + 3, canvas->Top() + 10);
    testenv::clickAt(&canvas->ParentWindow(), canvas->Left() + 50, canvas->Top() + 19);
    EXPECT_EQ(downs, 0);
    EXPECT_TRUE(field2->HasFocus());
    EXPECT_FALSE(field->HasFocus());
}

TEST_F(RoundedEditFieldTest, FocusPictureIsTheFrameSilhouette)
{
    MakePairs();
    field->SetWidth(52);
    fw::PicturePtr p;
    field->DrawFocusInPicture(p);
    ASSERT_TRUE(p);
    EXPECT_EQ(p->Width(), 72);
    EXPECT_EQ(p->Height(), 22);
    fw::RGBSurface s = p->RGBSurface();
    struct Row {
        const char* name;
        int x, y;
        fw::Color colour;
    };
    const Row rows[] = {
        {"inside the left cap", 8, 10, fw::RGB(0, 0, 0)},
        {"inside the middle", 36, 10, fw::RGB(0, 0, 0)},
        {"inside the right cap", 63, 10, fw::RGB(0, 0, 0)},
        {"top-left corner", 0, 0, fw::RGB(255, 255, 255)},
        {"top-right corner", 71, 0, fw::RGB(255, 255, 255)},
        {"below the frame", 36, 21, fw::RGB(255, 255, 255)},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        EXPECT_EQ(s.Pixel(row.x, row.y), row.colour);
    }
}

} // namespace
