// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Colours, and the few system colours the screens refer to, in one palette.

#include <cstdint>

namespace vargo::ui {

struct Colour {
  std::uint8_t red = 0;
  std::uint8_t green = 0;
  std::uint8_t blue = 0;

  // A colour stored as one number, 0x00BBGGRR: the lowest byte is red.
  static constexpr Colour fromStored(std::uint32_t stored) {
    return {static_cast<std::uint8_t>(stored & 0xFF), static_cast<std::uint8_t>((stored >> 8) & 0xFF),
            static_cast<std::uint8_t>((stored >> 16) & 0xFF)};
  }
  constexpr bool operator==(const Colour&) const = default;
};

// The classic grey desktop scheme that every screen is drawn in.
namespace palette {
inline constexpr Colour buttonFace{192, 192, 192};
inline constexpr Colour buttonText{0, 0, 0};
inline constexpr Colour window{255, 255, 255};
inline constexpr Colour windowFrame{0, 0, 0};
inline constexpr Colour highlight{0, 0, 128};  // the fill of a progress bar
inline constexpr Colour shadow{128, 128, 128};
inline constexpr Colour lightEdge{255, 255, 255};
}  // namespace palette

}  // namespace vargo::ui
