// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The sound output: one queued SDL audio device with a small buffer, so a shot is heard at once. The
// device is closed after a few seconds of silence, because an open device wakes the process for every
// buffer even when nothing plays; the next sound opens it again. It is first opened by start(), once
// the first frame is on the screen: finding a device takes tens of milliseconds (a sound server asked,
// ALSA's cards probed), and no sound plays before the first click.

#include <SDL.h>

#include <cstdint>
#include <mutex>
#include <optional>

#include "platform/sound_output.h"

namespace vargo::platform {

class SdlAudio final : public SoundOutput {
 public:
  SdlAudio() = default;
  ~SdlAudio() override;
  SdlAudio(const SdlAudio&) = delete;
  SdlAudio& operator=(const SdlAudio&) = delete;

  // Opens the device the first time; later calls do nothing.
  void start();
  // nullopt before start() and when there is no audio device: the game runs silently.
  std::optional<AudioFormat> format() const override;
  void replace(std::span<const std::uint8_t> samples) override;
  // Milliseconds until the device may be closed, or nullopt when it is closed already.
  std::optional<std::uint32_t> msUntilIdle();
  // Closes the device once it has been silent long enough.
  void closeWhenIdle();

  static constexpr Uint64 kIdleMs = 5000;

 private:
  bool open();
  void close();

  mutable std::mutex mutex_;  // all below: sounds are handed over from the sound thread
  bool started_ = false;
  SDL_AudioDeviceID device_ = 0;
  std::optional<AudioFormat> format_;
  SDL_AudioSpec spec_{};
  Uint64 playingUntil_ = 0;  // when the last queued sound ends, in SDL ticks
};

}  // namespace vargo::platform
