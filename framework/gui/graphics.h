// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "framework/core/color.h"

#include <string>
#include <string_view>

class QPainter;

namespace fw {

class Picture;

// A drawing surface: a picture's pixels, or a control while it paints.
// Coordinates are pixels from the top left; rectangles are x, y, width,
// height. The pen and text settings persist between calls.
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
    int PenWidth() const { return penWidth_; }
    void SetPenWidth(int width) { penWidth_ = width < 1 ? 1 : width; }
    int PenHeight() const { return penHeight_; }
    void SetPenHeight(int height) { penHeight_ = height < 1 ? 1 : height; }

    // Fonts as the controls use them: "System" and "SmallSystem" are the
    // application font; sizes are pixel sizes, 0 the font's default.
    const std::string& TextFont() const { return textFont_; }
    void SetTextFont(std::string_view name) { textFont_ = name; }
    int TextSize() const { return textSize_; }
    void SetTextSize(int size) { textSize_ = size < 0 ? 0 : size; }
    bool Bold() const { return bold_; }
    void SetBold(bool on) { bold_ = on; }
    bool Italic() const { return italic_; }
    void SetItalic(bool on) { italic_ = on; }
    bool Underline() const { return underline_; }
    void SetUnderline(bool on) { underline_ = on; }

    void FillRect(int x, int y, int w, int h);
    void DrawRect(int x, int y, int w, int h);
    void FillOval(int x, int y, int w, int h);
    void DrawOval(int x, int y, int w, int h);
    void FillRoundRect(int x, int y, int w, int h, int arcWidth, int arcHeight);
    void DrawRoundRect(int x, int y, int w, int h, int arcWidth, int arcHeight);
    void DrawLine(int x1, int y1, int x2, int y2);
    // Makes the rectangle clear: white in a picture, see-through on a control.
    void ClearRect(int x, int y, int w, int h);

    // y is the text's baseline.
    void DrawString(std::string_view text, int x, int y);
    int StringWidth(std::string_view text) const;
    int TextHeight() const;
    int TextAscent() const;

    // Draws a picture at its own size, through its mask and Transparent
    // setting. A null picture draws nothing.
    void DrawPicture(const Picture* picture, int x, int y);
    void DrawPicture(const Picture& picture, int x, int y);
    // Draws the source rectangle of the picture scaled into the destination
    // rectangle.
    void DrawPicture(const Picture* picture, int x, int y, int w, int h,
                     int srcX, int srcY, int srcW, int srcH);
    void DrawPicture(const Picture& picture, int x, int y, int w, int h,
                     int srcX, int srcY, int srcW, int srcH);

private:
    class Session;

    Picture* target_ = nullptr;
    QPainter* painter_ = nullptr;
    int width_ = 0;
    int height_ = 0;
    Color foreColor_{};
    int penWidth_ = 1;
    int penHeight_ = 1;
    std::string textFont_;
    int textSize_ = 0;
    bool bold_ = false;
    bool italic_ = false;
    bool underline_ = false;
};

} // namespace fw
