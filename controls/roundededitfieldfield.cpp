// SPDX-License-Identifier: GPL-3.0-or-later
#include "controls/roundededitfieldfield.h"

#include "resources/pictureresources.h"
#include "controls/roundededitfieldcanvas.h"
#include "framework/gui/graphics.h"

#include <algorithm>

namespace controls {

RoundedEditFieldField::RoundedEditFieldField(fw::Window& window) : fw::EditField(window) {}

RoundedEditFieldField::~RoundedEditFieldField()
{
    if (m_frame && m_frame->m_field == this)
        m_frame->m_field = nullptr;
}

std::span<const fw::PropertyInfo> RoundedEditFieldField::StoredProperties()
{
    static constexpr fw::PropertyInfo kRows[] = {
        fw::Row<&RoundedEditFieldField::SetUseRoundedFocusRing>(0x4c, "UseRoundedFocusRing"),
        fw::Row<&RoundedEditFieldField::m_hasFocus>(0x4d, "HasFocus"),
    };
    return kRows;
}

void RoundedEditFieldField::SetCanvas(RoundedEditFieldCanvas* canvas)
{
    m_canvas = canvas;
}

void RoundedEditFieldField::DrawFocus()
{
    if (m_useRoundedFocusRing && m_canvas)
        m_canvas->DrawTheField();
}

void RoundedEditFieldField::EraseFocus()
{
    DrawFocus();
}

void RoundedEditFieldField::DrawFocusInPicture(fw::PicturePtr& p) const
{
    const int width = std::max(Width(), 0);
    p = fw::Picture::New(width + 20, 22);
    fw::Graphics& g = p->Graphics();
    if (const fw::PicturePtr left = REFLeftMask())
        g.DrawPicture(*left, 0, 0);
    if (const fw::PicturePtr right = REFRightMask())
        g.DrawPicture(*right, width + 10, 0);
    if (const fw::PicturePtr middle = REFMiddleMask())
        g.DrawPicture(*middle, 10, 0, width, middle->Height(), 0, 0, middle->Width(), middle->Height());
}

void RoundedEditFieldField::Event_GotFocus()
{
    DrawFocus();
    m_hasFocus = true;
    FocusChanged();
}

void RoundedEditFieldField::Event_LostFocus()
{
    EraseFocus();
    m_hasFocus = false;
    FocusChanged();
}

void RoundedEditFieldField::FocusChanged()
{
    // The frame around the field shows the focus ring while it has the focus.
    if (m_frame)
        m_frame->Refresh();
}

} // namespace controls
