// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Which whole scale the game plays at.

#include <optional>
#include <span>

#include "media/scale.h"
#include "ui/screen_kind.h"

namespace vargo::app {

// The scale when none is asked for: the desktop's own, at most 4, lowered until the largest window fits on
// the usable desktop (when its size is known).
media::Scale fittedScale(int desktop, std::optional<ui::Size> usable, ui::Size largest);

// The widest and the tallest client area of the screens.
ui::Size largestWindow(std::span<const ui::ScreenKind> kinds);

// The scale when its pictures are installed; else 1, after one line that says why.
media::Scale playableScale(media::Scale scale);

}  // namespace vargo::app
