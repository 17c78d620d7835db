// SPDX-License-Identifier: GPL-3.0-or-later
// Framework-internal: what stands behind a Control.
#pragma once

#include "framework/gui/control.h"

#include <QRect>

#include <cstdint>
#include <string>
#include <vector>

namespace fw {

struct Control::Private {
    // Turns the Qt events of a control's widgets into the control's events.
    class Filter;
    // The widgets that draw a run of consecutive drawn controls.
    class DrawnRun;
    class DrawnLayer;

    Filter* filter = nullptr;
    // A drawn control's run, whether it is drawn now, and whether in the
    // run's lower widget.
    DrawnRun* layer = nullptr;
    bool drawnShown = false;
    bool underneath = false;
    // The box a drawn control last asked its layer's widget to repaint, kept
    // until that widget next paints: asking again for the same box adds
    // nothing, while Qt would merge it into a dirty region of many cells.
    QRect pendingBox;
    const QWidget* pendingIn = nullptr;
    std::vector<Control*> children;
    // Mouse state, kept by the window's tracking.
    bool pointerInside = false;
    bool captured = false;
    bool constructed = false;

    // The window reaches its controls through these.
    static void Identify(Control& c, const std::string& name) { c.m_name = name; }
    static void SetIndex(Control& c, std::int32_t index) { c.SetIndex(index); }
    static void Construct(Control& c) { c.Constructor(); }
    static bool MakesWidgetWhenShown(const Control& c) { return c.MakesWidgetWhenShown(); }
    static void JoinLayer(Control& c, Control* below) { c.JoinLayer(below); }
    static void Prepare(Control& c) { c.Prepare(); }
    static void UpdateGeometry(Control& c) { c.UpdateGeometry(); }
    static void UpdateShown(Control& c) { c.UpdateShown(); }
    static void Open(Control& c) { c.Event_Open(); }
    static void Close(Control& c) { c.Event_Close(); }
    static void MouseEnter(Control& c) { c.Event_MouseEnter(); }
    static void MouseExit(Control& c) { c.Event_MouseExit(); }
    static bool TakeDefaultKey(Control& c, bool isReturn) { return c.TakeDefaultKey(isReturn); }
    static bool& PointerInside(Control& c) { return c.m_impl->pointerInside; }
};

} // namespace fw
