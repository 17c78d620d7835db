// SPDX-License-Identifier: GPL-3.0-or-later
#include "controls/roundededitfieldcanvas.h"
#include "controls/roundededitfieldfield.h"

#include "controls/controltestwindow.h"
#include "framework/gui/editfield.h"
#include "framework/gui/picture.h"
#include "resources/pictureresources.h"
#include "support/gui.h"

#include <QColor>
#include <QImage>
#include <QWidget>

#include <gtest/gtest.h>

#include <array>
#include <filesystem>
#include <functional>
#include <string>
#include <tuple>

namespace {

using controls::RoundedEditFieldCanvas;
using controls::RoundedEditFieldField;
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

// What the screen shows of a frame's two caps once pending paints have run
// (the field between them shows its own caret).
std::pair<QImage, QImage> CapsOnScreen(RoundedEditFieldCanvas* frame)
{
    testenv::runFor(20);
    const QImage all = controltest::OnScreen(frame);
    return {all.copy(0, 0, 10, all.height()), all.copy(all.width() - 10, 0, 10, all.height())};
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

// The row the frame tests look at, and where the caps' artwork begins and
// ends on it.
constexpr int kRow = 10;
int CapFirst() { return OpaqueSpan(REFLeftPic()->Composited(), kRow).first; }
int CapLast() { return OpaqueSpan(REFRightPic()->Composited(), kRow).second; }

using Locks = std::array<bool, 4>;   // left, top, right, bottom

void SetLocks(fw::Control* c, const Locks& locks)
{
    c->SetLockLeft(locks[0]);
    c->SetLockTop(locks[1]);
    c->SetLockRight(locks[2]);
    c->SetLockBottom(locks[3]);
}

// Two number fields in their rounded frames, as the calendar window holds
// them (the frame places the field when it opens, the field binds its frame on
// every key), and a plain field to take the focus.
class RoundedEditFieldTest : public ControlTest {
protected:
    void SetUp() override
    {
        ControlTest::SetUp();
        const auto add = [](ControlWindow& w, const std::string& name, int left, const char* text,
                            RoundedEditFieldCanvas*& frame) {
            frame = w.Add<RoundedEditFieldCanvas>("r" + name, left, 20, 92, 20);
            auto* field = w.Add<RoundedEditFieldField>(name, left + 24, 20, 56, 17);
            field->SetProperty("Text", text);
            field->SetProperty("Border", false);
            field->SetProperty("Alignment", 2);
            field->SetProperty("UseFocusRing", false);
            frame->Open.Bind([frame, field] { frame->SetEditField(field); });
            field->KeyDown.Bind([frame, field](const std::string&) {
                field->SetCanvas(frame);
                return false;
            });
            return field;
        };
        MakeWindow(
            [&](ControlWindow& w) {
                first = w.Add<fw::EditField>("first", 10, 80, 60, 22);
                field = add(w, "durciclo", 20, "28", canvas);
                field2 = add(w, "luteo", 140, "14", canvas2);
            },
            260, 120);
    }

    fw::EditField* first = nullptr;
    RoundedEditFieldCanvas* canvas = nullptr;
    RoundedEditFieldField* field = nullptr;
    RoundedEditFieldCanvas* canvas2 = nullptr;
    RoundedEditFieldField* field2 = nullptr;
};

TEST_F(RoundedEditFieldTest, SetEditFieldPlacesTheFieldInsideTheFrame)
{
    struct Row { const char* name; int left, top, width, height; Locks locks; int fieldLeft, fieldTop, fieldWidth; };
    const Row rows[] = {
        {"the calendar's frame", 514, 206, 92, 20, {false, false, false, false}, 524, 208, 72},
        {"a taller design height", 514, 248, 92, 35, {true, false, true, false}, 524, 250, 72},
        {"a short, narrow canvas", 3, 4, 40, 9, {false, true, false, true}, 13, 6, 20},
        {"all locks", 100, 50, 150, 20, {true, true, true, true}, 110, 52, 130},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        canvas->SetLeft(row.left);
        canvas->SetTop(row.top);
        canvas->SetWidth(row.width);
        canvas->SetHeight(row.height);
        SetLocks(canvas, row.locks);
        SetLocks(field, {!row.locks[0], !row.locks[1], !row.locks[2], !row.locks[3]});
        field->SetBackColor(fw::RGB(200, 0, 0));
        field->SetMultiLine(true);

        canvas->SetEditField(field);
        EXPECT_EQ(canvas->MyEditfield(), field);
        EXPECT_EQ(std::tuple(field->Left(), field->Top(), field->Width(), field->Height()),
                  std::tuple(row.fieldLeft, row.fieldTop, row.fieldWidth, 17));
        EXPECT_EQ(std::tuple(canvas->Left(), canvas->Width(), canvas->Height()),
                  std::tuple(row.left, row.width, 20));
        EXPECT_EQ((Locks{field->LockLeft(), field->LockTop(), field->LockRight(), field->LockBottom()}), row.locks);
        EXPECT_EQ(field->BackColor(), fw::RGB(255, 255, 255));
        EXPECT_FALSE(field->MultiLine());
        // Placing does not bind the field's canvas: its first key does.
        EXPECT_EQ(field->MyCanvas(), nullptr);
    }
}

// The right cap follows the field when there is one, the canvas otherwise.
TEST_F(RoundedEditFieldTest, TheFrameIsAsWideAsTheFieldOrTheCanvas)
{
    ASSERT_GE(CapFirst(), 0);
    ASSERT_GE(CapLast(), 0);
    struct Row { const char* name; std::function<void()> change; int rightCap; };
    const Row rows[] = {
        {"placed field", [] {}, 82},
        {"field narrowed by 20", [this] { field->SetWidth(52); }, 62},
        {"a wider canvas keeps the field's frame", [this] { canvas->SetWidth(130); }, 62},
        {"field widened past the placed frame", [this] { field->SetWidth(100); }, 110},
        {"no field: the whole canvas", [this] { canvas->KillEditfield(); }, 120},
        {"no field, canvas narrowed", [this] { canvas->SetWidth(60); }, 50},
        {"no field, a narrow canvas", [this] { canvas->SetWidth(20); }, 10},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        row.change();
        canvas->Refresh();
        const QImage drawn = Drawn(canvas);
        EXPECT_EQ(OpaqueSpan(drawn, kRow), std::make_pair(CapFirst(), row.rightCap + CapLast()));
        // The middle is the frame's white inside, stretched across.
        if (row.rightCap > 10) {
            EXPECT_EQ(QColor(drawn.pixel(row.rightCap / 2 + 5, kRow)), QColor(Qt::white));
        }
    }
}

TEST_F(RoundedEditFieldTest, AFieldMovedToAnotherFrameLeavesTheFirst)
{
    canvas2->SetEditField(field);
    EXPECT_EQ(field->Left(), canvas2->Left() + 10);
    // The first canvas no longer follows the field: narrowing the field
    // leaves its frame as wide as the canvas. Tearing the window down then
    // must not reach the field through the first canvas.
    field->SetWidth(40);
    canvas->Refresh();
    EXPECT_EQ(OpaqueSpan(Drawn(canvas), kRow), std::make_pair(CapFirst(), 82 + CapLast()));
}

// The focused field's frame shows a ring, drawn and on screen; the inside
// stays white and the ring goes with the focus, as HasFocus does.
TEST_F(RoundedEditFieldTest, TheFocusedFieldsFrameShowsARing)
{
    first->SetFocus();
    testenv::runFor(0);
    const QImage rest = Drawn(canvas);
    ASSERT_EQ(Drawn(canvas2), rest);
    const auto screenRest = CapsOnScreen(canvas);
    const auto screenRest2 = CapsOnScreen(canvas2);
    struct Row { const char* name; fw::Control* focus; bool ringOnFirst, ringOnSecond; };
    const Row rows[] = {
        {"first field", field, true, false},
        {"second field", field2, false, true},
        {"another control", first, false, false},
        {"first field again", field, true, false},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        row.focus->SetFocus();
        EXPECT_EQ(field->HasFocus(), row.ringOnFirst);
        EXPECT_EQ(field2->HasFocus(), row.ringOnSecond);
        for (const auto& [frame, ring, screen] :
             {std::tuple{canvas, row.ringOnFirst, screenRest}, std::tuple{canvas2, row.ringOnSecond, screenRest2}}) {
            const QImage drawn = Drawn(frame);
            EXPECT_EQ(drawn != rest, ring) << frame->Name();
            EXPECT_EQ(CapsOnScreen(frame) != screen, ring) << frame->Name();
            EXPECT_EQ(QColor(drawn.pixel(46, kRow)), QColor(Qt::white)) << frame->Name();
        }
    }
    // The ring lies along the frame's outline, at both caps.
    const QImage focused = Drawn(canvas);
    EXPECT_NE(focused.pixel(1, kRow), rest.pixel(1, kRow));
    EXPECT_NE(focused.pixel(90, kRow), rest.pixel(90, kRow));
    EXPECT_TRUE(std::filesystem::exists(testenv::screenshot(&canvas->ParentWindow(), "roundedfield-focused")));
    // Without the rounded ring too.
    field->SetProperty("UseRoundedFocusRing", false);
    testenv::click(field2);
    EXPECT_FALSE(field->HasFocus());
    testenv::click(field);
    EXPECT_TRUE(field->HasFocus());
}

// Keys reach the field and the first binds its canvas; a click on the frame
// outside the field does nothing.
TEST_F(RoundedEditFieldTest, KeysReachTheFieldAndClicksOnTheFrameDoNot)
{
    int downs = 0;
    canvas->MouseDown.Bind([&](int, int) { return ++downs > 0; });
    testenv::click(field);
    testenv::key(field, Qt::Key_End);
    EXPECT_EQ(field->MyCanvas(), canvas);
    testenv::type(field, "5a");
    testenv::key(field, Qt::Key_Backspace);
    testenv::type(field, "7");
    EXPECT_EQ(field->Text(), "2857");
    EXPECT_EQ(field2->MyCanvas(), nullptr);
    field2->SetFocus();
    testenv::clickAt(&canvas->ParentWindow(), canvas->Left() + 3, canvas->Top() + 10);
    testenv::clickAt(&canvas->ParentWindow(), canvas->Left() + 50, canvas->Top() + 19);
    EXPECT_EQ(downs, 0);
    EXPECT_TRUE(field2->HasFocus());
}

} // namespace
