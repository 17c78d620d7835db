// SPDX-License-Identifier: GPL-3.0-or-later
// Framework-internal: what stands behind a Window.
#pragma once

#include "framework/gui/window.h"

#include <QtCore/qnamespace.h>

#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace fw {

class WindowContent;
class WindowFrame;

struct Window::Private {
    std::unique_ptr<WindowFrame> frameWidget;
    WindowContent* content = nullptr;
    // Everything NewControl made, in creation order, and the controls among
    // them in the order of their base constructor.
    std::vector<std::unique_ptr<PropertyTarget>> owned;
    std::vector<Control*> controls;
    std::multimap<std::string, PropertyTarget*, std::less<>> byName;
    bool built = false;
    bool placed = false;
    // Realized: its controls' widgets made (first shown, or prepared in
    // idle time); prepared: how many controls the idle steps have done.
    bool realized = false;
    bool prepareWhenIdle = false;
    std::size_t prepared = 0;
    // The window ShowWithin keeps it above, while that one shows.
    Window* within = nullptr;
    // The flags last given to the top-level widget, as asked: Qt adds hints
    // of its own to what it keeps, so its flags never compare equal to these.
    std::optional<Qt::WindowFlags> appliedFlags;

    // The window's widgets and its controls' report through these.
    static void TrackPointer(Window& w, bool inside, int x, int y) { w.TrackPointer(inside, x, y); }
    static bool RouteDefaultKey(Window& w, int qtKey) { return w.RouteDefaultKey(qtKey); }
    static void BringToFront(Window& w) { w.BringToFront(); }
    static void CloseRequested(Window& w) { w.CloseRequested(); }
    static void EnableMenuItems(Window& w) { w.Event_EnableMenuItems(); }
    // The first window's first paint starts the idle preparation.
    static void Painted();
    // A control's base constructor: it takes its place above the controls
    // constructed before it.
    static void Join(Window& w, Control& control);
    static bool Realized(const Window& w) { return w.d->realized; }
    // One idle step: prepares hidden windows' controls for a short while.
    static void PrepareHidden();
};

} // namespace fw
