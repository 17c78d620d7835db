// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "framework/core/color.h"

class QPainter;

namespace fw {

class Picture;

// A drawing surface: a picture's pixels, or a control while it paints.
// Coordinates are pixels from the top left; rectangles are x, y, width,
// height. The colour persists between calls.
class Graphics {
public:
    // Framework side: draws into a picture (see Picture::Graphics) ...
    explicit Graphics(Picture& target);
    // ... or through a painter that the caller owns and keeps active while
    // this object is used (a control's paint event). Each call sets the pen,
    // brush, font and hints it needs on that painter and saves nothing.
    Graphics(QPainter* painter, int width, int height);
    ~Graphics();
    Graphics(const Graphics&) = delete;
    Graphics& operator=(const Graphics&) = delete;

    int Width() const { return width_; }
    int Height() const { return height_; }

    Color ForeColor() const { return foreColor_; }
    void SetForeColor(Color color) { foreColor_ = color; }

    void FillRect(int x, int y, int w, int h);

    // Draws a picture at its own size, through its mask and Transparent
    // setting. A null picture draws nothing.
    void DrawPicture(const Picture* picture, int x, int y);
    void DrawPicture(const Picture& picture, int x, int y);
    // Draws the source rectangle of the picture scaled into the destination
    // rectangle.
    void DrawPicture(const Picture& picture, int x, int y, int w, int h,
                     int srcX, int srcY, int srcW, int srcH);

private:
    class Session;

    Picture* target_ = nullptr;
    QPainter* painter_ = nullptr;
    int width_ = 0;
    int height_ = 0;
    Color foreColor_{};
};

} // namespace fw
