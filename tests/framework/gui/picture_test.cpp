// SPDX-License-Identifier: GPL-3.0-or-later
#include "framework/core/folderitem.h"
#include "framework/gui/graphics.h"
#include "framework/gui/picture.h"
#include "support/testenv.h"

#include <gtest/gtest.h>

#include <QBuffer>
#include <QColor>
#include <QImage>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <span>
#include <string>
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

// The picture drawn at (x, y) over a ground of the given colour.
PicturePtr over(Color ground, int w, int h, const Picture* p, int x = 0, int y = 0)
{
    PicturePtr out = filled(w, h, ground);
    out->Graphics().DrawPicture(p, x, y);
    return out;
}

// The image as Qt writes it into a PNG.
QByteArray png(const QImage& image)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");
    return bytes;
}

PicturePtr fromPNG(const QByteArray& bytes)
{
    return Picture::FromPNG(std::span(reinterpret_cast<const std::uint8_t*>(bytes.constData()), std::size_t(bytes.size())));
}

bool imageFormatPluginLoaded()
{
    std::ifstream maps("/proc/self/maps");
    for (std::string line; std::getline(maps, line);)
        if (line.find("/imageformats/") != std::string::npos)
            return true;
    return false;
}

} // namespace

// Every kind of PNG reads into the straight pixels Qt's own reader gives.
TEST(Picture, EveryKindOfPngReadsAsQtReadsIt)
{
    QImage argb(7, 5, QImage::Format_ARGB32);
    for (int y = 0; y < argb.height(); ++y)
        for (int x = 0; x < argb.width(); ++x)
            argb.setPixel(x, y, qRgba(x * 37, y * 51, (x * y * 13) & 255, (x + y) * 25));
    const std::pair<const char*, QImage> rows[] = {
        {"RGB", argb.convertToFormat(QImage::Format_RGB32)},
        {"RGB and alpha", argb},
        {"palette with transparency", argb.convertToFormat(QImage::Format_Indexed8)},
        {"grey", argb.convertToFormat(QImage::Format_Grayscale8)},
        {"one bit", argb.convertToFormat(QImage::Format_Mono)},
        {"16-bit grey", argb.convertToFormat(QImage::Format_Grayscale16)},
        {"16-bit RGB and alpha", argb.convertToFormat(QImage::Format_RGBA64)},
    };
    for (const auto& [name, image] : rows) {
        SCOPED_TRACE(name);
        const QByteArray bytes = png(image);
        const PicturePtr picture = fromPNG(bytes);
        ASSERT_TRUE(picture);
        EXPECT_EQ(picture->Image(), QImage::fromData(bytes, "PNG").convertToFormat(QImage::Format_ARGB32));
        // Cut short in its pixels, it is no picture.
        EXPECT_FALSE(fromPNG(bytes.left(bytes.size() - 16)));
    }
}

// They are all PNG: no other format's plugin (and its library) is loaded to
// read one.
TEST(Picture, ReadingAPngLoadsNoImageFormatPlugin)
{
    // Two pixels, kRed and kBlue, written by hand: Qt's writer would load them.
    const std::vector<std::uint8_t> bytes = {
        0x89, 0x50, 0x4e, 0x47, 0x0d, 0x0a, 0x1a, 0x0a, 0x00, 0x00, 0x00, 0x0d, 0x49, 0x48, 0x44, 0x52, 0x00, 0x00,
        0x00, 0x02, 0x00, 0x00, 0x00, 0x01, 0x08, 0x02, 0x00, 0x00, 0x00, 0x7b, 0x40, 0xe8, 0xdd, 0x00, 0x00, 0x00,
        0x0f, 0x49, 0x44, 0x41, 0x54, 0x78, 0xda, 0x63, 0x38, 0x21, 0xa2, 0xc1, 0x65, 0x73, 0x07, 0x00, 0x07, 0x2d,
        0x02, 0x27, 0x07, 0x9b, 0xd8, 0xcf, 0x00, 0x00, 0x00, 0x00, 0x49, 0x45, 0x4e, 0x44, 0xae, 0x42, 0x60, 0x82};
    if (imageFormatPluginLoaded())
        GTEST_SKIP() << "an earlier test of this process has loaded them";
    const PicturePtr picture = Picture::FromPNG(bytes);
    ASSERT_TRUE(picture);
    EXPECT_EQ(pixel(picture, 0, 0), kRed);
    EXPECT_EQ(pixel(picture, 1, 0), kBlue);
    EXPECT_FALSE(imageFormatPluginLoaded());
}

TEST(Picture, MaskGreyIsOpacityPixelByPixel)
{
    // Black is opaque, white clear, greys in between; a fresh mask is opaque
    // (the last pixel is left as made).
    const std::pair<int, int> rows[] = {{0, 255}, {255, 0}, {128, 127}, {64, 191}, {192, 63}, {-1, 255}};
    const int n = int(std::size(rows));
    PicturePtr picture = filled(n, 1, kRed);
    ASSERT_FALSE(picture->HasMask());
    ASSERT_EQ(picture->Mask(), picture->Mask()) << "the mask is made once";
    for (int i = 0; i < n - 1; ++i)
        picture->Mask()->RGBSurface().SetPixel(i, 0, fw::RGB(rows[i].first, rows[i].first, rows[i].first));
    PicturePtr ground = over(kBlue, n, 1, picture.get());
    for (int i = 0; i < n; ++i) {
        const int opacity = rows[i].second;
        auto ch = [&](int s, int d) { return (s * opacity + d * (255 - opacity) + 127) / 255; };
        const Color got = pixel(ground, i, 0);
        EXPECT_LE(std::abs(got.Red - ch(kRed.Red, kBlue.Red)), 2) << rows[i].first;
        EXPECT_LE(std::abs(got.Green - ch(kRed.Green, kBlue.Green)), 2) << rows[i].first;
        EXPECT_LE(std::abs(got.Blue - ch(kRed.Blue, kBlue.Blue)), 2) << rows[i].first;
    }
    // The picture's own pixels are untouched by its mask.
    EXPECT_EQ(pixel(picture, 1, 0), kRed);
}

TEST(Picture, DrawingIntoTheMaskShapesThePicture)
{
    // A mask picture like the day marks' one: black on white, with a grey
    // pixel where an anti-aliased rim would be.
    PicturePtr shape = Picture::New(16, 16);
    shape->Graphics().SetForeColor(kBlack);
    shape->Graphics().FillRect(1, 1, 14, 14);
    shape->RGBSurface().SetPixel(0, 8, fw::RGB(128, 128, 128));
    PicturePtr mark = filled(16, 16, kRed);
    mark->Mask()->Graphics().DrawPicture(*shape, 0, 0);

    PicturePtr ground = over(kGreen, 20, 20, mark.get(), 2, 2);
    // Outside, the clear corners, the centre, inside near the left edge.
    const std::tuple<int, int, Color> rows[] = {
        {0, 0, kGreen}, {2, 2, kGreen}, {17, 17, kGreen}, {10, 10, kRed}, {4, 10, kRed}};
    for (const auto& [x, y, expected] : rows)
        EXPECT_EQ(pixel(ground, x, y), expected) << x << "," << y;
    // A grey mask pixel mixes both.
    EXPECT_NE(pixel(ground, 2, 10), kGreen);
    EXPECT_NE(pixel(ground, 2, 10), kRed);

    // The picture as it draws is kept, yet follows every later change of the
    // mask, of the pixels and of Transparent, which clears pure white only.
    mark->Mask()->RGBSurface().SetPixel(10, 10, kWhite);
    mark->RGBSurface().SetPixel(8, 8, kWhite);
    mark->RGBSurface().SetPixel(7, 7, fw::RGB(254, 255, 255));
    for (const int transparent : {0, 1}) {
        mark->SetTransparent(transparent);
        PicturePtr again = over(kGreen, 20, 20, mark.get(), 2, 2);
        EXPECT_EQ(pixel(again, 12, 12), kGreen);
        EXPECT_EQ(pixel(again, 10, 10), transparent ? kGreen : kWhite);
        EXPECT_EQ(pixel(again, 9, 9), fw::RGB(254, 255, 255));
        EXPECT_EQ(pixel(again, 11, 11), kRed);
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
    // The four corners of the target, then left of it and below it.
    const std::tuple<int, int, Color> rows[] = {
        {1, 1, kRed}, {8, 1, kGreen}, {1, 8, kBlue}, {8, 8, kBlack}, {0, 5, kWhite}, {5, 9, kWhite}};
    // One source pixel stretched over the whole target, with nothing of its
    // neighbours smoothed in.
    PicturePtr part = filled(6, 4, kWhite);
    part->Graphics().DrawPicture(*src, 0, 0, 6, 4, 1, 0, 1, 1);
    for (int y = 0; y < 4; ++y)
        for (int x = 0; x < 6; ++x)
            EXPECT_EQ(pixel(part, x, y), kGreen) << x << "," << y;
    for (const auto& [x, y, expected] : rows)
        EXPECT_EQ(pixel(whole, x, y), expected) << x << "," << y;

    // The mask is scaled with the picture.
    PicturePtr halfClear = filled(4, 4, kRed);
    halfClear->Mask()->Graphics().SetForeColor(kWhite);
    halfClear->Mask()->Graphics().FillRect(0, 0, 2, 4);
    PicturePtr ground = filled(8, 8, kBlue);
    ground->Graphics().DrawPicture(*halfClear, 0, 0, 8, 8, 0, 0, 4, 4);
    EXPECT_EQ(pixel(ground, 2, 4), kBlue);
    EXPECT_EQ(pixel(ground, 5, 4), kRed);
}

TEST(Picture, NoPictureDrawsNothingAndPixelsOutsideAreSafe)
{
    PicturePtr ground = over(kBlue, 4, 4, nullptr);
    EXPECT_EQ(pixel(ground, 3, 3), kBlue);

    fw::RGBSurface surface = ground->RGBSurface();
    surface.SetPixel(1, 1, fw::RGB(1, 2, 3));
    // Outside the picture: reads give black, writes change nothing.
    for (const auto& [x, y] : {std::pair{-1, 0}, {0, -1}, {4, 0}, {0, 4}, {100000, -100000}}) {
        surface.SetPixel(x, y, kWhite);
        EXPECT_EQ(surface.Pixel(x, y), kBlack) << x << "," << y;
    }
    EXPECT_EQ(surface.Pixel(1, 1), fw::RGB(1, 2, 3));
    EXPECT_EQ(surface.Pixel(3, 0), kBlue);
}

TEST(Picture, UnreadableSourcesGiveNoPicture)
{
    const std::vector<std::uint8_t> notPng = {'G', 'I', 'F', '8', '9', 'a', 0, 1, 2};
    const std::vector<std::uint8_t> truncated = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n', 0, 0, 0, 13};
    EXPECT_FALSE(Picture::FromPNG({}));
    EXPECT_FALSE(Picture::FromPNG(notPng));
    EXPECT_FALSE(Picture::FromPNG(truncated));
    EXPECT_FALSE(Picture::FromResource(":/no/such/picture.png"));
    EXPECT_FALSE(fw::GetPicture(-1));
}

TEST(Picture, DrawnAreaKeepsWhatEveryWindowShowsAndTheWholeOnceAskedFor)
{
    const auto setPixel = [](const PicturePtr& p, int x, int y, Color c) { p->RGBSurface().SetPixel(x, y, c); };
    PicturePtr backdrop = filled(40, 30, kBlue);
    setPixel(backdrop, 39, 29, kRed);
    // Two windows of different sizes show it: the larger of each side is kept.
    backdrop->AddDrawnArea(20, 25);
    backdrop->AddDrawnArea(30, 10);
    EXPECT_EQ(backdrop->CompositedArea().size(), QSize(30, 25));
    EXPECT_EQ(backdrop->CompositedArea().pixel(29, 24), QColor(10, 60, 220).rgb());
    // A window grown later gets its new part.
    backdrop->AddDrawnArea(35, 30);
    EXPECT_EQ(backdrop->CompositedArea().size(), QSize(35, 30));
    // Drawn whole elsewhere: whole from then on, the far corner included.
    EXPECT_EQ(backdrop->Composited().size(), QSize(40, 30));
    EXPECT_EQ(backdrop->Composited().pixel(39, 29), QColor(200, 20, 40).rgb());
    backdrop->AddDrawnArea(10, 10);
    EXPECT_EQ(backdrop->CompositedArea().size(), QSize(40, 30));
}

TEST(Picture, OpenAsPictureReadsThePNGAFileHolds)
{
    testenv::TempFolders folders;
    const std::filesystem::path dir = folders.home();
    std::filesystem::create_directories(dir / "folder");
    QImage image(3, 2, QImage::Format_ARGB32);
    image.fill(QColor(10, 60, 220));
    const QByteArray bytes = png(image);
    const auto write = [&](const char* name, const QByteArray& content) {
        std::ofstream(dir / name, std::ios::binary).write(content.constData(), content.size());
    };
    write("picture.png", bytes);
    write("cut.png", bytes.left(bytes.size() / 2));
    write("text", "not a picture");
    for (const auto& [name, readable] : {std::pair{"picture.png", true}, {"cut.png", false}, {"text", false},
                                          {"folder", false}, {"missing", false}}) {
        SCOPED_TRACE(name);
        const PicturePtr picture = fw::OpenAsPicture(fw::FolderItem(dir / name));
        ASSERT_EQ(picture != nullptr, readable);
        if (picture) {
            EXPECT_EQ(picture->Width(), 3);
            EXPECT_EQ(picture->Height(), 2);
            EXPECT_EQ(pixel(picture, 2, 1), kBlue);
        }
    }
}
