// SPDX-License-Identifier: GPL-3.0-or-later
#include "framework/gui/shapes.h"

#include "framework/gui/gui_p.h"

#include <QPainter>
#include <QPainterPath>

#include <algorithm>
#include <cstdlib>

namespace fw {

Shape::Shape(fw::Window& window) : Control(window) {}

void Shape::Draw(QPainter& painter)
{
    PaintShape(painter, std::max(Width(), 0), std::max(Height(), 0));
}

std::span<const PropertyInfo> Shape::StoredProperties()
{
    static constexpr PropertyInfo kRows[] = {
        Row<&Shape::SetFillColor>(0x20, "FillColor"),
        Row<&Shape::SetBorderWidth>(0x21, "BorderWidth"),
    };
    return kRows;
}

void Shape::SetFillColor(Color color)
{
    if (color == m_fillColor)
        return;
    m_fillColor = color;
    Refresh();
}

void Shape::SetBorderWidth(std::int32_t width)
{
    if (width == m_borderWidth)
        return;
    m_borderWidth = width;
    BorderWidthChanged();
    Refresh();
}

std::span<const PropertyInfo> Rectangle::StoredProperties()
{
    static constexpr PropertyInfo kRows[] = {
        Row<&Rectangle::SetTopLeftColor>(0x22, "TopLeftColor"),
        Row<&Rectangle::SetBottomRightColor>(0x23, "BottomRightColor"),
    };
    return kRows;
}

void Rectangle::SetTopLeftColor(Color color)
{
    m_topLeftColor = color;
    Refresh();
}

void Rectangle::SetBottomRightColor(Color color)
{
    m_bottomRightColor = color;
    Refresh();
}

void Rectangle::PaintShape(QPainter& painter, int width, int height) const
{
    painter.fillRect(0, 0, width, height, detail::ToQColor(FillColor()));
    const int b = std::min({BorderWidth(), width, height});
    if (b <= 0)
        return;
    const QColor topLeft = detail::ToQColor(m_topLeftColor);
    const QColor bottomRight = detail::ToQColor(m_bottomRightColor);
    painter.fillRect(0, height - b, width, b, bottomRight);
    painter.fillRect(width - b, 0, b, height, bottomRight);
    painter.fillRect(0, 0, width, b, topLeft);
    painter.fillRect(0, 0, b, height, topLeft);
}

std::span<const PropertyInfo> RoundRectangle::StoredProperties()
{
    static constexpr PropertyInfo kRows[] = {
        Row<&RoundRectangle::SetBorderColor>(0x22, "BorderColor"),
        Row<&RoundRectangle::SetOvalWidth>(0x23, "OvalWidth"),
        Row<&RoundRectangle::SetOvalHeight>(0x24, "OvalHeight"),
    };
    return kRows;
}

void RoundRectangle::SetBorderColor(Color color)
{
    m_borderColor = color;
    Refresh();
}

void RoundRectangle::SetOvalWidth(std::int32_t width)
{
    m_ovalWidth = width;
    Refresh();
}

void RoundRectangle::SetOvalHeight(std::int32_t height)
{
    m_ovalHeight = height;
    Refresh();
}

void RoundRectangle::PaintShape(QPainter& painter, int width, int height) const
{
    // OvalWidth and OvalHeight are the corner ellipse's diameters.
    const double b = std::max(BorderWidth(), 0);
    const QRectF outer(0, 0, width, height);
    const double rx = std::max(m_ovalWidth, 0) / 2.0;
    const double ry = std::max(m_ovalHeight, 0) / 2.0;
    painter.setRenderHint(QPainter::Antialiasing);
    QPainterPath path;
    path.addRoundedRect(outer, rx, ry);
    painter.fillPath(path, detail::ToQColor(b > 0 ? m_borderColor : FillColor()));
    if (b > 0) {
        QPainterPath inner;
        inner.addRoundedRect(outer.adjusted(b, b, -b, -b), std::max(rx - b, 0.0), std::max(ry - b, 0.0));
        painter.fillPath(inner, detail::ToQColor(FillColor()));
    }
}

std::span<const PropertyInfo> Oval::StoredProperties()
{
    static constexpr PropertyInfo kRows[] = {Row<&Oval::SetBorderColor>(0x22, "BorderColor")};
    return kRows;
}

void Oval::SetBorderColor(Color color)
{
    m_borderColor = color;
    Refresh();
}

void Oval::PaintShape(QPainter& painter, int width, int height) const
{
    const double b = std::max(BorderWidth(), 0);
    const QRectF outer(0, 0, width, height);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    painter.setBrush(detail::ToQColor(b > 0 ? m_borderColor : FillColor()));
    painter.drawEllipse(outer);
    if (b > 0) {
        painter.setBrush(detail::ToQColor(FillColor()));
        painter.drawEllipse(outer.adjusted(b, b, -b, -b));
    }
}

std::span<const PropertyInfo> Line::StoredProperties()
{
    // A Line stores only the name, index, box and visibility of a control,
    // with its box Top first and its own values before TabPanelIndex.
    static const std::vector<PropertyInfo> kRows = [] {
        const PropertyTable control{"Control", Control::StoredProperties()};
        const auto of = [&](std::string_view name) { return *control.Find(name); };
        return std::vector<PropertyInfo>{
            of("Name"),
            of("Index"),
            of("Top"),
            of("Left"),
            of("Width"),
            of("Height"),
            Row<&Line::SetX1>(0x20, "X1"),
            Row<&Line::SetX2>(0x21, "X2"),
            Row<&Line::SetY1>(0x22, "Y1"),
            Row<&Line::SetY2>(0x23, "Y2"),
            of("TabPanelIndex"),
            of("Visible"),
            Row<&Line::SetBorderWidth>(0x24, "BorderWidth"),
            Row<&Line::SetLineColor>(0x25, "LineColor"),
            of("InitialParent"),
        };
    }();
    return kRows;
}

void Line::SetX1(std::int32_t x)
{
    m_x1 = x;
    FitBox();
}

void Line::SetY1(std::int32_t y)
{
    m_y1 = y;
    FitBox();
}

void Line::SetX2(std::int32_t x)
{
    m_x2 = x;
    FitBox();
}

void Line::SetY2(std::int32_t y)
{
    m_y2 = y;
    FitBox();
}

void Line::SetLineColor(Color color)
{
    m_lineColor = color;
    Refresh();
}

void Line::BorderWidthChanged()
{
    FitBox();
}

void Line::FitBox()
{
    // The box covers both points and the pen below and right of them.
    const std::int32_t pen = std::max(BorderWidth(), 1);
    SetLeft(std::min(m_x1, m_x2));
    SetTop(std::min(m_y1, m_y2));
    SetWidth(std::abs(m_x2 - m_x1) + pen);
    SetHeight(std::abs(m_y2 - m_y1) + pen);
    Refresh();
}

void Line::PaintShape(QPainter& painter, int width, int height) const
{
    if (BorderWidth() <= 0)
        return;
    const QColor color = detail::ToQColor(m_lineColor);
    if (Straight()) {
        painter.fillRect(0, 0, width, height, color);
        return;
    }
    const int pen = BorderWidth();
    const QPoint a(m_x1 - Left(), m_y1 - Top());
    const QPoint b(m_x2 - Left(), m_y2 - Top());
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(color, pen, Qt::SolidLine, Qt::SquareCap));
    const QPointF half(pen / 2.0, pen / 2.0);
    painter.drawLine(QPointF(a) + half, QPointF(b) + half);
}

} // namespace fw
