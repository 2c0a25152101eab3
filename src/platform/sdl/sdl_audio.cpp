// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/sdl/sdl_audio.h"

#include <algorithm>
#include <cstdio>

namespace vargo::platform {

namespace {

void sayNoSound() {
  std::fprintf(stderr, "vargo: no sound device (%s); the game plays on without sound\n", SDL_GetError());
}

}  // namespace

void SdlAudio::start() {
  const std::scoped_lock lock(mutex_);
  if (started_)
    return;
  started_ = true;
  if (SDL_InitSubSystem(SDL_INIT_AUDIO) != 0) {
    sayNoSound();
    return;
  }
  SDL_AudioSpec want{};
  want.freq = 44100;
  want.format = AUDIO_S16SYS;
  want.channels = 2;
  want.samples = 512;  // about 12 ms
  device_ = SDL_OpenAudioDevice(nullptr, 0, &want, &spec_,
                                SDL_AUDIO_ALLOW_FREQUENCY_CHANGE | SDL_AUDIO_ALLOW_CHANNELS_CHANGE);
  if (device_ == 0) {
    sayNoSound();
    // Nothing to play on: let audio go, or SDL's device watcher (ALSA's) wakes the game ten times a second.
    SDL_QuitSubSystem(SDL_INIT_AUDIO);
    return;
  }
  format_ = AudioFormat{spec_.freq, spec_.channels, spec_.format};
  SDL_PauseAudioDevice(device_, 0);
  playingUntil_ = SDL_GetTicks64();
}

std::optional<AudioFormat> SdlAudio::format() const {
  const std::scoped_lock lock(mutex_);
  return format_;
}

SdlAudio::~SdlAudio() {
  close();
}

bool SdlAudio::open() {
  if (device_ != 0)
    return true;
  if (!format_)
    return false;
  // The same format as the first opening, so samples converted for it still fit.
  SDL_AudioSpec have{};
  device_ = SDL_OpenAudioDevice(nullptr, 0, &spec_, &have, 0);
  if (device_ == 0)
    return false;
  SDL_PauseAudioDevice(device_, 0);
  return true;
}

void SdlAudio::close() {
  if (device_ != 0)
    SDL_CloseAudioDevice(device_);
  device_ = 0;
}

void SdlAudio::replace(std::span<const std::uint8_t> samples) {
  const std::scoped_lock lock(mutex_);
  if (!open())
    return;
  SDL_ClearQueuedAudio(device_);
  SDL_QueueAudio(device_, samples.data(), static_cast<Uint32>(samples.size()));
  const Uint64 bytesPerSecond =
      static_cast<Uint64>(spec_.freq) * spec_.channels * (SDL_AUDIO_BITSIZE(spec_.format) / 8);
  playingUntil_ = SDL_GetTicks64() + (bytesPerSecond == 0 ? 0 : samples.size() * 1000 / bytesPerSecond);
}

std::optional<std::uint32_t> SdlAudio::msUntilIdle() {
  const std::scoped_lock lock(mutex_);
  if (device_ == 0)
    return std::nullopt;
  const Uint64 idleAt = playingUntil_ + kIdleMs;
  const Uint64 now = SDL_GetTicks64();
  return static_cast<std::uint32_t>(idleAt > now ? idleAt - now : 0);
}

void SdlAudio::closeWhenIdle() {
  const std::scoped_lock lock(mutex_);
  if (device_ != 0 && SDL_GetTicks64() >= playingUntil_ + kIdleMs)
    close();
}

}  // namespace vargo::platform
