// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "framework/core/color.h"
#include "framework/core/propertyblock.h"
#include "framework/gui/event.h"

#include <climits>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

class QPainter;
class QWidget;

namespace fw {

class Window;

// Index of a control that is not a member of a control set.
inline constexpr std::int32_t kNoIndex = INT32_MIN;

// What a drag carries over a control.
struct DragItem {
    std::string Text;
};

// A control of a window: positioned in window coordinates, owned by its
// window and created through Window::AddControl (or NewControl, its base
// constructor, then AddControl). Subclasses (the framework's
// classes and the application's custom controls) handle the framework events
// in the Event_... methods; the defaults raise the public events of the same
// name, so a class that overrides one keeps it from the window's handlers.
class Control : public PropertyTarget {
public:
    ~Control() override;
    Control(const Control&) = delete;
    Control& operator=(const Control&) = delete;

    // Block properties: Name, Index, Left, Top, Width, Height, Visible,
    // Enabled, HelpTag, InitialParent, the Lock flags and those of the class.
    // Properties of the class's table that mean nothing here are accepted and
    // dropped; a name outside the table or a value of the wrong kind throws
    // std::invalid_argument. Raises no event.
    using PropertyTarget::SetProperty;
    // The rows of every control's table, InitialParent last. Each class
    // gives its own rows, which the table of its folder registers.
    static std::span<const PropertyInfo> StoredProperties();

    fw::Window& ParentWindow() const { return *m_window; }
    const std::string& Name() const { return m_name; }
    std::int32_t Index() const { return m_index; }

    std::int32_t Left() const { return m_left; }
    std::int32_t Top() const { return m_top; }
    std::int32_t Width() const { return m_width; }
    std::int32_t Height() const { return m_height; }
    void SetLeft(std::int32_t left);
    void SetTop(std::int32_t top);
    void SetWidth(std::int32_t width);
    void SetHeight(std::int32_t height);

    // The control's own flag; it shows only when its logical parent shows too.
    bool Visible() const { return m_visible; }
    void SetVisible(bool visible);
    // Whether it is on screen now: visible with all its logical parents and
    // not wholly outside the window's content area.
    bool Shown() const;

    bool Enabled() const { return m_enabled; }
    void SetEnabled(bool enabled);

    const std::string& HelpTag() const { return m_helpTag; }
    void SetHelpTag(std::string_view tag);

    // The enclosing control's name ("GroupBox3", or "set$5" for a member of a
    // control set); empty for the window. It decides visibility and radio
    // groups only: every control is drawn on the window.
    const std::string& InitialParent() const { return m_initialParent; }
    void SetInitialParent(std::string_view name);
    Control* Parent() const { return m_parent; }

    bool LockLeft() const { return m_lockLeft; }
    bool LockTop() const { return m_lockTop; }
    bool LockRight() const { return m_lockRight; }
    bool LockBottom() const { return m_lockBottom; }
    void SetLockLeft(bool on) { m_lockLeft = on; }
    void SetLockTop(bool on) { m_lockTop = on; }
    void SetLockRight(bool on) { m_lockRight = on; }
    void SetLockBottom(bool on) { m_lockBottom = on; }

    // Asks for a repaint; the flag is accepted for compatibility (the
    // background is always repainted).
    virtual void Refresh();
    void Refresh(bool eraseBackground)
    {
        (void)eraseBackground;
        Refresh();
    }

    // Framework side: the Qt widget behind the control; null for a drawn
    // control, which a widget shared with its neighbours draws.
    QWidget* Handle() const { return m_widget.get(); }
    // Framework side: the control's widget plumbing and the window's way
    // in (control_p.h).
    struct Private;

    Event<void()> Open;
    Event<void()> Close;
    // x, y relative to the control. True from MouseDown takes the click:
    // MouseDrag and MouseUp follow, and the control's own reaction (a
    // button's push, a field's caret) does not happen.
    Event<bool(int x, int y)> MouseDown;
    Event<void(int x, int y)> MouseUp;
    Event<void(int x, int y)> MouseDrag;
    Event<void(int x, int y)> MouseMove;
    // Tracked by geometry: a control lying under another one gets them too.
    Event<void()> MouseEnter;
    Event<void()> MouseExit;
    Event<void()> GotFocus;
    Event<void()> LostFocus;
    Event<bool(int x, int y, DragItem& item, int action)> DragOver;
    Event<void(DragItem& item, int action)> DragExit;

protected:
    // The base control constructor, run once after the C++ constructor: the
    // control takes its place in its window above the controls constructed
    // before it. A control-set class runs it from its own Constructor.
    void Constructor();
    // A control-set member's index; kNoIndex for an ordinary control.
    void SetIndex(std::int32_t index) { m_index = index; }
    // widget: the control's Qt widget, created with ContentOf(window) as its
    // parent; the control owns it from here on.
    Control(fw::Window& window, QWidget* widget);
    // A drawn control: it has no widget of its own. Consecutive drawn
    // controls share one widget, stacked in their place among the others,
    // which draws them through Draw in creation order and hands them the
    // mouse by geometry. It never takes the keyboard focus.
    explicit Control(fw::Window& window);
    static QWidget* ContentOf(fw::Window& window);
    // Paints a drawn control; the painter's origin is the control's top-left
    // corner and its clip the control's box.
    virtual void Draw(QPainter& /*painter*/) {}
    // A drawn control that paints every pixel of its box, opaquely.
    virtual bool Opaque() const { return false; }
    // A drawn control that never paints outside its box, which then needs
    // no clip.
    virtual bool DrawsWithinBox() const { return false; }
    // A control built without a widget that gets one when it is first
    // shown on a window that has been shown or prepared in idle time (one
    // that keeps its whole state itself): true, and the widget made on the
    // content area. WidgetMade then brings it up to date, quietly.
    virtual bool MakesWidgetWhenShown() const { return false; }
    virtual QWidget* MakeWidget(QWidget* /*content*/) { return nullptr; }
    virtual void WidgetMade() {}

    void ApplyRow(const PropertyInfo& row, const PropertyValue& value) final;

    virtual void Event_Open() { Open.Raise(); }
    virtual void Event_Close() { Close.Raise(); }
    virtual bool Event_MouseDown(int x, int y) { return MouseDown.Raise(x, y); }
    virtual void Event_MouseUp(int x, int y) { MouseUp.Raise(x, y); }
    // A press the control took ended without its release reaching it: a
    // menu or another program took the mouse, or the pointer left the
    // window. No MouseUp follows.
    virtual void Event_PressLost() {}
    virtual void Event_MouseDrag(int x, int y) { MouseDrag.Raise(x, y); }
    virtual void Event_MouseMove(int x, int y) { MouseMove.Raise(x, y); }
    virtual void Event_MouseEnter() { MouseEnter.Raise(); }
    virtual void Event_MouseExit() { MouseExit.Raise(); }
    virtual void Event_GotFocus() { GotFocus.Raise(); }
    virtual void Event_LostFocus() { LostFocus.Raise(); }

    // True while a block or SetProperty is being applied, and while the
    // framework itself adjusts a value: no event is raised then.
    bool Quiet() const;
    // Extra Qt widgets inside the control (a list's viewport, arrow buttons)
    // that must report the mouse like the control itself.
    void AdoptChild(QWidget* child);
    // Puts another widget in the place of the control's own (a field that
    // becomes multi-line): same parent, geometry, stacking, visibility, state
    // and font. The old widget is destroyed without raising events.
    void ReplaceHandle(QWidget* widget);
    // Return (isReturn) or Escape reached the window and no control used it;
    // true when this control takes it (a Default or Cancel button).
    virtual bool TakeDefaultKey(bool /*isReturn*/) { return false; }
    // Suppresses events while it lives.
    class QuietScope {
    public:
        explicit QuietScope(Control& control) : m_control(control) { ++m_control.m_quiet; }
        ~QuietScope() { --m_control.m_quiet; }
        QuietScope(const QuietScope&) = delete;
        QuietScope& operator=(const QuietScope&) = delete;

    private:
        Control& m_control;
    };

private:
    void UpdateGeometry();
    void UpdateShown();
    // A drawn control: repaints where it lies now.
    void Invalidate();
    // A drawn control joins the widget of the drawn control created just
    // before it, or starts one.
    void JoinLayer(Control* below);
    void SyncLayer();
    void Realize();
    // The window is being shown or prepared: the widget, if it is due one
    // now, and the drawn run's widgets.
    void Prepare();
    bool OnContentArea() const;
    void AddChild(Control* child);
    void RemoveChild(Control* child);

    fw::Window* m_window;
    std::unique_ptr<QWidget> m_widget;
    std::unique_ptr<Private> m_impl;
    std::string m_name;
    std::int32_t m_index = kNoIndex;
    std::int32_t m_left = 0, m_top = 0, m_width = 0, m_height = 0;
    bool m_visible = true;
    bool m_enabled = true;
    bool m_lockLeft = false, m_lockTop = false, m_lockRight = false, m_lockBottom = false;
    std::string m_helpTag;
    std::string m_initialParent;
    Control* m_parent = nullptr;
    int m_quiet = 0;
};

} // namespace fw
