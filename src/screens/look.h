// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What the front-end screens share in their look: their colours and pointers, named once.

#include "ui/colour.h"
#include "ui/pointer.h"

namespace vargo::screens::look {

inline constexpr ui::Colour lightBlue = ui::Colour::fromStored(0x00F5D5A9);  // the information screens
inline constexpr ui::Colour white = ui::Colour::fromStored(0x00FFFFFF);
inline constexpr ui::Colour face = ui::palette::buttonFace;  // the default window and picture colour
inline constexpr ui::Colour text = ui::palette::buttonText;  // the default label colour

inline constexpr ui::Pointer arrow = ui::Pointer::Arrow;
inline constexpr ui::Pointer cursor = ui::Pointer::LevelCursor;
inline constexpr ui::Pointer none = ui::Pointer::None;  // sets none of its own: the screen's shows

}  // namespace vargo::screens::look
