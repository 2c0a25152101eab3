// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The kinds of the front end, one function per screen file; front_end.cpp puts them together.

#include <span>

#include "ui/screen_kind.h"

namespace vargo::screens {

ui::ScreenKind menuKind();                        // Vargo1
std::span<const ui::ScreenKind> briefingKinds();  // Mise1 ... Mise5
ui::ScreenKind aboutKind();                       // About
ui::ScreenKind winKind();                         // win
ui::ScreenKind uniformaKind();                    // Uniforma
ui::ScreenKind akceKind();                        // akce

}  // namespace vargo::screens
