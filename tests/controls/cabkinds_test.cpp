// SPDX-License-Identifier: GPL-3.0-or-later
#include "controls/cabkinds.h"

#include <gtest/gtest.h>

#include <initializer_list>
#include <string>
#include <string_view>

namespace {

using namespace controls::cabkinds;

Flags With(std::initializer_list<Flag> flags)
{
    Flags set;
    for (Flag f : flags)
        set[Bit(f)] = true;
    return set;
}

// Within a family, the first flag in table order; the order between the
// families is the button's, driven by its own tests.
TEST(CabKinds, KindTable)
{
    struct Row { const char* name; Flags flags; std::string_view buttonType, symbolType; Family family; };
    const Row rows[] = {
        {"back (calendar)", With({Flag::BackButton}), ".round", ".back", Family::Round},
        {"right", With({Flag::MiniArrowRight}), ".miniright", ".Right", Family::MiniArrow},
        // The symbol goes with the artwork of the last arrow set.
        {"up and left: the left arrow whole", With({Flag::MiniArrowUp, Flag::MiniArrowLeft}), ".minileft", ".Left",
         Family::MiniArrow},
        {"gear", With({Flag::GearButton}), ".Gear", "", Family::PreDrawn},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        const MiniArrow* arrow = ChosenMiniArrow(row.flags);
        const RoundSymbol* round = FirstRound(row.flags);
        const PreDrawn* drawn = FirstPreDrawn(row.flags);
        EXPECT_EQ(arrow ? Family::MiniArrow : round ? Family::Round : drawn ? Family::PreDrawn : Family::None,
                  row.family);
        EXPECT_EQ(bool(arrow) + bool(round) + bool(drawn), 1);
        EXPECT_EQ(arrow ? arrow->symbolType : round ? round->symbolType : "", row.symbolType);
        EXPECT_EQ(arrow ? arrow->buttonType : drawn ? drawn->buttonType : kRoundType, row.buttonType);
        EXPECT_EQ(FamilyOf(row.buttonType), row.family);
    }
}

TEST(CabKinds, SizeLimits)
{
    struct Row { const char* name; Flags flags; Size laidOut, expected; };
    const Row rows[] = {
        {"round 60 x 60", With({Flag::BackButton}), {60, 60}, {50, 50}},
        {"home", With({Flag::HomeButton}), {40, 40}, {32, 32}},
        {"envelope 100 x 100", With({Flag::EnvelopeButton}), {100, 100}, {42, 32}},
        {"printer small stays", With({Flag::PrinterButton}), {60, 20}, {60, 20}},
        {"envelope and round", With({Flag::EnvelopeButton, Flag::PlayButton}), {100, 100}, {42, 32}},
        {"no flag: no limit", {}, {300, 200}, {300, 200}},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        EXPECT_EQ(LimitSize(row.flags, row.laidOut), row.expected);
    }
}

TEST(CabKinds, RecolouringSaturatesWithoutBleed)
{
    struct Row { const char* name; fw::Color in; double r, g, b; fw::Color expected; };
    const Row rows[] = {
        {"pressed default: blue saturates, green untouched", {12, 34, 200}, 0, 0, 255, {12, 34, 255}},
        {"white ground + 75 stays white", {255, 255, 255}, 75, 75, 75, {255, 255, 255}},
        {"negative saturates at 0", {100, 100, 100}, -150, 0, -100, {0, 100, 0}},
        {"each channel on its own", {250, 5, 128}, 10, -10, 127, {255, 0, 255}},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        const fw::Color out{ShiftedChannel(row.r)[row.in.Red], ShiftedChannel(row.g)[row.in.Green],
                            ShiftedChannel(row.b)[row.in.Blue]};
        EXPECT_EQ(out, row.expected);
    }
}

TEST(CabKinds, SymbolPlacement)
{
    struct Row { const char* name; std::int32_t faceW, faceH, w, h; bool apple; Point expected; };
    const Row rows[] = {
        {"stop on the round face", 75, 82, 25, 26, false, {26, 28}},
        {"apple, 2 higher", 75, 82, 31, 38, true, {23, 20}},
        {"plus: 27.5 drops its half", 75, 82, 22, 22, false, {27, 30}},
        {"back and forward: 19.5 and 27.5", 75, 82, 38, 27, false, {19, 27}},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        EXPECT_EQ(SymbolOrigin(row.faceW, row.faceH, row.w, row.h, row.apple), row.expected);
    }
}

} // namespace
