// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "controls/roundededitfieldcanvas.h"
#include "controls/roundededitfieldfield.h"
#include "framework/gui/editfield.h"
#include "support/guifixture.h"

#include <QLineEdit>
#include <QPoint>
#include <QTest>

#include <gtest/gtest.h>

#include <functional>
#include <optional>
#include <string>

namespace controltest {

using ControlWindow = testenv::TestWindow;
using testenv::OnScreen;

// A number field in its rounded frame, as the calendar window holds them: the
// frame places the field when it opens, the field binds its frame on every key.
inline controls::RoundedEditFieldField* AddNumberField(ControlWindow& w, const std::string& frameName,
                                                       const std::string& fieldName, int left, int top,
                                                       const char* text,
                                                       controls::RoundedEditFieldCanvas** frameOut = nullptr)
{
    auto* frame = w.Add<controls::RoundedEditFieldCanvas>(frameName, left, top, 92, 20);
    auto* field = w.Add<controls::RoundedEditFieldField>(fieldName, left + 24, top, 56, 17);
    field->SetProperty("Text", text);
    field->SetProperty("Border", false);
    field->SetProperty("Alignment", 2);
    field->SetProperty("UseFocusRing", false);
    frame->Open.Bind([frame, field] { frame->SetEditField(field); });
    field->KeyDown.Bind([frame, field](const std::string&) {
        field->SetCanvas(frame);
        return false;
    });
    if (frameOut)
        *frameOut = frame;
    return field;
}

// A point of the window where a click puts the field's caret at that index;
// nothing when no point does.
inline std::optional<QPoint> PointOfIndex(fw::EditField* field, int index)
{
    auto* edit = qobject_cast<QLineEdit*>(field->Handle());
    if (!edit)
        return std::nullopt;
    const int y = field->Height() / 2;
    for (int x = 0; x < field->Width(); ++x)
        if (edit->cursorPositionAt(QPoint(x, y)) == index)
            return QPoint(field->Left() + x, field->Top() + y);
    return std::nullopt;
}

// Controls' tests expect no message box unless they say so.
class ControlTest : public testenv::GuiFixture {
protected:
    void TearDown() override
    {
        GuiFixture::TearDown();
        EXPECT_TRUE(messages.empty()) << messages.front();
    }
    ControlWindow* MakeWindow(std::function<void(ControlWindow&)> build, int width = 300, int height = 120)
    {
        return GuiFixture::MakeWindow(std::move(build), width, height);
    }
};

} // namespace controltest
