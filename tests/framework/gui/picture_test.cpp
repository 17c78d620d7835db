// SPDX-License-Identifier: GPL-3.0-or-later
#include "framework/gui/graphics.h"
#include "framework/gui/picture.h"

#include "support/testenv.h"

#include <gtest/gtest.h>

#include <QImage>
#include <QPainter>

#include <cstdlib>
#include <fstream>
#include <iterator>
#include <vector>

using fw::Color;
using fw::Picture;
using fw::PicturePtr;

namespace {

constexpr Color kRed = fw::RGB(200, 20, 40);
constexpr Color kBlue = fw::RGB(10, 60, 220);
constexpr Color kGreen = fw::RGB(30, 180, 60);
constexpr Color kWhite = fw::RGB(255, 255, 255);
constexpr Color kBlack = fw::RGB(0, 0, 0);

PicturePtr filled(int w, int h, Color c)
{
    PicturePtr p = Picture::New(w, h);
    p->Graphics().SetForeColor(c);
    p->Graphics().FillRect(0, 0, w, h);
    return p;
}

Color pixel(const PicturePtr& p, int x, int y)
{
    return p->RGBSurface().Pixel(x, y);
}

// Source over destination at the given opacity, as 8-bit channels.
Color blend(Color src, Color dst, int opacity)
{
    auto ch = [&](int s, int d) { return std::uint8_t((s * opacity + d * (255 - opacity) + 127) / 255); };
    return {ch(src.Red, dst.Red), ch(src.Green, dst.Green), ch(src.Blue, dst.Blue)};
}

void expectNear(Color actual, Color expected, int tolerance = 2)
{
    EXPECT_LE(std::abs(actual.Red - expected.Red), tolerance) << int(actual.Red) << " vs " << int(expected.Red);
    EXPECT_LE(std::abs(actual.Green - expected.Green), tolerance) << int(actual.Green) << " vs " << int(expected.Green);
    EXPECT_LE(std::abs(actual.Blue - expected.Blue), tolerance) << int(actual.Blue) << " vs " << int(expected.Blue);
}

} // namespace

TEST(Picture, NewPictureIsWhiteAndItsMaskStartsOpaque)
{
    PicturePtr p = Picture::New(5, 3, 32);
    ASSERT_TRUE(p);
    EXPECT_EQ(p->Width(), 5);
    EXPECT_EQ(p->Height(), 3);
    EXPECT_EQ(pixel(p, 4, 2), kWhite);
    EXPECT_FALSE(p->HasMask());

    fw::Picture* mask = p->Mask();
    ASSERT_NE(mask, nullptr);
    EXPECT_TRUE(p->HasMask());
    EXPECT_EQ(p->Mask(), mask) << "the mask is created once";
    EXPECT_EQ(mask->Width(), 5);
    EXPECT_EQ(mask->Height(), 3);
    EXPECT_EQ(mask->RGBSurface().Pixel(2, 1), kBlack);

    // A fresh mask changes nothing: the picture still covers what lies under it.
    p->Graphics().SetForeColor(kRed);
    p->Graphics().FillRect(0, 0, 5, 3);
    PicturePtr ground = filled(5, 3, kBlue);
    ground->Graphics().DrawPicture(*p, 0, 0);
    EXPECT_EQ(pixel(ground, 0, 0), kRed);
    EXPECT_EQ(pixel(ground, 4, 2), kRed);
}

TEST(Picture, MaskGreyIsOpacityPixelByPixel)
{
    struct Row { const char* name; int grey; int opacity; };
    const Row rows[] = {
        {"black is opaque", 0, 255},
        {"white is clear", 255, 0},
        {"mid grey is half", 128, 127},
        {"dark grey is mostly opaque", 64, 191},
        {"light grey is mostly clear", 192, 63},
    };
    PicturePtr picture = filled(int(std::size(rows)), 1, kRed);
    for (int i = 0; i < int(std::size(rows)); ++i) {
        const int g = rows[i].grey;
        picture->Mask()->RGBSurface().SetPixel(i, 0, fw::RGB(g, g, g));
    }
    PicturePtr ground = filled(int(std::size(rows)), 1, kBlue);
    ground->Graphics().DrawPicture(*picture, 0, 0);
    for (int i = 0; i < int(std::size(rows)); ++i) {
        SCOPED_TRACE(rows[i].name);
        expectNear(pixel(ground, i, 0), blend(kRed, kBlue, rows[i].opacity));
    }
    // The picture's own pixels are untouched by its mask.
    EXPECT_EQ(pixel(picture, 1, 0), kRed);
}

TEST(Picture, DrawingIntoTheMaskShapesThePicture)
{
    // A mask picture like the day marks' one: black disc on white.
    PicturePtr shape = Picture::New(16, 16);
    shape->Graphics().SetForeColor(kBlack);
    shape->Graphics().FillOval(0, 0, 16, 16);

    PicturePtr mark = filled(16, 16, kRed);
    mark->Mask()->Graphics().DrawPicture(*shape, 0, 0);
    EXPECT_EQ(mark->Mask()->RGBSurface().Pixel(0, 0), kWhite);
    EXPECT_EQ(mark->Mask()->RGBSurface().Pixel(8, 8), kBlack);

    PicturePtr ground = filled(20, 20, kGreen);
    ground->Graphics().DrawPicture(*mark, 2, 2);
    struct Row { const char* name; int x, y; Color expected; };
    const Row rows[] = {
        {"outside the picture", 0, 0, kGreen},
        {"picture corner, clear in the mask", 2, 2, kGreen},
        {"opposite corner", 17, 17, kGreen},
        {"centre", 10, 10, kRed},
        {"inside near the left edge", 4, 10, kRed},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        EXPECT_EQ(pixel(ground, row.x, row.y), row.expected);
    }
    // The disc's rim is anti-aliased: some pixel there is a mix of both.
    const Color rim = pixel(ground, 2, 10);
    EXPECT_NE(rim, kGreen);
    EXPECT_NE(rim, kRed);

    // The picture as it draws is kept, yet follows every later change of the
    // mask, of the pixels and of Transparent.
    mark->Mask()->RGBSurface().SetPixel(10, 10, kWhite);
    mark->RGBSurface().SetPixel(8, 8, kWhite);
    mark->SetTransparent(1);
    PicturePtr again = filled(20, 20, kGreen);
    again->Graphics().DrawPicture(*mark, 2, 2);
    EXPECT_EQ(pixel(again, 12, 12), kGreen);
    EXPECT_EQ(pixel(again, 10, 10), kGreen);
    EXPECT_EQ(pixel(again, 11, 11), kRed);
}

TEST(Picture, TransparentOneLeavesWhitePixelsUndrawn)
{
    PicturePtr icon = Picture::New(3, 1);   // white
    icon->RGBSurface().SetPixel(1, 0, kRed);
    icon->RGBSurface().SetPixel(2, 0, fw::RGB(254, 255, 255));

    for (int transparent : {0, 1}) {
        SCOPED_TRACE(transparent);
        icon->SetTransparent(transparent);
        PicturePtr ground = filled(3, 1, kBlue);
        ground->Graphics().DrawPicture(icon.get(), 0, 0);
        EXPECT_EQ(pixel(ground, 0, 0), transparent == 1 ? kBlue : kWhite);
        EXPECT_EQ(pixel(ground, 1, 0), kRed);
        EXPECT_EQ(pixel(ground, 2, 0), fw::RGB(254, 255, 255)) << "only pure white is clear";
    }
}

TEST(Picture, ScaledDrawingFillsTheTargetFromTheSourceRectangle)
{
    // 2 x 2 source: red, green / blue, black.
    PicturePtr src = Picture::New(2, 2);
    src->RGBSurface().SetPixel(0, 0, kRed);
    src->RGBSurface().SetPixel(1, 0, kGreen);
    src->RGBSurface().SetPixel(0, 1, kBlue);
    src->RGBSurface().SetPixel(1, 1, kBlack);

    PicturePtr whole = filled(10, 10, kWhite);
    whole->Graphics().DrawPicture(*src, 1, 1, 8, 8, 0, 0, 2, 2);
    struct Row { const char* name; int x, y; Color expected; };
    const Row rows[] = {
        {"top left of the target", 1, 1, kRed},
        {"top right", 8, 1, kGreen},
        {"bottom left", 1, 8, kBlue},
        {"bottom right", 8, 8, kBlack},
        {"left of the target untouched", 0, 5, kWhite},
        {"below the target untouched", 5, 9, kWhite},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        EXPECT_EQ(pixel(whole, row.x, row.y), row.expected);
    }

    // One source pixel stretched over the whole target, with nothing of its
    // neighbours smoothed in.
    PicturePtr part = filled(6, 4, kWhite);
    part->Graphics().DrawPicture(src.get(), 0, 0, 6, 4, 1, 0, 1, 1);
    for (int y = 0; y < 4; ++y)
        for (int x = 0; x < 6; ++x)
            EXPECT_EQ(pixel(part, x, y), kGreen) << x << "," << y;

    // The frame's middle piece is stretched this way: a column scaled wide.
    PicturePtr column = Picture::New(1, 3);
    column->RGBSurface().SetPixel(0, 0, kBlack);
    column->RGBSurface().SetPixel(0, 2, kBlue);
    PicturePtr strip = filled(12, 3, kGreen);
    strip->Graphics().DrawPicture(*column, 2, 0, 8, 3, 0, 0, 1, 3);
    for (int x = 2; x < 10; ++x) {
        EXPECT_EQ(pixel(strip, x, 0), kBlack);
        EXPECT_EQ(pixel(strip, x, 2), kBlue);
    }
    EXPECT_EQ(pixel(strip, 1, 0), kGreen);
    EXPECT_EQ(pixel(strip, 10, 0), kGreen);

    // The mask is scaled with the picture.
    PicturePtr halfClear = filled(4, 4, kRed);
    halfClear->Mask()->Graphics().SetForeColor(kWhite);
    halfClear->Mask()->Graphics().FillRect(0, 0, 2, 4);
    PicturePtr ground = filled(8, 8, kBlue);
    ground->Graphics().DrawPicture(*halfClear, 0, 0, 8, 8, 0, 0, 4, 4);
    EXPECT_EQ(pixel(ground, 0, 4), kBlue);
    EXPECT_EQ(pixel(ground, 2, 4), kBlue);
    EXPECT_EQ(pixel(ground, 5, 4), kRed);
    EXPECT_EQ(pixel(ground, 7, 7), kRed);
}

TEST(Picture, NoPictureDrawsNothing)
{
    PicturePtr ground = filled(4, 4, kBlue);
    ground->Graphics().DrawPicture(nullptr, 0, 0);
    ground->Graphics().DrawPicture(nullptr, 0, 0, 4, 4, 0, 0, 1, 1);
    EXPECT_EQ(pixel(ground, 0, 0), kBlue);
    EXPECT_EQ(pixel(ground, 3, 3), kBlue);
}

TEST(Picture, RGBSurfaceRoundTripAndBounds)
{
    const Color colours[] = {kRed, kGreen, kBlue, kBlack, fw::RGB(1, 2, 3), fw::RGB(254, 128, 0)};
    PicturePtr p = Picture::New(3, 2);
    fw::RGBSurface surface = p->RGBSurface();
    for (int i = 0; i < 6; ++i)
        surface.SetPixel(i % 3, i / 3, colours[i]);
    // Outside the picture: reads give black, writes change nothing.
    for (const auto& [x, y] : {std::pair{-1, 0}, {0, -1}, {3, 0}, {0, 2}, {100000, -100000}}) {
        surface.SetPixel(x, y, kWhite);
        EXPECT_EQ(surface.Pixel(x, y), kBlack) << x << "," << y;
    }
    for (int i = 0; i < 6; ++i)
        EXPECT_EQ(surface.Pixel(i % 3, i / 3), colours[i]) << i;
}

TEST(Picture, FillAndFrameRectanglesHitExactPixels)
{
    PicturePtr p = Picture::New(8, 6);
    fw::Graphics& g = p->Graphics();
    g.SetForeColor(kRed);
    g.FillRect(1, 1, 3, 2);
    EXPECT_EQ(pixel(p, 1, 1), kRed);
    EXPECT_EQ(pixel(p, 3, 2), kRed);
    EXPECT_EQ(pixel(p, 4, 1), kWhite);
    EXPECT_EQ(pixel(p, 1, 3), kWhite);

    g.SetForeColor(kBlue);
    g.SetPenWidth(2);
    g.DrawRect(0, 0, 8, 6);   // two wide at the sides, one high at top and bottom
    EXPECT_EQ(pixel(p, 1, 3), kBlue);
    EXPECT_EQ(pixel(p, 6, 3), kBlue);
    EXPECT_EQ(pixel(p, 3, 0), kBlue);
    EXPECT_EQ(pixel(p, 3, 5), kBlue);
    EXPECT_EQ(pixel(p, 2, 3), kWhite);
    EXPECT_EQ(pixel(p, 3, 4), kWhite);

    g.ClearRect(0, 0, 8, 6);
    EXPECT_EQ(pixel(p, 1, 3), kWhite);
}

TEST(Picture, PNGRoundTripThroughBytesAndFile)
{
    testenv::TempFolders folders;
    PicturePtr p = Picture::New(4, 3);
    p->RGBSurface().SetPixel(0, 0, kRed);
    p->RGBSurface().SetPixel(3, 2, kBlue);
    p->Mask()->RGBSurface().SetPixel(1, 0, kWhite);   // saved as clear

    const std::string path = (folders.home() / "p.png").string();
    ASSERT_TRUE(p->SavePNG(path));
    std::ifstream in(path, std::ios::binary);
    const std::vector<std::uint8_t> bytes{std::istreambuf_iterator<char>(in), {}};

    struct Row { const char* name; PicturePtr picture; };
    const Row rows[] = {{"from bytes", Picture::FromPNG(bytes)}, {"from file", Picture::FromFile(path)}};
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        ASSERT_TRUE(row.picture);
        EXPECT_EQ(row.picture->Width(), 4);
        EXPECT_EQ(row.picture->Height(), 3);
        EXPECT_EQ(pixel(row.picture, 0, 0), kRed);
        EXPECT_EQ(pixel(row.picture, 3, 2), kBlue);
        PicturePtr ground = filled(4, 3, kGreen);
        ground->Graphics().DrawPicture(*row.picture, 0, 0);
        EXPECT_EQ(pixel(ground, 1, 0), kGreen) << "the masked pixel was written clear";
        EXPECT_EQ(pixel(ground, 2, 0), kWhite);
    }
}

TEST(Picture, UnreadableSourcesGiveNoPicture)
{
    const std::vector<std::uint8_t> notPng = {'G', 'I', 'F', '8', '9', 'a', 0, 1, 2};
    std::vector<std::uint8_t> truncated = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n', 0, 0, 0, 13};
    EXPECT_FALSE(Picture::FromPNG({}));
    EXPECT_FALSE(Picture::FromPNG(notPng));
    EXPECT_FALSE(Picture::FromPNG(truncated));
    EXPECT_FALSE(Picture::FromFile("/nonexistent/picture.png"));
    EXPECT_FALSE(Picture::FromResource(":/no/such/picture.png"));
    EXPECT_FALSE(fw::GetPicture(-1));
}

TEST(Graphics, DrawsThroughAControlsPainter)
{
    QImage surface(6, 4, QImage::Format_ARGB32);
    surface.fill(Qt::white);
    QPainter painter(&surface);
    const QPen pen(Qt::green, 3);
    painter.setPen(pen);
    painter.setBackground(QColor(10, 20, 30));

    fw::Graphics g(&painter, 6, 4);
    EXPECT_EQ(g.Width(), 6);
    EXPECT_EQ(g.Height(), 4);
    g.SetForeColor(kRed);
    g.FillRect(0, 0, 2, 4);
    g.DrawPicture(*filled(2, 2, kBlue), 4, 0);
    g.ClearRect(2, 0, 1, 1);   // erased to the painter's background
    EXPECT_EQ(painter.pen(), pen);
    painter.end();

    EXPECT_EQ(surface.pixel(1, 3), qRgb(200, 20, 40));
    EXPECT_EQ(surface.pixel(5, 1), qRgb(10, 60, 220));
    EXPECT_EQ(surface.pixel(2, 0), qRgb(10, 20, 30));
    EXPECT_EQ(surface.pixel(3, 3), qRgb(255, 255, 255));
}

TEST(Graphics, DrawStringWritesAboveItsBaselineInTheForeColour)
{
    PicturePtr p = Picture::New(40, 24);
    fw::Graphics& g = p->Graphics();
    g.SetTextFont("System");
    g.SetTextSize(14);
    g.SetForeColor(kBlack);
    EXPECT_GT(g.StringWidth("MM"), g.StringWidth("M"));
    EXPECT_GT(g.TextHeight(), 0);
    EXPECT_GE(g.TextHeight(), g.TextAscent());

    g.DrawString("MM", 2, 16);
    int above = 0, below = 0;
    for (int y = 0; y < 24; ++y)
        for (int x = 0; x < 40; ++x)
            if (pixel(p, x, y).Red < 128)
                ++(y < 16 ? above : below);
    EXPECT_GT(above, 10);
    EXPECT_EQ(below, 0) << "M has no descender";
}
