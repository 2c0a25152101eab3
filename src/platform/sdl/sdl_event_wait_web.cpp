// SPDX-License-Identifier: GPL-3.0-or-later
// The browser's event wait: the page's own loop does the waiting between calls, so this takes only what
// has already come. Waiting here would stop the page.
#include <SDL.h>

#include "platform/sdl/sdl_audio.h"
#include "platform/sdl/sdl_platform.h"

namespace vargo::platform {

std::optional<InputEvent> SdlPlatform::waitEvent(std::optional<std::uint32_t> /*timeoutMs*/) {
  audio_->start();  // the first wait comes once the first frame is on the screen
  audio_->closeWhenIdle();
  SDL_Event e;
  while (SDL_PollEvent(&e) != 0) {
    if (auto event = translateEvent(e))
      return event;
  }
  return std::nullopt;
}

}  // namespace vargo::platform
