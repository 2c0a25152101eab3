// SPDX-License-Identifier: GPL-3.0-or-later
// libFuzzer target for reading sound files: any bytes at all go through the WAV decoder and the conversion
// to a device format (see wav_input.h).

#include <cstddef>
#include <cstdint>
#include <span>

#include "fuzz/wav_input.h"
#include "media/wav.h"

extern "C" int LLVMFuzzerInitialize(int* /*argc*/, char*** /*argv*/) {
  vargo::media::prepareWavDecoding();
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size == 0)
    return 0;
  const auto input = vargo::fuzz::splitInput(std::span(data, size));
  const auto samples = vargo::media::decodeWav(input.file, input.device);
  // Whole frames of the device format, or the device would play noise.
  if (samples && samples->size() % vargo::fuzz::frameBytes(input.device) != 0)
    __builtin_trap();
  return 0;
}
