#pragma once
// Decoding a WAV file into samples of the audio device's format.

#include <cstdint>
#include <optional>
#include <span>
#include <vector>

#include "platform/platform.h"

namespace vargo::media {

// A sound effect lasts seconds: longer sounds are refused.
constexpr double kLongestSoundSeconds = 30.0;

// The file's sound converted to `to`; nullopt when it is not a WAV that SDL can decode.
std::optional<std::vector<std::uint8_t>> decodeWav(std::span<const std::uint8_t> file,
                                                   const platform::AudioFormat& to);

}  // namespace vargo::media
