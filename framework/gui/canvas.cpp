// SPDX-License-Identifier: GPL-3.0-or-later
#include "framework/gui/canvas.h"

#include "framework/gui/application.h"
#include "framework/gui/graphics.h"
#include "framework/gui/gui_p.h"
#include "framework/gui/picture.h"

#include <QImage>
#include <QPainter>
#include <QWidget>

namespace fw {

class CanvasWidget : public QWidget {
public:
    CanvasWidget(Canvas& canvas, QWidget* parent) : QWidget(parent), m_canvas(&canvas)
    {
        setFocusPolicy(Qt::NoFocus);
    }
    void Detach() { m_canvas = nullptr; }

    // What was drawn outside Paint, shown over it until the next Refresh.
    QImage direct;

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter painter(this);
        if (m_canvas)
            m_canvas->PaintOn(painter);
        if (!direct.isNull())
            painter.drawImage(0, 0, direct);
    }

private:
    Canvas* m_canvas;
};

CanvasGraphics::CanvasGraphics(Canvas* canvas, fw::Graphics* paintGraphics) : m_canvas(canvas)
{
    if (paintGraphics) {
        m_graphics = paintGraphics;
        m_canvas = nullptr;
        return;
    }
    QImage& direct = canvas->m_canvas->direct;
    const QSize size(std::max(canvas->Width(), 1), std::max(canvas->Height(), 1));
    if (direct.size() != size) {
        QImage grown(size, QImage::Format_ARGB32_Premultiplied);
        grown.fill(Qt::transparent);
        if (!direct.isNull()) {
            QPainter copy(&grown);
            copy.drawImage(0, 0, direct);
        }
        direct = std::move(grown);
    }
    m_painter = std::make_unique<QPainter>(&direct);
    m_owned = std::make_unique<fw::Graphics>(m_painter.get(), size.width(), size.height());
    m_graphics = m_owned.get();
}

CanvasGraphics::~CanvasGraphics()
{
    m_owned.reset();
    m_painter.reset();
    if (m_canvas)
        m_canvas->DirectDrawingDone();
}

Canvas::Canvas(fw::Window& window)
    : Control(window, new CanvasWidget(*this, ContentOf(window))), m_canvas(static_cast<CanvasWidget*>(Handle()))
{
}

Canvas::~Canvas()
{
    m_canvas->Detach();
}

void Canvas::ApplyProperty(std::string_view name, const PropertyValue& value)
{
    using namespace detail;
    if (name == "AcceptFocus")
        SetAcceptFocus(AsBool(value, name));
    else if (name == "AcceptTabs")
        SetAcceptTabs(AsBool(value, name));
    else if (name == "UseFocusRing")
        SetUseFocusRing(AsBool(value, name));
    else if (name == "EraseBackground")
        SetEraseBackground(AsBool(value, name));
    else
        Control::ApplyProperty(name, value);
}

void Canvas::SetBackdrop(PicturePtr picture)
{
    m_backdrop = std::move(picture);
    Refresh();
}

void Canvas::SetAcceptFocus(bool on)
{
    m_acceptFocus = on;
    m_canvas->setFocusPolicy(on ? Qt::StrongFocus : Qt::NoFocus);
}

void Canvas::Refresh()
{
    m_canvas->direct = QImage();
    m_canvas->update();
}

CanvasGraphics Canvas::Graphics()
{
    return CanvasGraphics(this, m_paintGraphics);
}

void Canvas::PaintOn(QPainter& painter)
{
    fw::Graphics g(&painter, Width(), Height());
    if (m_backdrop)
        g.DrawPicture(m_backdrop.get(), 0, 0);
    m_paintGraphics = &g;
    DispatchAfterPaint([&] { Event_Paint(g); });
    m_paintGraphics = nullptr;
}

void Canvas::DirectDrawingDone()
{
    m_canvas->update();
}

} // namespace fw
