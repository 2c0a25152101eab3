// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Decoding a WAV file into samples of the audio device's format.

#include <cstdint>
#include <optional>
#include <span>
#include <vector>

#include "platform/sound_output.h"

namespace vargo::media {

// What a sound file may be, and what that costs. A sound effect lasts seconds: longer sounds are refused, and
// so are sample rates no sound card plays. Decoded at the device's rate a sound takes at most 30 s of device
// samples: 5.3 MB at 44.1 kHz stereo 16-bit (kept while its file is unchanged). The largest file
// (SoundCache::kMaxFileBytes) decodes once in about half a second, on the sound thread.
constexpr double kLongestSoundSeconds = 30.0;
constexpr int kLowestRate = 4000;
constexpr int kHighestRate = 384000;

// Sets SDL's WAV reader to refuse files cut short instead of guessing; once, before the first decode.
void prepareWavDecoding();

// The file's sound converted to `to`; nullopt when it is not a WAV that SDL can decode. The conversion
// works in pieces, so beside the file and SDL's samples it needs little more than the result.
std::optional<std::vector<std::uint8_t>> decodeWav(std::span<const std::uint8_t> file,
                                                   const platform::AudioFormat& to);

}  // namespace vargo::media
