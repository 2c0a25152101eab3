// libFuzzer target for reading sound files: any bytes at all go through the WAV decoder and the conversion
// to a device format. The first byte picks the device format, so every conversion path is reached.

#include <SDL.h>

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>

#include "media/wav.h"

namespace {

constexpr std::array<vargo::platform::AudioFormat, 4> kDevices{{
    {44100, 2, AUDIO_S16SYS},
    {48000, 1, AUDIO_F32SYS},
    {22050, 2, AUDIO_U8},
    {96000, 6, AUDIO_S32SYS},
}};

// Decoded sounds are bounded by what SDL accepts; this keeps the fuzzer from spending its time on huge
// resampling buffers, the way the game skips huge files.
constexpr std::size_t kMaxInput = 64 * 1024;

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size == 0 || size > kMaxInput)
    return 0;
  const auto& device = kDevices[data[0] % kDevices.size()];
  const auto samples = vargo::media::decodeWav(std::span(data + 1, size - 1), device);
  if (samples) {
    const std::size_t frame = SDL_AUDIO_BITSIZE(device.sdlFormat) / 8U * device.channels;
    // Whole frames of the device format, or the device would play noise.
    if (samples->size() % frame != 0)
      __builtin_trap();
  }
  return 0;
}
