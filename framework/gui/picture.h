// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "framework/core/color.h"

#include <array>
#include <cstdint>
#include <memory>
#include <span>
#include <string>

class QImage;

namespace fw {

class FolderItem;
class Graphics;
class Picture;

using PicturePtr = std::shared_ptr<Picture>;

// Per-pixel access to a picture's colours. Coordinates outside the picture
// read black and are ignored on write.
class RGBSurface {
public:
    explicit RGBSurface(Picture& picture) : picture_(&picture) {}

    Color Pixel(int x, int y) const;
    // Sets the colour of one pixel; the pixel keeps its opacity.
    void SetPixel(int x, int y, Color color);
    // Every pixel's red, green and blue looked up in the tables by their
    // value, as SetPixel would set them, row by row.
    using ChannelMap = std::array<std::uint8_t, 256>;
    void MapChannels(const ChannelMap& red, const ChannelMap& green, const ChannelMap& blue);

private:
    Picture* picture_;
};

// A 32-bit picture. A new picture is white and opaque.
//
// Its Mask is a second picture of the same size, created on first use as
// solid black: black pixels leave the picture opaque, white ones make it
// clear, greys partly clear. Whatever is drawn into the mask decides how the
// picture shows the next time it is drawn. With Transparent set to 1, white
// pixels are not drawn either.
class Picture {
public:
    Picture(int width, int height);
    ~Picture();
    Picture(const Picture&) = delete;
    Picture& operator=(const Picture&) = delete;

    // depth is accepted for compatibility: every picture has 32 bits.
    static PicturePtr New(int width, int height, int depth = 32);
    // nullptr when the bytes or the resource hold no readable PNG.
    static PicturePtr FromPNG(std::span<const std::uint8_t> bytes);
    // A Qt resource path such as ":/pictures/heart.png".
    static PicturePtr FromResource(const std::string& resourcePath);

    int Width() const;
    int Height() const;

    // Draws into the picture; the same object for the picture's whole life.
    fw::Graphics& Graphics();

    // The mask, created (solid black) on first call.
    Picture* Mask();
    bool HasMask() const;

    int Transparent() const { return transparent_; }
    void SetTransparent(int value);

    fw::RGBSurface RGBSurface() { return fw::RGBSurface(*this); }

    // Framework side: the stored pixels, and the picture as it draws, with the
    // mask and Transparent folded into the alpha channel, premultiplied. The
    // latter is built once per change: writing access to the pixels (Image()
    // or the mask's) marks it for rebuilding.
    QImage& Image();
    const QImage& Image() const;
    const QImage& Composited() const;
    // A window's backdrop: only the top-left width x height is drawn (its
    // content area), so the drawn form need keep no more than the areas
    // added. Composited(), asking for the whole picture, ends the limit.
    void AddDrawnArea(int width, int height);
    const QImage& CompositedArea() const;

private:
    QImage Compose() const;

    struct Impl;
    std::unique_ptr<Impl> d_;
    int transparent_ = 0;
};

// FolderItem's "open as a picture": the PNG picture the file holds; nullptr
// when it cannot be read or holds no readable PNG.
PicturePtr OpenAsPicture(const FolderItem& file);

// The application's picture resource of that id, the embedded
// ":/pictures/<id>.png"; nullptr when there is none.
PicturePtr GetPicture(int id);

} // namespace fw
