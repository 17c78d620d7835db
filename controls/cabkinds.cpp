// SPDX-License-Identifier: GPL-3.0-or-later
#include "controls/cabkinds.h"

#include "controls/cabartwork.gen.h"
#include "framework/core/text.h"

#include <algorithm>

namespace controls::cabkinds {

namespace {

bool AnyIn(const Flags& flags, Flag first, Flag last)
{
    for (std::size_t i = Bit(first); i <= Bit(last); ++i)
        if (flags[i])
            return true;
    return false;
}

int Channel(int value, double offset)
{
    return std::clamp(fw::ToInt32(double(value) + offset), 0, 255);
}

} // namespace

using namespace cabart;

const std::array<RoundSymbol, 18> kRoundSymbols = {{
    {Flag::PlayButton, ".play", "Play", kSymbolPlay},
    {Flag::StopButton, ".stop", "Stop", kSymbolStop},
    {Flag::ForwardButton, ".forw", "Forward", kSymbolForward},
    {Flag::BackButton, ".back", "Back", kSymbolBack},
    {Flag::PauseButton, ".pause", "Pause", kSymbolPause},
    {Flag::AppleButton, ".apple", "Apple", kSymbolApple},
    {Flag::ReloadButton, ".relod", "Reload", kSymbolReload},
    {Flag::PlusButton, ".plus", "Plus", kSymbolPlus},
    {Flag::MinusButton, ".minus", "Minus", kSymbolMinus},
    {Flag::NoteButton, ".note", "Note", kSymbolNote},
    {Flag::XButton, ".x", "X", kSymbolX},
    {Flag::HelpButton, ".help", "Help", kSymbolHelp},
    {Flag::PowerButton, ".power", "Power", kSymbolPower},
    {Flag::HeadPhonesButton, ".head", "HeadPhones", kSymbolHeadPhones},
    {Flag::WebButton, ".web", "Web", kSymbolWeb},
    {Flag::UsersButton, ".users", "Users", kSymbolUsers},
    {Flag::HammerButton, ".hammer", "Hammer", kSymbolHammer},
    {Flag::FindButton, ".find", "Find", kSymbolFind},
}};

const std::array<MiniArrow, 4> kMiniArrows = {{
    {Flag::MiniArrowUp, ".miniup", ".Up", kMiniUpFace, kMiniUpSymbol, kMiniUpDownMask},
    {Flag::MiniArrowDown, ".minidown", ".Down", kMiniDownFace, kMiniDownSymbol, kMiniUpDownMask},
    {Flag::MiniArrowRight, ".miniright", ".Right", kMiniRightFace, kMiniRightSymbol, kMiniRightLeftMask},
    {Flag::MiniArrowLeft, ".minileft", ".Left", kMiniLeftFace, kMiniLeftSymbol, kMiniRightLeftMask},
}};

const std::array<PreDrawn, 6> kPreDrawn = {{
    {Flag::GearButton, ".Gear", 50, 50, "Error in Set Gear", kGearNormal, kGearMask, kGearPressed, kGearDisabled},
    {Flag::HomeButton, ".Home", 32, 32, "Error in Set Home", kHomeNormal, kHomeMask, kHomePressed, kHomeDisabled},
    {Flag::CDButton, ".CD", 50, 50, "Error in Set CD", kCDNormal, kCDMask, kCDPressed, kCDDisabled},
    {Flag::DiskButton, ".Flop", 50, 50, "Error in Set Disk", kDiskNormal, kDiskMask, kDiskPressed, kDiskDisabled},
    {Flag::EnvelopeButton, ".Enve", 42, 32, "Error in Set Envelope", kEnvelopeNormal, kEnvelopeMask,
     kEnvelopePressed, kEnvelopeDisabled},
    {Flag::PrinterButton, ".Print", 72, 31, "Error in Set Print", kPrinterNormal, kPrinterMask, kPrinterPressed,
     kPrinterDisabled},
}};

bool AnyRound(const Flags& flags)
{
    return AnyIn(flags, Flag::PlayButton, Flag::FindButton);
}

bool AnyMiniArrow(const Flags& flags)
{
    return AnyIn(flags, Flag::MiniArrowUp, Flag::MiniArrowLeft);
}

const RoundSymbol* FirstRound(const Flags& flags)
{
    for (const RoundSymbol& s : kRoundSymbols)
        if (flags[Bit(s.flag)])
            return &s;
    return nullptr;
}

const MiniArrow* ChosenMiniArrow(const Flags& flags)
{
    const MiniArrow* chosen = nullptr;
    for (const MiniArrow& a : kMiniArrows)
        if (flags[Bit(a.flag)])
            chosen = &a;
    return chosen;
}

const PreDrawn* FirstPreDrawn(const Flags& flags)
{
    for (const PreDrawn& k : kPreDrawn)
        if (flags[Bit(k.flag)])
            return &k;
    return nullptr;
}

const PreDrawn* PreDrawnKind(Flag flag)
{
    for (const PreDrawn& k : kPreDrawn)
        if (k.flag == flag)
            return &k;
    return nullptr;
}

std::optional<Flag> SwitchSymbolFlag(std::string_view name)
{
    for (const RoundSymbol& s : kRoundSymbols)
        if (s.switchName == name)
            return s.flag;
    return std::nullopt;
}

Family FamilyOf(std::string_view buttonType)
{
    if (buttonType.empty())
        return Family::None;
    if (buttonType == kRoundType)
        return Family::Round;
    for (const MiniArrow& a : kMiniArrows)
        if (a.buttonType == buttonType)
            return Family::MiniArrow;
    for (const PreDrawn& k : kPreDrawn)
        if (k.buttonType == buttonType)
            return Family::PreDrawn;
    return Family::None;
}

Size LimitSize(const Flags& flags, Size size)
{
    const auto limit = [&](std::int32_t w, std::int32_t h) {
        size.width = std::min(size.width, w);
        size.height = std::min(size.height, h);
    };
    if (AnyMiniArrow(flags) || AnyRound(flags))
        limit(kSymbolKindLimit, kSymbolKindLimit);
    for (const PreDrawn& k : kPreDrawn)
        if (flags[Bit(k.flag)])
            limit(k.maxWidth, k.maxHeight);
    return size;
}

std::array<std::uint8_t, 256> ShiftedChannel(double offset)
{
    std::array<std::uint8_t, 256> shifted{};
    for (int value = 0; value < 256; ++value)
        shifted[std::size_t(value)] = std::uint8_t(Channel(value, offset));
    return shifted;
}

Point SymbolOrigin(std::int32_t faceWidth, std::int32_t faceHeight, std::int32_t w, std::int32_t h, bool apple)
{
    const double x = faceWidth / 2.0 - w / 2.0 + 1;
    const double y = faceHeight / 2.0 - h / 2.0 - (apple ? 2 : 0);
    return {fw::ToInt32(x), fw::ToInt32(y)};
}

} // namespace controls::cabkinds
