#include "media/wav.h"

#include <SDL.h>

namespace vargo::media {

namespace {

std::optional<std::vector<std::uint8_t>> convert(const SDL_AudioSpec& from, const Uint8* data, Uint32 length,
                                                 const platform::AudioFormat& to) {
  SDL_AudioStream* stream = SDL_NewAudioStream(from.format, from.channels, from.freq, to.sdlFormat,
                                               static_cast<Uint8>(to.channels), to.frequency);
  if (stream == nullptr)
    return std::nullopt;
  std::optional<std::vector<std::uint8_t>> out;
  if (SDL_AudioStreamPut(stream, data, static_cast<int>(length)) == 0 && SDL_AudioStreamFlush(stream) == 0) {
    std::vector<std::uint8_t> samples(static_cast<std::size_t>(SDL_AudioStreamAvailable(stream)));
    const int got = SDL_AudioStreamGet(stream, samples.data(), static_cast<int>(samples.size()));
    if (got >= 0) {
      samples.resize(static_cast<std::size_t>(got));
      out = std::move(samples);
    }
  }
  SDL_FreeAudioStream(stream);
  return out;
}

}  // namespace

std::optional<std::vector<std::uint8_t>> decodeWav(std::span<const std::uint8_t> file,
                                                   const platform::AudioFormat& to) {
  if (file.empty())
    return std::nullopt;
  SDL_RWops* rw = SDL_RWFromConstMem(file.data(), static_cast<int>(file.size()));
  if (rw == nullptr)
    return std::nullopt;
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
