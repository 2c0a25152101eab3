// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The sixteen kinds of screen the game is made of.

#include <span>

#include "ui/screen_kind.h"

namespace vargo::app {

std::span<const ui::ScreenKind> screenKinds();

}  // namespace vargo::app
