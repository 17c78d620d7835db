// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "framework/gui/control.h"

#include <memory>

class QImage;
class QPainter;

namespace fw {

class Graphics;
class Picture;
using PicturePtr = std::shared_ptr<Picture>;
class Canvas;

// Drawing straight onto a canvas outside its Paint event. What is drawn
// shows with the next paint of the canvas, which this object asks for when
// it goes away; any later paint shows only what Paint draws, as drawing on
// the screen itself would. Inside Paint it draws into the paint itself.
class CanvasGraphics {
public:
    CanvasGraphics(CanvasGraphics&&) = delete;
    CanvasGraphics& operator=(CanvasGraphics&&) = delete;
    ~CanvasGraphics();

    fw::Graphics* operator->() const { return m_graphics; }
    fw::Graphics& operator*() const { return *m_graphics; }

private:
    friend class Canvas;
    CanvasGraphics(Canvas* canvas, fw::Graphics* paintGraphics);

    Canvas* m_canvas = nullptr;
    std::unique_ptr<QPainter> m_painter;
    std::unique_ptr<fw::Graphics> m_owned;
    fw::Graphics* m_graphics = nullptr;
};

// A control that its window or subclass draws: the Backdrop picture at
// (0, 0), then the Paint event. Transparent where nothing is drawn. Paint
// handlers only read state; an exception escaping one is reported once the
// paint is over.
class Canvas : public Control {
public:
    explicit Canvas(fw::Window& window);
    ~Canvas() override;
    std::string_view ClassName() const override { return "Canvas"; }
    static std::span<const PropertyInfo> StoredProperties();

    const PicturePtr& Backdrop() const { return m_backdrop; }
    void SetBackdrop(PicturePtr picture);
    // Kept as set; a canvas is drawn with its neighbours and never takes
    // the keyboard focus.
    bool AcceptFocus() const { return m_acceptFocus; }
    void SetAcceptFocus(bool on) { m_acceptFocus = on; }
    bool AcceptTabs() const { return m_acceptTabs; }
    void SetAcceptTabs(bool on) { m_acceptTabs = on; }
    bool UseFocusRing() const { return m_useFocusRing; }
    void SetUseFocusRing(bool on) { m_useFocusRing = on; }
    bool EraseBackground() const { return m_eraseBackground; }
    void SetEraseBackground(bool on) { m_eraseBackground = on; }

    // Repaints soon, dropping what was drawn outside Paint and not shown yet.
    using Control::Refresh;
    void Refresh() override;
    // The canvas's own drawing surface, for drawing at once.
    CanvasGraphics Graphics();

    Event<void(fw::Graphics& g)> Paint;
    // An item dropped on the canvas. This framework takes no drops (a drag
    // over a control only raises DragOver and DragExit), so nothing raises
    // it here.
    Event<void(DragItem& obj, int action)> DropObject;

protected:
    virtual void Event_Paint(fw::Graphics& g) { Paint.Raise(g); }
    virtual void Event_DropObject(DragItem& obj, int action) { DropObject.Raise(obj, action); }
    void Draw(QPainter& painter) override;

private:
    friend class CanvasGraphics;
    void DirectDrawingDone();

    // What was drawn outside Paint, shown over it by the next paint.
    std::unique_ptr<QImage> m_direct;
    PicturePtr m_backdrop;
    bool m_acceptFocus = false;
    bool m_acceptTabs = false;
    bool m_useFocusRing = true;
    bool m_eraseBackground = true;
    fw::Graphics* m_paintGraphics = nullptr;
};

} // namespace fw
