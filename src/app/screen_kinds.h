// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The kinds of screen the game is made of: the front end, then the shooting part.

#include <span>

#include "ui/screen_kind.h"

namespace vargo::app {

std::span<const ui::ScreenKind> screenKinds();

}  // namespace vargo::app
