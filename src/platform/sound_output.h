// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The sound output: one device that plays one sound at a time. Implemented with SDL2 for the real game and
// in memory for tests.

#include <cstdint>
#include <optional>
#include <span>

namespace vargo::platform {

struct AudioFormat {
  int frequency = 0;
  int channels = 0;
  std::uint16_t sdlFormat = 0;  // an SDL_AudioFormat value
};

class SoundOutput {
 public:
  virtual ~SoundOutput() = default;
  // The device's format, fixed once the device is first opened; nullopt when there is no audio device.
  virtual std::optional<AudioFormat> format() const = 0;
  // Stops whatever is playing and starts these samples (in format()). Safe to call from any thread.
  virtual void replace(std::span<const std::uint8_t> samples) = 0;
};

}  // namespace vargo::platform
