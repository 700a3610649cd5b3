// Colours as the layouts and the row write them: 0xRRGGBB. Below every
// layer: the countdown logic and the windows speak of colours alike.
#pragma once

#include <cstdint>

namespace morvane {

using Colour = std::uint32_t;

inline constexpr Colour kWhite = 0xFFFFFF;
inline constexpr Colour kRed = 0xFF0000;
inline constexpr Colour kGreen = 0x00FF00;

}  // namespace morvane
