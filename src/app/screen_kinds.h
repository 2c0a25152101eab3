// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The kinds of screen the game is made of: the front end, then the shooting part.

#include <span>
#include <string_view>

#include "ui/screen_kind.h"

namespace vargo::app {

std::span<const ui::ScreenKind> screenKinds();

// The kind of that name; throws std::logic_error when there is none.
const ui::ScreenKind& screenKind(std::string_view name);

}  // namespace vargo::app
