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

#include <filesystem>
#include <string>

namespace {

using controls::RoundedEditFieldCanvas;
using controls::RoundedEditFieldField;
using controltest::ControlTest;
using controltest::ControlWindow;

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
            frame->Open.InstallInstanceEventHandler([frame, field] { frame->SetEditField(field); });
            field->KeyDown.InstallInstanceEventHandler([frame, field](const std::string&) {
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

TEST_F(RoundedEditFieldTest, AFieldMovedToAnotherFrameLeavesTheFirst)
{
    canvas2->SetEditField(field);
    EXPECT_EQ(field->Left(), canvas2->Left() + 10);
    // The first canvas no longer follows the field: narrowing the field
    // leaves its frame as wide as the canvas. Tearing the window down then
    // must not reach the field through the first canvas.
    field->SetWidth(40);
    canvas->Refresh();
    EXPECT_EQ(OpaqueSpan(testenv::DrawnAlone(canvas), kRow), std::make_pair(CapFirst(), 82 + CapLast()));
}

// A frame follows its bound field's width; once it lets go of the field it
// spans the whole canvas again, whatever the field does.
TEST_F(RoundedEditFieldTest, AFrameLetGoOfItsFieldSpansTheCanvas)
{
    const std::pair<int, int> whole{CapFirst(), 82 + CapLast()};
    field->SetWidth(40);
    canvas->Refresh();
    EXPECT_EQ(OpaqueSpan(testenv::DrawnAlone(canvas), kRow), std::make_pair(CapFirst(), 50 + CapLast()));
    canvas->KillEditfield();
    EXPECT_EQ(canvas->MyEditfield(), nullptr);
    const QImage plain = testenv::DrawnAlone(canvas);
    EXPECT_EQ(OpaqueSpan(plain, kRow), whole);
    // The field is no longer this frame's: its focus draws no ring here.
    field->Handle()->setFocus();
    testenv::runFor(0);
    EXPECT_TRUE(field->HasFocus());
    EXPECT_EQ(testenv::DrawnAlone(canvas), plain);
    first->Handle()->setFocus();
    canvas->SetEditField(field);
    EXPECT_EQ(OpaqueSpan(testenv::DrawnAlone(canvas), kRow), whole);
}

// The focused field's frame shows a ring; the inside stays white and the ring
// goes with the focus, as HasFocus does.
TEST_F(RoundedEditFieldTest, TheFocusedFieldsFrameShowsARing)
{
    first->Handle()->setFocus();
    testenv::runFor(0);
    const QImage rest = testenv::DrawnAlone(canvas);
    ASSERT_EQ(testenv::DrawnAlone(canvas2), rest);
    struct Row { const char* name; fw::Control* focus; bool ringOnFirst, ringOnSecond; };
    const Row rows[] = {
        {"second field", field2, false, true},
        {"another control", first, false, false},
        {"first field", field, true, false},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        row.focus->Handle()->setFocus();
        EXPECT_EQ(field->HasFocus(), row.ringOnFirst);
        EXPECT_EQ(field2->HasFocus(), row.ringOnSecond);
        for (const auto& [frame, ring] :
             {std::pair{canvas, row.ringOnFirst}, std::pair{canvas2, row.ringOnSecond}}) {
            const QImage drawn = testenv::DrawnAlone(frame);
            EXPECT_EQ(drawn != rest, ring) << frame->Name();
            EXPECT_EQ(QColor(drawn.pixel(46, kRow)), QColor(Qt::white)) << frame->Name();
        }
    }
    EXPECT_TRUE(std::filesystem::exists(testenv::screenshot(&canvas->ParentWindow(), "roundedfield-focused")));
}

} // namespace
