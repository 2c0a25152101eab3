// SPDX-License-Identifier: GPL-3.0-or-later
// The browser has no threads for the page: each request is played as it is made.
#include "media/sound.h"
#include "media/wav.h"

namespace vargo::media {

Sound::Sound(platform::SoundOutput& output) : output_(output) {
  prepareWavDecoding();
}

Sound::~Sound() = default;

void Sound::playSound(std::string_view fileName) {
  handle(std::string(fileName));
}

void Sound::waitUntilHandled() {}

}  // namespace vargo::media
