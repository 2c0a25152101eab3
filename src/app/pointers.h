// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The pointers the window system is asked to show: the game's crosshair, made once at its scale, and the
// system's arrow and four-way arrow.

#include <optional>

#include "media/scale.h"
#include "platform/platform.h"
#include "ui/pointer.h"

namespace vargo::app {

class Pointers {
 public:
  Pointers(platform::Platform& platform, media::Scale scale);
  // Shows the pointer; the crosshair falls back to the arrow when its image could not be made.
  void show(ui::Pointer pointer);

 private:
  platform::Platform& platform_;
  std::optional<platform::CursorId> crosshair_;
};

}  // namespace vargo::app
