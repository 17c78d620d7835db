// SPDX-License-Identifier: GPL-3.0-or-later
#include "controls/roundededitfieldcanvas.h"

#include "resources/pictureresources.h"
#include "controls/roundededitfieldfield.h"
#include "framework/gui/graphics.h"

#include <algorithm>
#include <vector>

namespace controls {

namespace {

constexpr std::int32_t kCap = 10;
constexpr std::int32_t kFrameHeight = 20;
constexpr std::int32_t kFieldInset = 2;
constexpr std::int32_t kFieldHeight = 17;
constexpr fw::Color kRingColor = fw::RGB(214, 96, 142);

// A band along the inside of the frame's outline, strongest at the edge and
// fading over two pixels, in the ring colour. silhouette: black where the
// frame is.
fw::PicturePtr RingFrom(fw::Picture& silhouette)
{
    const int w = silhouette.Width();
    const int h = silhouette.Height();
    const fw::RGBSurface in = silhouette.RGBSurface();
    std::vector<double> cover(std::size_t(w) * std::size_t(h));
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            cover[std::size_t(y) * std::size_t(w) + std::size_t(x)] = 1.0 - in.Pixel(x, y).Red / 255.0;
    const auto at = [&](int x, int y) {
        if (x < 0 || y < 0 || x >= w || y >= h)
            return 0.0;
        return cover[std::size_t(y) * std::size_t(w) + std::size_t(x)];
    };
    // The least cover within a radius: the frame shrunk by that many pixels.
    const auto shrunk = [&](int x, int y, int radius) {
        double least = at(x, y);
        for (int dy = -radius; dy <= radius; ++dy)
            for (int dx = -radius; dx <= radius; ++dx)
                if (dx * dx + dy * dy <= radius * radius + 1)
                    least = std::min(least, at(x + dx, y + dy));
        return least;
    };

    fw::PicturePtr ring = fw::Picture::New(w, h);
    ring->Graphics().SetForeColor(kRingColor);
    ring->Graphics().FillRect(0, 0, w, h);
    fw::RGBSurface mask = ring->Mask()->RGBSurface();
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            const double c = at(x, y);
            const double inner1 = shrunk(x, y, 1);
            const double inner2 = shrunk(x, y, 2);
            const double alpha = std::clamp((c - inner1) * 0.9 + (inner1 - inner2) * 0.35, 0.0, 1.0);
            const int grey = 255 - int(alpha * 255.0 + 0.5);
            mask.SetPixel(x, y, fw::RGB(grey, grey, grey));
        }
    return ring;
}

// The pieces are shared: a piece masked once keeps its mask.
void ApplyMask(const fw::PicturePtr& picture, const fw::PicturePtr& mask)
{
    if (picture && mask && !picture->HasMask())
        picture->Mask()->Graphics().DrawPicture(*mask, 0, 0);
}

} // namespace

RoundedFrame FrameFor(std::int32_t canvasWidth, std::optional<std::int32_t> fieldWidth)
{
    if (fieldWidth)
        return {*fieldWidth + kCap, *fieldWidth};
    return {canvasWidth - kCap, canvasWidth - 2 * kCap};
}

RoundedEditFieldCanvas::RoundedEditFieldCanvas(fw::Window& window) : fw::Canvas(window) {}

RoundedEditFieldCanvas::~RoundedEditFieldCanvas()
{
    if (m_field) {
        if (m_field->m_frame == this)
            m_field->m_frame = nullptr;
        if (m_field->m_canvas == this)
            m_field->m_canvas = nullptr;
    }
}

void RoundedEditFieldCanvas::SetEditField(RoundedEditFieldField* field)
{
    if (!field)
        return;
    if (m_field != field)
        KillEditfield();
    // A field sits in one frame: the canvas it leaves lets go of it, so no
    // canvas keeps a pointer to a field that another one owns.
    if (field->m_frame && field->m_frame != this)
        field->m_frame->KillEditfield();
    m_field = field;
    field->m_frame = this;
    field->SetTop(Top() + kFieldInset);
    field->SetLeft(Left() + kCap);
    field->SetWidth(Width() - 2 * kCap);
    field->SetHeight(kFieldHeight);
    field->SetBackColor(fw::RGB(255, 255, 255));
    field->SetMultiLine(false);
    SetHeight(kFrameHeight);
    field->SetLockBottom(LockBottom());
    field->SetLockTop(LockTop());
    field->SetLockRight(LockRight());
    field->SetLockLeft(LockLeft());
}

void RoundedEditFieldCanvas::KillEditfield()
{
    if (m_field && m_field->m_frame == this)
        m_field->m_frame = nullptr;
    m_field = nullptr;
}

void RoundedEditFieldCanvas::DrawTheField()
{
    const fw::PicturePtr left = REFLeftPic();
    const fw::PicturePtr middle = REFMiddlePic();
    const fw::PicturePtr right = REFRightPic();
    // The middle piece gets its mask only here, so every paint applies all three.
    ApplyMask(left, REFLeftMask());
    ApplyMask(middle, REFMiddleMask());
    ApplyMask(right, REFRightMask());

    const RoundedFrame frame =
        FrameFor(Width(), m_field ? std::optional<std::int32_t>(m_field->Width()) : std::nullopt);
    fw::CanvasGraphics g = Graphics();
    if (left)
        g->DrawPicture(*left, 0, 0);
    if (right)
        g->DrawPicture(*right, frame.RightCap, 0);
    if (middle)
        g->DrawPicture(*middle, kCap, 0, frame.MiddleWidth, middle->Height(), 0, 0, middle->Width(),
                       middle->Height());
}

void RoundedEditFieldCanvas::Event_Paint(fw::Graphics& g)
{
    DrawTheField();
    if (!m_field || !m_field->HasFocus())
        return;
    // Only onto this canvas: drawing on another one in the middle of this
    // paint would repaint that one from inside it.
    if (m_field->MyCanvas() == this)
        m_field->DrawFocus();
    DrawFocusRing(g);
}

void RoundedEditFieldCanvas::DrawFocusRing(fw::Graphics& g)
{
    const std::int32_t width = m_field->Width();
    if (!m_ring || width != m_ringWidth) {
        fw::PicturePtr silhouette;
        m_field->DrawFocusInPicture(silhouette);
        m_ring = silhouette ? RingFrom(*silhouette) : nullptr;
        m_ringWidth = width;
    }
    if (m_ring)
        g.DrawPicture(*m_ring, 0, 0);
}

} // namespace controls
