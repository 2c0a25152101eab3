// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The screens of the shooting part: level1 ... level5 and the reload screen nabíjení.

#include <span>

#include "ui/screen_kind.h"

namespace vargo::levels {

std::span<const ui::ScreenKind> levelKinds();

}  // namespace vargo::levels
