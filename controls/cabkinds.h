// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The glossy button's kinds, as plain data and functions: which flags pick
// which artwork and tags, the size limits, the recolouring of a pixel and
// where the symbol sits on the face.

#include "framework/core/color.h"

#include <array>
#include <bitset>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string_view>

namespace controls::cabkinds {

// The kind flags; each family in the order in which its flags are tested.
enum class Flag : std::uint8_t {
    // Round buttons, by symbol.
    PlayButton, StopButton, ForwardButton, BackButton, PauseButton, AppleButton, ReloadButton, PlusButton,
    MinusButton, NoteButton, XButton, HelpButton, PowerButton, HeadPhonesButton, WebButton, UsersButton,
    HammerButton, FindButton,
    // Mini arrow buttons.
    MiniArrowUp, MiniArrowDown, MiniArrowRight, MiniArrowLeft,
    // Pre-drawn buttons.
    GearButton, HomeButton, CDButton, DiskButton, EnvelopeButton, PrinterButton,
};
inline constexpr std::size_t kFlagCount = 28;
using Flags = std::bitset<kFlagCount>;

constexpr std::size_t Bit(Flag flag)
{
    return static_cast<std::size_t>(flag);
}

enum class Family { None, Round, MiniArrow, PreDrawn };

struct RoundSymbol {
    Flag flag;
    std::string_view symbolType;   // ".play"
    std::string_view switchName;   // SwitchSymbol's name, "Play"
    std::string_view art;          // base64 PNG
};

struct MiniArrow {
    Flag flag;
    std::string_view buttonType;   // ".miniup"
    std::string_view symbolType;   // ".Up"
    std::string_view face, symbol, mask;
};

struct PreDrawn {
    Flag flag;
    std::string_view buttonType;   // ".Gear"
    std::int32_t maxWidth, maxHeight;
    std::string_view setUpError;   // the message of its set-up routine
    std::string_view normal, mask, pressed, disabled;
};

inline constexpr std::string_view kRoundType = ".round";
// Round and mini arrow buttons are at most this wide and high.
inline constexpr std::int32_t kSymbolKindLimit = 50;

extern const std::array<RoundSymbol, 18> kRoundSymbols;
extern const std::array<MiniArrow, 4> kMiniArrows;
extern const std::array<PreDrawn, 6> kPreDrawn;

bool AnyRound(const Flags& flags);
bool AnyMiniArrow(const Flags& flags);

// The symbol of the first round flag set, in table order.
const RoundSymbol* FirstRound(const Flags& flags);
// The arrow a button with these flags shows: the last set in the order Up,
// Down, Right, Left. Its symbol goes with its artwork.
const MiniArrow* ChosenMiniArrow(const Flags& flags);
// The first pre-drawn flag set, in the order Gear, Home, CD, Disk, Envelope,
// Printer.
const PreDrawn* FirstPreDrawn(const Flags& flags);
// The pre-drawn kind of a flag; null for a flag of another family.
const PreDrawn* PreDrawnKind(Flag flag);
// The round flag that SwitchSymbol sets for a name (compared exactly), or
// none when the name is not one of the eighteen.
std::optional<Flag> SwitchSymbolFlag(std::string_view name);

// The family whose pictures a button of that ButtonType builds.
Family FamilyOf(std::string_view buttonType);

struct Size {
    std::int32_t width;
    std::int32_t height;
    friend bool operator==(const Size&, const Size&) = default;
};
// The size brought within every limit whose flag or family is set; a limit
// never enlarges.
Size LimitSize(const Flags& flags, Size size);

// Every value of a colour channel with the offset added, by value; each sum
// saturates at 0 and 255, so a white ground stays white.
std::array<std::uint8_t, 256> ShiftedChannel(double offset);

struct Point {
    std::int32_t x;
    std::int32_t y;
    friend bool operator==(const Point&, const Point&) = default;
};
// Where a symbol of w x h goes on a face of faceWidth x faceHeight: centred,
// one pixel right of the middle, and 2 pixels higher for the apple.
// Fractions are dropped.
Point SymbolOrigin(std::int32_t faceWidth, std::int32_t faceHeight, std::int32_t w, std::int32_t h, bool apple);

} // namespace controls::cabkinds
