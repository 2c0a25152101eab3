// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The screens around the missions: main menu, briefings, information and victory screens.

#include <span>

#include "ui/screen_kind.h"

namespace vargo::screens {

std::span<const ui::ScreenKind> frontEndKinds();

}  // namespace vargo::screens
