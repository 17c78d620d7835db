// SPDX-License-Identifier: GPL-3.0-or-later
#include "controls/cabartwork.gen.h"
#include "controls/cabkinds.h"

#include "framework/core/digest.h"
#include "framework/gui/picture.h"

#include <QColor>
#include <QImage>

#include <gtest/gtest.h>

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace {

using namespace controls;

constexpr int kRGB = 2;
constexpr int kRGBA = 6;

struct Header {
    std::uint32_t width = 0, height = 0;
    int bitDepth = 0, colourType = 0, interlace = 0;
};

std::uint32_t BigEndian32(std::string_view bytes, std::size_t at)
{
    return std::uint32_t(std::uint8_t(bytes[at])) << 24 | std::uint32_t(std::uint8_t(bytes[at + 1])) << 16
        | std::uint32_t(std::uint8_t(bytes[at + 2])) << 8 | std::uint32_t(std::uint8_t(bytes[at + 3]));
}

// The IHDR chunk of a PNG file, which must come first.
std::optional<Header> ReadHeader(std::string_view png)
{
    constexpr std::string_view kSignature("\x89PNG\r\n\x1a\n", 8);
    if (png.size() < 33 || png.substr(0, 8) != kSignature || BigEndian32(png, 8) != 13 || png.substr(12, 4) != "IHDR")
        return std::nullopt;
    return Header{BigEndian32(png, 16), BigEndian32(png, 20), std::uint8_t(png[24]), std::uint8_t(png[25]),
                  std::uint8_t(png[28])};
}

fw::PicturePtr Decoded(std::string_view base64)
{
    const std::optional<std::string> bytes = fw::DecodeBase64(base64);
    if (!bytes)
        return nullptr;
    return fw::Picture::FromPNG(std::span(reinterpret_cast<const std::uint8_t*>(bytes->data()), bytes->size()));
}

struct Image {
    const char* name;
    std::string_view text;
    std::uint32_t width, height;
    int colourType;
};

// Every image of the artwork table with its size and colour type.
const Image kImages[] = {
    {"round face", cabart::kRoundFace, 75, 82, kRGBA},
    {"round mask", cabart::kRoundMask, 75, 82, kRGBA},
    {"play", cabart::kSymbolPlay, 29, 35, kRGBA},
    {"stop", cabart::kSymbolStop, 25, 26, kRGBA},
    {"forward", cabart::kSymbolForward, 38, 27, kRGBA},
    {"back", cabart::kSymbolBack, 38, 27, kRGB},
    {"pause", cabart::kSymbolPause, 19, 29, kRGBA},
    {"apple", cabart::kSymbolApple, 31, 38, kRGBA},
    {"reload", cabart::kSymbolReload, 45, 32, kRGB},
    {"plus", cabart::kSymbolPlus, 22, 22, kRGBA},
    {"minus", cabart::kSymbolMinus, 23, 6, kRGBA},
    {"note", cabart::kSymbolNote, 33, 40, kRGBA},
    {"x", cabart::kSymbolX, 29, 36, kRGBA},
    {"help", cabart::kSymbolHelp, 20, 34, kRGBA},
    {"power", cabart::kSymbolPower, 32, 36, kRGB},
    {"headphones", cabart::kSymbolHeadPhones, 41, 42, kRGB},
    {"web", cabart::kSymbolWeb, 64, 64, kRGB},
    {"users", cabart::kSymbolUsers, 35, 37, kRGB},
    {"hammer", cabart::kSymbolHammer, 32, 32, kRGB},
    {"find", cabart::kSymbolFind, 32, 32, kRGB},
    {"mini up face", cabart::kMiniUpFace, 75, 82, kRGB},
    {"mini down face", cabart::kMiniDownFace, 75, 82, kRGB},
    {"mini right face", cabart::kMiniRightFace, 82, 75, kRGB},
    {"mini left face", cabart::kMiniLeftFace, 82, 75, kRGB},
    {"mini up symbol", cabart::kMiniUpSymbol, 54, 48, kRGBA},
    {"mini down symbol", cabart::kMiniDownSymbol, 54, 48, kRGB},
    {"mini right symbol", cabart::kMiniRightSymbol, 48, 54, kRGB},
    {"mini left symbol", cabart::kMiniLeftSymbol, 48, 54, kRGB},
    {"mini up/down mask", cabart::kMiniUpDownMask, 75, 82, kRGB},
    {"mini right/left mask", cabart::kMiniRightLeftMask, 82, 75, kRGB},
    {"gear normal", cabart::kGearNormal, 250, 248, kRGB},
    {"gear mask", cabart::kGearMask, 250, 248, kRGB},
    {"gear pressed", cabart::kGearPressed, 250, 248, kRGB},
    {"gear disabled", cabart::kGearDisabled, 250, 248, kRGB},
    {"home normal", cabart::kHomeNormal, 32, 32, kRGB},
    {"home mask", cabart::kHomeMask, 32, 32, kRGB},
    {"home pressed", cabart::kHomePressed, 32, 32, kRGB},
    {"home disabled", cabart::kHomeDisabled, 32, 32, kRGB},
    {"CD normal", cabart::kCDNormal, 70, 70, kRGB},
    {"CD mask", cabart::kCDMask, 70, 70, kRGB},
    {"CD pressed", cabart::kCDPressed, 70, 70, kRGB},
    {"CD disabled", cabart::kCDDisabled, 70, 70, kRGB},
    {"disk normal", cabart::kDiskNormal, 50, 50, kRGB},
    {"disk mask", cabart::kDiskMask, 50, 50, kRGB},
    {"disk pressed", cabart::kDiskPressed, 50, 50, kRGB},
    {"disk disabled", cabart::kDiskDisabled, 50, 50, kRGB},
    {"envelope normal", cabart::kEnvelopeNormal, 42, 32, kRGB},
    {"envelope mask", cabart::kEnvelopeMask, 42, 32, kRGB},
    {"envelope pressed", cabart::kEnvelopePressed, 42, 32, kRGB},
    {"envelope disabled", cabart::kEnvelopeDisabled, 42, 32, kRGB},
    {"printer normal", cabart::kPrinterNormal, 72, 31, kRGB},
    {"printer mask", cabart::kPrinterMask, 72, 31, kRGB},
    {"printer pressed", cabart::kPrinterPressed, 72, 31, kRGB},
    {"printer disabled", cabart::kPrinterDisabled, 72, 31, kRGB},
};

TEST(CabArtwork, EveryImageIsAPNGOfItsSizeAndColourType)
{
    EXPECT_EQ(std::size(kImages), 54u);
    for (const Image& image : kImages) {
        SCOPED_TRACE(image.name);
        // One line of the standard alphabet with its padding.
        EXPECT_EQ(image.text.find_first_not_of("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/="),
                  std::string_view::npos);
        EXPECT_EQ(image.text.size() % 4, 0u);
        const std::optional<std::string> bytes = fw::DecodeBase64(image.text);
        ASSERT_TRUE(bytes.has_value());
        const std::optional<Header> header = ReadHeader(*bytes);
        ASSERT_TRUE(header.has_value());
        EXPECT_EQ(header->width, image.width);
        EXPECT_EQ(header->height, image.height);
        EXPECT_EQ(header->bitDepth, 8);
        EXPECT_EQ(header->colourType, image.colourType);
        EXPECT_EQ(header->interlace, 0);
        const fw::PicturePtr picture = Decoded(image.text);
        ASSERT_NE(picture, nullptr);
        EXPECT_EQ(picture->Width(), int(image.width));
        EXPECT_EQ(picture->Height(), int(image.height));
    }
}

// The masks: black where the button is, white outside; the envelope's is
// black all over; the round mask is opaque although it has an alpha channel.
TEST(CabArtwork, MasksAreBlackInsideAndWhiteOutside)
{
    struct Row {
        const char* name;
        std::string_view text;
        bool cornerWhite;
    };
    const Row rows[] = {
        {"round", cabart::kRoundMask, true},         {"mini up/down", cabart::kMiniUpDownMask, true},
        {"mini right/left", cabart::kMiniRightLeftMask, true}, {"gear", cabart::kGearMask, true},
        {"home", cabart::kHomeMask, true},           {"CD", cabart::kCDMask, true},
        {"disk", cabart::kDiskMask, true},           {"printer", cabart::kPrinterMask, true},
        {"envelope", cabart::kEnvelopeMask, false},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        const fw::PicturePtr mask = Decoded(row.text);
        ASSERT_NE(mask, nullptr);
        fw::RGBSurface surface = mask->RGBSurface();
        const int w = mask->Width(), h = mask->Height();
        // Off the centre, clear of the gear's and the CD's holes.
        EXPECT_EQ(surface.Pixel(w / 2, h / 2 + h / 4), fw::RGB(0, 0, 0));
        EXPECT_EQ(surface.Pixel(0, 0), row.cornerWhite ? fw::RGB(255, 255, 255) : fw::RGB(0, 0, 0));
        EXPECT_EQ(surface.Pixel(w - 1, h - 1), row.cornerWhite ? fw::RGB(255, 255, 255) : fw::RGB(0, 0, 0));
        for (int y = 0; y < h; ++y)
            for (int x = 0; x < w; ++x) {
                const fw::Color c = surface.Pixel(x, y);
                ASSERT_TRUE(c.Red == c.Green && c.Green == c.Blue) << x << "," << y;
                ASSERT_EQ(mask->Image().pixelColor(x, y).alpha(), 255) << x << "," << y;
            }
    }
    // The holes of the gear and the CD are outside the button.
    for (std::string_view text : {cabart::kGearMask, cabart::kCDMask}) {
        const fw::PicturePtr mask = Decoded(text);
        EXPECT_EQ(mask->RGBSurface().Pixel(mask->Width() / 2, mask->Height() / 2), fw::RGB(255, 255, 255));
    }
}

// The symbols are black on a white or transparent ground, and the round face
// is transparent outside its disc.
TEST(CabArtwork, SymbolsAreBlackOnAClearGround)
{
    for (const cabkinds::RoundSymbol& symbol : cabkinds::kRoundSymbols) {
        SCOPED_TRACE(std::string(symbol.symbolType));
        const fw::PicturePtr picture = Decoded(symbol.art);
        ASSERT_NE(picture, nullptr);
        int black = 0;
        for (int y = 0; y < picture->Height(); ++y)
            for (int x = 0; x < picture->Width(); ++x) {
                const QColor c = picture->Image().pixelColor(x, y);
                if (c.alpha() == 255 && c.red() == 0 && c.green() == 0 && c.blue() == 0)
                    ++black;
                else
                    ASSERT_TRUE(c.alpha() < 255 || (c.red() == c.green() && c.green() == c.blue()));
            }
        EXPECT_GT(black, picture->Width() * picture->Height() / 10);
    }
    const fw::PicturePtr face = Decoded(cabart::kRoundFace);
    ASSERT_NE(face, nullptr);
    EXPECT_EQ(face->Image().pixelColor(0, 0).alpha(), 0);
    EXPECT_EQ(face->Image().pixelColor(37, 41).alpha(), 255);
}

// The tables hand each kind the artwork of its own size.
TEST(CabArtwork, KindTablesPointAtTheirImages)
{
    struct SymbolSize {
        std::string_view symbolType;
        int w, h;
    };
    const SymbolSize sizes[] = {
        {".play", 29, 35}, {".stop", 25, 26}, {".forw", 38, 27}, {".back", 38, 27}, {".pause", 19, 29},
        {".apple", 31, 38}, {".relod", 45, 32}, {".plus", 22, 22}, {".minus", 23, 6}, {".note", 33, 40},
        {".x", 29, 36}, {".help", 20, 34}, {".power", 32, 36}, {".head", 41, 42}, {".web", 64, 64},
        {".users", 35, 37}, {".hammer", 32, 32}, {".find", 32, 32},
    };
    ASSERT_EQ(std::size(sizes), cabkinds::kRoundSymbols.size());
    for (std::size_t i = 0; i < std::size(sizes); ++i) {
        SCOPED_TRACE(std::string(sizes[i].symbolType));
        EXPECT_EQ(cabkinds::kRoundSymbols[i].symbolType, sizes[i].symbolType);
        const fw::PicturePtr picture = Decoded(cabkinds::kRoundSymbols[i].art);
        ASSERT_NE(picture, nullptr);
        EXPECT_EQ(picture->Width(), sizes[i].w);
        EXPECT_EQ(picture->Height(), sizes[i].h);
    }
    // Up and down share one mask, right and left another.
    EXPECT_EQ(cabkinds::kMiniArrows[0].mask.data(), cabkinds::kMiniArrows[1].mask.data());
    EXPECT_EQ(cabkinds::kMiniArrows[2].mask.data(), cabkinds::kMiniArrows[3].mask.data());
    EXPECT_NE(cabkinds::kMiniArrows[0].mask.data(), cabkinds::kMiniArrows[2].mask.data());
    for (const cabkinds::MiniArrow& arrow : cabkinds::kMiniArrows) {
        SCOPED_TRACE(std::string(arrow.buttonType));
        const fw::PicturePtr face = Decoded(arrow.face);
        const fw::PicturePtr mask = Decoded(arrow.mask);
        const fw::PicturePtr symbol = Decoded(arrow.symbol);
        ASSERT_TRUE(face && mask && symbol);
        EXPECT_EQ(face->Width(), mask->Width());
        EXPECT_EQ(face->Height(), mask->Height());
        EXPECT_LT(symbol->Width(), face->Width());
    }
    for (const cabkinds::PreDrawn& kind : cabkinds::kPreDrawn) {
        SCOPED_TRACE(std::string(kind.buttonType));
        const fw::PicturePtr normal = Decoded(kind.normal);
        ASSERT_NE(normal, nullptr);
        for (std::string_view other : {kind.mask, kind.pressed, kind.disabled}) {
            const fw::PicturePtr picture = Decoded(other);
            ASSERT_NE(picture, nullptr);
            EXPECT_EQ(picture->Width(), normal->Width());
            EXPECT_EQ(picture->Height(), normal->Height());
            EXPECT_NE(other.data(), kind.normal.data());
        }
    }
}

} // namespace
