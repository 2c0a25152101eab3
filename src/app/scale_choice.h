// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Which whole scale the game plays at.

#include <optional>
#include <span>

#include "media/scale.h"
#include "ui/screen_kind.h"

namespace vargo::app {

// The scale when none is asked for: the desktop's own, at most 4, lowered until every window fits on the
// usable desktop (when its size is known).
media::Scale fittedScale(int desktop, std::optional<ui::Size> usable, ui::Size extent);

// The scale asked for, lowered until every window fits on the usable desktop, after one line that says so.
media::Scale askedScale(int asked, std::optional<ui::Size> usable, ui::Size extent);

// What the screens' windows take at scale 1: a centred window its size, a placed one its place and size.
ui::Size windowsExtent(std::span<const ui::ScreenKind> kinds);

// The scale when its pictures are installed; else 1, after one line that says why.
media::Scale playableScale(media::Scale scale);

}  // namespace vargo::app
