// SPDX-License-Identifier: GPL-3.0-or-later
#include "controls/cabartwork.gen.h"

#include "framework/core/digest.h"
#include "framework/gui/picture.h"

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

} // namespace
