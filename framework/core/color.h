// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>

namespace fw {

// A 24-bit RGB colour, as the framework's Color value.
struct Color {
    std::uint8_t Red = 0;
    std::uint8_t Green = 0;
    std::uint8_t Blue = 0;

    constexpr std::uint32_t ToRGB() const { return (std::uint32_t(Red) << 16) | (std::uint32_t(Green) << 8) | Blue; }
    static constexpr Color FromRGB(std::uint32_t rgb)
    {
        return {std::uint8_t(rgb >> 16), std::uint8_t(rgb >> 8), std::uint8_t(rgb)};
    }
    friend constexpr bool operator==(const Color&, const Color&) = default;
};

constexpr Color RGB(int r, int g, int b)
{
    return {std::uint8_t(r), std::uint8_t(g), std::uint8_t(b)};
}

} // namespace fw
