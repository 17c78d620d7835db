// SPDX-License-Identifier: GPL-3.0-or-later
#include "framework/gui/canvas.h"

#include "framework/gui/application.h"
#include "framework/gui/graphics.h"
#include "framework/gui/gui_p.h"
#include "framework/gui/picture.h"

#include <QImage>
#include <QPainter>

namespace fw {

CanvasGraphics::CanvasGraphics(Canvas* canvas, fw::Graphics* paintGraphics) : m_canvas(canvas)
{
    if (paintGraphics) {
        m_graphics = paintGraphics;
        m_canvas = nullptr;
        return;
    }
    if (!canvas->m_direct)
        canvas->m_direct = std::make_unique<QImage>();
    QImage& direct = *canvas->m_direct;
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

Canvas::Canvas(fw::Window& window) : Control(window) {}

Canvas::~Canvas() = default;

std::span<const PropertyInfo> Canvas::StoredProperties()
{
    static constexpr PropertyInfo kRows[] = {
        Row<&Canvas::SetAcceptFocus>(0x22, "AcceptFocus"),
        Row<&Canvas::SetAcceptTabs>(0x23, "AcceptTabs"),
        Row<&Canvas::SetUseFocusRing>(0x24, "UseFocusRing"),
        Row<&Canvas::SetEraseBackground>(0x25, "EraseBackground"),
    };
    return kRows;
}

void Canvas::SetBackdrop(PicturePtr picture)
{
    m_backdrop = std::move(picture);
    Refresh();
}

void Canvas::Refresh()
{
    m_direct.reset();
    Control::Refresh();
}

CanvasGraphics Canvas::Graphics()
{
    return CanvasGraphics(this, m_paintGraphics);
}

void Canvas::Draw(QPainter& painter)
{
    fw::Graphics g(&painter, Width(), Height());
    if (m_backdrop)
        g.DrawPicture(m_backdrop.get(), 0, 0);
    m_paintGraphics = &g;
    DispatchAfterPaint([&] { Event_Paint(g); });
    m_paintGraphics = nullptr;
    if (m_direct && !m_direct->isNull())
        painter.drawImage(0, 0, *m_direct);
    m_direct.reset();
}

void Canvas::DirectDrawingDone()
{
    Control::Refresh();
}

} // namespace fw
