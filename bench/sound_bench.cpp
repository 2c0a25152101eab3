// SPDX-License-Identifier: GPL-3.0-or-later
// playSound of the shipped sound files: reading, decoding and converting the file and handing it to the
// audio device, on the real SDL audio path (the dummy drivers unless others are asked for).
// Runs from the folder that holds data/.

#include <benchmark/benchmark.h>

#include <SDL.h>

#include <algorithm>
#include <array>
#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <optional>
#include <random>
#include <string_view>
#include <thread>

#include "media/sound.h"
#include "platform/sdl/sdl_platform.h"

namespace vargo::bench {

namespace {

constexpr std::array<std::string_view, 4> kFiles = {"data/vystrel.wav", "data/vystrel2.wav",
                                                    "data/vystrel3.wav", "data/reload.wav"};

bool haveFile(benchmark::State& state, std::string_view file) {
  state.SetLabel(std::string(file));
  std::error_code error;
  const auto bytes = std::filesystem::file_size(file, error);
  if (error) {
    state.SkipWithError("sound file not found: run from the folder that holds data/");
    return false;
  }
  state.counters["file_bytes"] = static_cast<double>(bytes);
  return true;
}

constexpr auto kGiveUp = std::chrono::milliseconds(200);
constexpr auto kLongestPause = std::chrono::microseconds(20'000);
constexpr std::uint32_t kSilence = 5'500;  // ms; longer than the platform keeps a silent device open

// No window is opened: the dummy video driver is enough, and the dummy audio driver needs no sound card.
void chooseDrivers() {
  setenv("SDL_VIDEODRIVER", "dummy", 0);
  setenv("SDL_AUDIODRIVER", "dummy", 0);
}

// The audio device the platform opened: SDL numbers opened devices from 2 (1 is its legacy interface).
std::optional<SDL_AudioDeviceID> playingDevice() {
  for (SDL_AudioDeviceID id = 2; id < 16; ++id) {
    if (SDL_GetAudioDeviceStatus(id) == SDL_AUDIO_PLAYING)
      return id;
  }
  return std::nullopt;
}

void BM_PlaySoundSdl(benchmark::State& state) {
  const std::string_view file = kFiles[static_cast<std::size_t>(state.range(0))];
  if (!haveFile(state, file))
    return;
  chooseDrivers();
  platform::SdlPlatform sdl;
  sdl.waitEvent(0);  // the first wait opens the audio device
  if (!sdl.sound().format()) {
    state.SkipWithError("no audio device");
    return;
  }
  media::Sound sound(sdl.sound());
  for (auto _ : state)
    sound.playSound(file);
  state.SetLabel(std::string(file) + " on " + SDL_GetCurrentAudioDriver());
}

// The first shot after a pause: the platform closes the audio device after a few seconds of silence (so
// an idle game sleeps), and this call opens it again.
void BM_PlaySoundAfterSilence(benchmark::State& state) {
  const std::string_view file = kFiles[0];
  if (!haveFile(state, file))
    return;
  chooseDrivers();
  platform::SdlPlatform sdl;
  sdl.waitEvent(0);  // the first wait opens the audio device
  if (!sdl.sound().format()) {
    state.SkipWithError("no audio device");
    return;
  }
  media::Sound sound(sdl.sound());
  using Clock = std::chrono::steady_clock;
  for (auto _ : state) {
    sdl.waitEvent(kSilence);  // no window, so no event: the wait runs out and the device is closed
    if (playingDevice()) {
      state.SkipWithError("the audio device stayed open through the silence");
      return;
    }
    const Clock::time_point start = Clock::now();
    sound.playSound(file);
    state.SetIterationTime(std::chrono::duration<double>(Clock::now() - start).count());
  }
  state.SetLabel(std::string(file) + " on " + SDL_GetCurrentAudioDriver());
}

// From the call to the moment the audio thread takes the sound's first samples off the queue: how soon
// a shot can be heard, before whatever latency the driver adds.
void BM_SoundReachesDevice(benchmark::State& state) {
  const std::string_view file = kFiles[0];
  if (!haveFile(state, file))
    return;
  chooseDrivers();
  platform::SdlPlatform sdl;
  sdl.waitEvent(0);  // the first wait opens the audio device
  const auto device = playingDevice();
  if (!sdl.sound().format() || !device) {
    state.SkipWithError("no audio device");
    return;
  }
  media::Sound sound(sdl.sound());
  using Clock = std::chrono::steady_clock;
  // Shots come at any moment of the audio thread's period, not just after it has taken a buffer.
  std::minstd_rand pause(1);
  std::uniform_int_distribution<int> microseconds(0, kLongestPause.count());
  double slowest = 0;
  for (auto _ : state) {
    std::this_thread::sleep_for(std::chrono::microseconds(microseconds(pause)));
    const Clock::time_point start = Clock::now();
    sound.playSound(file);
    // The sound thread queues the sound; the audio thread then takes its first period off the queue. Should
    // it take one before the size is read here, the wait ends at the next one: at most a period too long.
    sound.waitUntilHandled();
    const Uint32 queued = SDL_GetQueuedAudioSize(*device);
    while (SDL_GetQueuedAudioSize(*device) >= queued && Clock::now() - start < kGiveUp)
      std::this_thread::yield();
    const double seconds = std::chrono::duration<double>(Clock::now() - start).count();
    state.SetIterationTime(seconds);
    slowest = std::max(slowest, seconds);
  }
  state.counters["slowest_ms"] = slowest * 1000.0;
  state.SetLabel(std::string(file) + " on " + SDL_GetCurrentAudioDriver());
}

}  // namespace

BENCHMARK(BM_PlaySoundSdl)->DenseRange(0, 3)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_PlaySoundAfterSilence)->Iterations(3)->UseManualTime()->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_SoundReachesDevice)->UseManualTime()->Unit(benchmark::kMillisecond);

}  // namespace vargo::bench
