// playSound of the shipped sound files: reading, decoding and converting the file and handing it to the
// audio device, on the real SDL audio path (the dummy drivers unless others are asked for).
// Runs from the folder that holds data/.

#include <benchmark/benchmark.h>

#include <array>
#include <cstdlib>
#include <filesystem>
#include <string_view>

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

void BM_PlaySoundSdl(benchmark::State& state) {
  const std::string_view file = kFiles[static_cast<std::size_t>(state.range(0))];
  if (!haveFile(state, file))
    return;
  // No window is opened: the dummy video driver is enough, and the dummy audio driver needs no sound card.
  setenv("SDL_VIDEODRIVER", "dummy", 0);
  setenv("SDL_AUDIODRIVER", "dummy", 0);
  platform::SdlPlatform sdl;
  if (!sdl.audioFormat()) {
    state.SkipWithError("no audio device");
    return;
  }
  media::Sound sound(sdl);
  for (auto _ : state)
    sound.playSound(file);
}

}  // namespace

BENCHMARK(BM_PlaySoundSdl)->DenseRange(0, 3)->Unit(benchmark::kMicrosecond);

}  // namespace vargo::bench
