// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "framework/gui/canvas.h"
#include "framework/gui/picture.h"

#include <cstdint>
#include <optional>

namespace controls {

class RoundedEditFieldField;

// The three slices of a rounded frame W wide: left cap at x 0, middle from
// x 10, right cap at RightCap.
struct RoundedFrame {
    std::int32_t RightCap = 0;
    std::int32_t MiddleWidth = 0;
    friend bool operator==(const RoundedFrame&, const RoundedFrame&) = default;
};
// The frame around a field of that width, or across the whole canvas when
// there is no field.
RoundedFrame FrameFor(std::int32_t canvasWidth, std::optional<std::int32_t> fieldWidth);

// A canvas that draws a rounded frame (left cap, stretched middle, right cap)
// and places its field inside it. The frame takes no clicks, and shows a
// soft ring while its field has the focus.
class RoundedEditFieldCanvas : public fw::Canvas {
public:
    explicit RoundedEditFieldCanvas(fw::Window& window);
    ~RoundedEditFieldCanvas() override;
    std::string_view ClassName() const override { return "RoundedEditFieldCanvas"; }

    RoundedEditFieldField* MyEditfield() const { return m_field; }
    // Binds the field and places it inside the frame: 10 pixels in from each
    // side, 2 below the top, 17 high; the canvas becomes 20 high and the
    // field takes its lock flags. Repaints nothing.
    void SetEditField(RoundedEditFieldField* field);
    // Lets go of the field: the frame spans the whole canvas again.
    void KillEditfield();
    // Paints the frame on the canvas's drawing surface.
    void DrawTheField();

protected:
    void Event_Paint(fw::Graphics& g) override;
    bool Event_MouseDown(int, int) override { return false; }
    void Event_MouseUp(int, int) override {}
    void Event_MouseDrag(int, int) override {}
    void Event_MouseMove(int, int) override {}
    void Event_MouseEnter() override {}
    void Event_MouseExit() override {}
    void Event_DropObject(fw::DragItem&, int) override {}

private:
    friend class RoundedEditFieldField;
    void DrawFocusRing(fw::Graphics& g);

    RoundedEditFieldField* m_field = nullptr;
    // The ring of the last field width drawn, kept between paints.
    fw::PicturePtr m_ring;
    std::int32_t m_ringWidth = -1;
};

} // namespace controls
