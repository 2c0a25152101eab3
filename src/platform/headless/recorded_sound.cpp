// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/headless/recorded_sound.h"

#include <SDL_audio.h>

namespace vargo::platform {

RecordedSound::RecordedSound(bool withDevice) {
  if (withDevice)
    format_ = AudioFormat{44100, 2, AUDIO_S16SYS};
}

void RecordedSound::replace(std::span<const std::uint8_t> samples) {
  const std::scoped_lock lock(mutex_);
  sounds_.emplace_back(samples.begin(), samples.end());
}

std::vector<std::vector<std::uint8_t>> RecordedSound::sounds() const {
  const std::scoped_lock lock(mutex_);
  return sounds_;
}

}  // namespace vargo::platform
