#include "media/wav.h"

#include <SDL.h>

#include <algorithm>

#include "media/riff.h"

namespace vargo::media {

namespace {

// SDL's one-shot converter rather than an audio stream: a stream that resamples keeps back the last part of
// the sound, and a shot would lose its tail.
std::optional<std::vector<std::uint8_t>> convert(const SDL_AudioSpec& from, const Uint8* data, Uint32 length,
                                                 const platform::AudioFormat& to) {
  SDL_AudioCVT cvt;
  if (SDL_BuildAudioCVT(&cvt, from.format, from.channels, from.freq, to.sdlFormat,
                        static_cast<Uint8>(to.channels), to.frequency) < 0)
    return std::nullopt;
  const std::size_t frameBytes = SDL_AUDIO_BITSIZE(from.format) / 8U * from.channels;
  // A sound effect lasts seconds. A file that claims a tiny sample rate would last for hours and expand to
  // gigabytes at the device's rate, so anything longer is refused.
  if (static_cast<double>(length / frameBytes) / from.freq > kLongestSoundSeconds)
    return std::nullopt;
  cvt.len = static_cast<int>(length - length % frameBytes);
  if (cvt.len == 0)
    return std::vector<std::uint8_t>{};
  std::vector<std::uint8_t> samples(static_cast<std::size_t>(cvt.len) *
                                    static_cast<std::size_t>(cvt.len_mult));
  std::copy_n(data, cvt.len, samples.begin());
  cvt.buf = samples.data();
  if (SDL_ConvertAudio(&cvt) != 0)
    return std::nullopt;
  samples.resize(static_cast<std::size_t>(cvt.len_cvt));
  return samples;
}

}  // namespace

std::optional<std::vector<std::uint8_t>> decodeWav(std::span<const std::uint8_t> file,
                                                   const platform::AudioFormat& to) {
  if (!chunksFitFile(file))
    return std::nullopt;
  SDL_RWops* rw = SDL_RWFromConstMem(file.data(), static_cast<int>(file.size()));
  if (rw == nullptr)
    return std::nullopt;
  SDL_SetHint(SDL_HINT_WAVE_TRUNCATION, "verystrict");
  SDL_AudioSpec spec{};
  Uint8* data = nullptr;
  Uint32 length = 0;
  if (SDL_LoadWAV_RW(rw, 1, &spec, &data, &length) == nullptr)
    return std::nullopt;
  auto samples = convert(spec, data, length, to);
  SDL_FreeWAV(data);
  return samples;
}

}  // namespace vargo::media
