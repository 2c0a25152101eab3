// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// How the WAV fuzzer reads its input: the first byte picks the device format to convert to, so every
// conversion path is reached; the rest is the file. The fuzzer and the replay of its findings share it.

#include <SDL.h>

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>

#include "platform/sound_output.h"

namespace vargo::fuzz {

constexpr std::array<platform::AudioFormat, 4> kDevices{{
    {44100, 2, AUDIO_S16SYS},
    {48000, 1, AUDIO_F32SYS},
    {22050, 2, AUDIO_U8},
    {96000, 6, AUDIO_S32SYS},
}};

struct WavInput {
  const platform::AudioFormat& device;
  std::span<const std::uint8_t> file;
};

// The input must not be empty.
inline WavInput splitInput(std::span<const std::uint8_t> input) {
  return {kDevices[input[0] % kDevices.size()], input.subspan(1)};
}

inline std::size_t frameBytes(const platform::AudioFormat& device) {
  return SDL_AUDIO_BITSIZE(device.sdlFormat) / 8U * static_cast<std::size_t>(device.channels);
}

}  // namespace vargo::fuzz
