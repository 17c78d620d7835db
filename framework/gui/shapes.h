// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "framework/gui/control.h"

class QPainter;

namespace fw {

// The drawn shapes. Each paints itself in its box from its colours;
// BorderWidth 0 draws no border.
class Shape : public Control {
public:
    static std::span<const PropertyInfo> StoredProperties();
    Color FillColor() const { return m_fillColor; }
    void SetFillColor(Color color);
    std::int32_t BorderWidth() const { return m_borderWidth; }
    void SetBorderWidth(std::int32_t width);

protected:
    explicit Shape(fw::Window& window);
    virtual void BorderWidthChanged() {}
    void Draw(QPainter& painter) override;
    bool DrawsWithinBox() const override { return true; }
    // Paints the shape in its box.
    virtual void PaintShape(QPainter& painter, int width, int height) const = 0;

private:
    Color m_fillColor{255, 255, 255};
    std::int32_t m_borderWidth = 1;
};

// Border in TopLeftColor on the top and left edges, BottomRightColor on the
// bottom and right ones.
class Rectangle : public Shape {
public:
    explicit Rectangle(fw::Window& window) : Shape(window) {}
    std::string_view ClassName() const override { return "Rectangle"; }
    static std::span<const PropertyInfo> StoredProperties();

    Color TopLeftColor() const { return m_topLeftColor; }
    void SetTopLeftColor(Color color);
    Color BottomRightColor() const { return m_bottomRightColor; }
    void SetBottomRightColor(Color color);

protected:
    void PaintShape(QPainter& painter, int width, int height) const override;
    bool Opaque() const override { return true; }

private:
    Color m_topLeftColor{0, 0, 0};
    Color m_bottomRightColor{0, 0, 0};
};

// Corners rounded by ellipses of OvalWidth x OvalHeight.
class RoundRectangle : public Shape {
public:
    explicit RoundRectangle(fw::Window& window) : Shape(window) {}
    std::string_view ClassName() const override { return "RoundRectangle"; }
    static std::span<const PropertyInfo> StoredProperties();

    Color BorderColor() const { return m_borderColor; }
    void SetBorderColor(Color color);
    std::int32_t OvalWidth() const { return m_ovalWidth; }
    void SetOvalWidth(std::int32_t width);
    std::int32_t OvalHeight() const { return m_ovalHeight; }
    void SetOvalHeight(std::int32_t height);

protected:
    void PaintShape(QPainter& painter, int width, int height) const override;

private:
    Color m_borderColor{0, 0, 0};
    std::int32_t m_ovalWidth = 10;
    std::int32_t m_ovalHeight = 10;
};

class Oval : public Shape {
public:
    explicit Oval(fw::Window& window) : Shape(window) {}
    std::string_view ClassName() const override { return "Oval"; }
    static std::span<const PropertyInfo> StoredProperties();

    Color BorderColor() const { return m_borderColor; }
    void SetBorderColor(Color color);

protected:
    void PaintShape(QPainter& painter, int width, int height) const override;

private:
    Color m_borderColor{0, 0, 0};
};

// A line between two points in window coordinates, BorderWidth thick; the
// pen hangs below and to the right of the points.
class Line : public Shape {
public:
    explicit Line(fw::Window& window) : Shape(window) {}
    std::string_view ClassName() const override { return "Line"; }
    static std::span<const PropertyInfo> StoredProperties();

    std::int32_t X1() const { return m_x1; }
    std::int32_t Y1() const { return m_y1; }
    std::int32_t X2() const { return m_x2; }
    std::int32_t Y2() const { return m_y2; }
    void SetX1(std::int32_t x);
    void SetY1(std::int32_t y);
    void SetX2(std::int32_t x);
    void SetY2(std::int32_t y);
    Color LineColor() const { return m_lineColor; }
    void SetLineColor(Color color);

protected:
    void PaintShape(QPainter& painter, int width, int height) const override;
    // A level or upright line fills its box; a slanting one may reach past it.
    bool Opaque() const override { return Straight() && BorderWidth() > 0; }
    bool DrawsWithinBox() const override { return Straight(); }

    void BorderWidthChanged() override;

private:
    void FitBox();
    bool Straight() const { return m_x1 == m_x2 || m_y1 == m_y2; }

    std::int32_t m_x1 = 0, m_y1 = 0, m_x2 = 0, m_y2 = 0;
    Color m_lineColor{0, 0, 0};
};

} // namespace fw
