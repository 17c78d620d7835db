// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "framework/gui/editfield.h"
#include "framework/gui/picture.h"

namespace controls {

class RoundedEditFieldCanvas;

// A single-line field that lies inside the rounded frame of its canvas and
// keeps track of its own focus. Its other events stay free for the window.
class RoundedEditFieldField : public fw::EditField {
public:
    explicit RoundedEditFieldField(fw::Window& window);
    ~RoundedEditFieldField() override;
    std::string_view ClassName() const override { return "RoundedEditFieldField"; }
    static std::span<const fw::PropertyInfo> StoredProperties();

    RoundedEditFieldCanvas* MyCanvas() const { return m_canvas; }
    // The canvas whose frame the focus drawing repaints; replaces any other.
    void SetCanvas(RoundedEditFieldCanvas* canvas);

    // With UseRoundedFocusRing, gaining and losing the focus repaint the
    // frame of MyCanvas.
    bool UseRoundedFocusRing() const { return m_useRoundedFocusRing; }
    void SetUseRoundedFocusRing(bool on) { m_useRoundedFocusRing = on; }
    // True from the field's GotFocus to its LostFocus.
    bool HasFocus() const { return m_hasFocus; }

    void DrawFocus();
    void EraseFocus();
    // p becomes the frame's silhouette for this field: black where the frame
    // is, white around it; Width + 20 wide and 22 high.
    void DrawFocusInPicture(fw::PicturePtr& p) const;

protected:
    void Event_GotFocus() override;
    void Event_LostFocus() override;

private:
    friend class RoundedEditFieldCanvas;
    void FocusChanged();

    RoundedEditFieldCanvas* m_canvas = nullptr;
    // The canvas that placed this field, whose ring follows the focus.
    RoundedEditFieldCanvas* m_frame = nullptr;
    bool m_useRoundedFocusRing = false;
    bool m_hasFocus = false;
};

} // namespace controls
