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

// Every image of the artwork table with its size and colour type, named by
// the kind tag it belongs to.
const Image kImages[] = {
    {"round face", cabart::kRoundFace, 75, 82, kRGBA}, {"round mask", cabart::kRoundMask, 75, 82, kRGBA},
    {".play", cabart::kSymbolPlay, 29, 35, kRGBA}, {".stop", cabart::kSymbolStop, 25, 26, kRGBA},
    {".forw", cabart::kSymbolForward, 38, 27, kRGBA}, {".back", cabart::kSymbolBack, 38, 27, kRGB},
    {".pause", cabart::kSymbolPause, 19, 29, kRGBA}, {".apple", cabart::kSymbolApple, 31, 38, kRGBA},
    {".relod", cabart::kSymbolReload, 45, 32, kRGB}, {".plus", cabart::kSymbolPlus, 22, 22, kRGBA},
    {".minus", cabart::kSymbolMinus, 23, 6, kRGBA}, {".note", cabart::kSymbolNote, 33, 40, kRGBA},
    {".x", cabart::kSymbolX, 29, 36, kRGBA}, {".help", cabart::kSymbolHelp, 20, 34, kRGBA},
    {".power", cabart::kSymbolPower, 32, 36, kRGB}, {".head", cabart::kSymbolHeadPhones, 41, 42, kRGB},
    {".web", cabart::kSymbolWeb, 64, 64, kRGB}, {".users", cabart::kSymbolUsers, 35, 37, kRGB},
    {".hammer", cabart::kSymbolHammer, 32, 32, kRGB}, {".find", cabart::kSymbolFind, 32, 32, kRGB},
    {".miniup face", cabart::kMiniUpFace, 75, 82, kRGB}, {".minidown face", cabart::kMiniDownFace, 75, 82, kRGB},
    {".miniright face", cabart::kMiniRightFace, 82, 75, kRGB}, {".minileft face", cabart::kMiniLeftFace, 82, 75, kRGB},
    {".miniup symbol", cabart::kMiniUpSymbol, 54, 48, kRGBA},
    {".minidown symbol", cabart::kMiniDownSymbol, 54, 48, kRGB},
    {".miniright symbol", cabart::kMiniRightSymbol, 48, 54, kRGB},
    {".minileft symbol", cabart::kMiniLeftSymbol, 48, 54, kRGB},
    {"mini up/down mask", cabart::kMiniUpDownMask, 75, 82, kRGB},
    {"mini right/left mask", cabart::kMiniRightLeftMask, 82, 75, kRGB},
    {".Gear normal", cabart::kGearNormal, 250, 248, kRGB}, {".Gear mask", cabart::kGearMask, 250, 248, kRGB},
    {".Gear pressed", cabart::kGearPressed, 250, 248, kRGB}, {".Gear disabled", cabart::kGearDisabled, 250, 248, kRGB},
    {".Home normal", cabart::kHomeNormal, 32, 32, kRGB}, {".Home mask", cabart::kHomeMask, 32, 32, kRGB},
    {".Home pressed", cabart::kHomePressed, 32, 32, kRGB}, {".Home disabled", cabart::kHomeDisabled, 32, 32, kRGB},
    {".CD normal", cabart::kCDNormal, 70, 70, kRGB}, {".CD mask", cabart::kCDMask, 70, 70, kRGB},
    {".CD pressed", cabart::kCDPressed, 70, 70, kRGB}, {".CD disabled", cabart::kCDDisabled, 70, 70, kRGB},
    {".Flop normal", cabart::kDiskNormal, 50, 50, kRGB}, {".Flop mask", cabart::kDiskMask, 50, 50, kRGB},
    {".Flop pressed", cabart::kDiskPressed, 50, 50, kRGB}, {".Flop disabled", cabart::kDiskDisabled, 50, 50, kRGB},
    {".Enve normal", cabart::kEnvelopeNormal, 42, 32, kRGB}, {".Enve mask", cabart::kEnvelopeMask, 42, 32, kRGB},
    {".Enve pressed", cabart::kEnvelopePressed, 42, 32, kRGB},
    {".Enve disabled", cabart::kEnvelopeDisabled, 42, 32, kRGB},
    {".Print normal", cabart::kPrinterNormal, 72, 31, kRGB}, {".Print mask", cabart::kPrinterMask, 72, 31, kRGB},
    {".Print pressed", cabart::kPrinterPressed, 72, 31, kRGB},
    {".Print disabled", cabart::kPrinterDisabled, 72, 31, kRGB},
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

// The kind tables hand each kind its own artwork.
TEST(CabArtwork, KindTablesPointAtTheirImages)
{
    const auto image = [](const std::string& name) {
        for (const Image& i : kImages)
            if (name == i.name)
                return i.text.data();
        ADD_FAILURE() << "no image " << name;
        return static_cast<const char*>(nullptr);
    };
    for (const cabkinds::RoundSymbol& symbol : cabkinds::kRoundSymbols)
        EXPECT_EQ(symbol.art.data(), image(std::string(symbol.symbolType))) << symbol.symbolType;
    for (const cabkinds::MiniArrow& arrow : cabkinds::kMiniArrows) {
        const std::string tag(arrow.buttonType);
        const bool vertical = tag == ".miniup" || tag == ".minidown";
        EXPECT_EQ(arrow.face.data(), image(tag + " face")) << tag;
        EXPECT_EQ(arrow.symbol.data(), image(tag + " symbol")) << tag;
        EXPECT_EQ(arrow.mask.data(), image(vertical ? "mini up/down mask" : "mini right/left mask")) << tag;
    }
    for (const cabkinds::PreDrawn& kind : cabkinds::kPreDrawn) {
        const std::string tag(kind.buttonType);
        EXPECT_EQ(kind.normal.data(), image(tag + " normal")) << tag;
        EXPECT_EQ(kind.mask.data(), image(tag + " mask")) << tag;
        EXPECT_EQ(kind.pressed.data(), image(tag + " pressed")) << tag;
        EXPECT_EQ(kind.disabled.data(), image(tag + " disabled")) << tag;
    }
}

} // namespace
