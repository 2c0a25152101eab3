// SPDX-License-Identifier: GPL-3.0-or-later
// The desktop's event wait: sleeps in SDL until input, a deadline or the moment the sound is over.
#include <SDL.h>

#include <algorithm>

#include "platform/sdl/sdl_audio.h"
#include "platform/sdl/sdl_platform.h"

namespace vargo::platform {

std::optional<InputEvent> SdlPlatform::waitEvent(std::optional<std::uint32_t> timeoutMs) {
  audio_->start();  // the first wait comes once the first frame is on the screen
  const Uint64 start = SDL_GetTicks64();
  for (;;) {
    const std::optional<std::uint32_t> audioMs = audio_->msUntilIdle();
    std::optional<std::uint32_t> waitMs;
    if (timeoutMs) {
      const Uint64 elapsed = SDL_GetTicks64() - start;
      if (elapsed >= *timeoutMs)
        return std::nullopt;
      waitMs = static_cast<std::uint32_t>(*timeoutMs - elapsed);
    }
    if (audioMs)
      waitMs = waitMs ? std::min(*waitMs, *audioMs) : *audioMs;
    SDL_Event e;
    const int got = waitMs ? SDL_WaitEventTimeout(&e, static_cast<int>(*waitMs)) : SDL_WaitEvent(&e);
    audio_->closeWhenIdle();
    if (got == 0)
      continue;  // a timeout: the loop above decides whether the caller's wait is over
    if (auto event = translateEvent(e))
      return event;
  }
}

}  // namespace vargo::platform
