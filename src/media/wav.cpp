// SPDX-License-Identifier: GPL-3.0-or-later
#include "media/wav.h"

#include <SDL.h>

#include <algorithm>
#include <memory>

#include "media/riff.h"

namespace vargo::media {

namespace {

constexpr std::size_t kPieceFrames = 16384;
constexpr std::size_t kPadFrames = 1024;  // more than the resampler keeps back

std::size_t frameBytesOf(SDL_AudioFormat format, int channels) {
  return SDL_AUDIO_BITSIZE(format) / 8U * static_cast<std::size_t>(channels);
}

struct StreamFree {
  void operator()(SDL_AudioStream* stream) const { SDL_FreeAudioStream(stream); }
};
using Stream = std::unique_ptr<SDL_AudioStream, StreamFree>;

// Appends what the stream has converted so far.
bool drain(SDL_AudioStream* stream, std::vector<std::uint8_t>& out) {
  for (int available; (available = SDL_AudioStreamAvailable(stream)) > 0;) {
    const std::size_t at = out.size();
    out.resize(at + static_cast<std::size_t>(available));
    const int got = SDL_AudioStreamGet(stream, out.data() + at, available);
    if (got < 0)
      return false;
    out.resize(at + static_cast<std::size_t>(got));
  }
  return true;
}

// An audio stream fed in pieces, so that the conversion needs little memory beside its result.
std::optional<std::vector<std::uint8_t>> convert(const SDL_AudioSpec& from, const Uint8* data, Uint32 length,
                                                 const platform::AudioFormat& to) {
  const std::size_t frameBytes = frameBytesOf(from.format, from.channels);
  if (frameBytes == 0 || from.freq < kLowestRate || from.freq > kHighestRate)
    return std::nullopt;
  // A file that claims a tiny sample rate would last for hours and expand to gigabytes at the device's rate.
  const std::size_t frames = length / frameBytes;
  if (static_cast<double>(frames) / from.freq > kLongestSoundSeconds)
    return std::nullopt;
  const Stream stream(SDL_NewAudioStream(from.format, from.channels, from.freq, to.sdlFormat,
                                         static_cast<Uint8>(to.channels), to.frequency));
  if (!stream)
    return std::nullopt;
  const std::size_t toFrame = frameBytesOf(to.sdlFormat, to.channels);
  const std::size_t expectedFrames =
      (frames * static_cast<std::size_t>(to.frequency) + static_cast<std::size_t>(from.freq) - 1) /
      static_cast<std::size_t>(from.freq);
  std::vector<std::uint8_t> out;
  out.reserve((expectedFrames +
               kPadFrames * static_cast<std::size_t>(to.frequency) / static_cast<std::size_t>(from.freq)) *
              toFrame);
  for (std::size_t frame = 0; frame < frames; frame += kPieceFrames) {
    const std::size_t piece = std::min(kPieceFrames, frames - frame) * frameBytes;
    if (SDL_AudioStreamPut(stream.get(), data + frame * frameBytes, static_cast<int>(piece)) != 0 ||
        !drain(stream.get(), out))
      return std::nullopt;
  }
  // The resampler keeps back a stretch of its input, which flushing does not always give back: silence after
  // the sound pushes the tail out, and the result is cut to the sound's own length.
  const std::vector<std::uint8_t> silence(kPadFrames * frameBytes, from.format == AUDIO_U8 ? 0x80 : 0);
  if (SDL_AudioStreamPut(stream.get(), silence.data(), static_cast<int>(silence.size())) != 0 ||
      SDL_AudioStreamFlush(stream.get()) != 0 || !drain(stream.get(), out))
    return std::nullopt;
  out.resize(std::min(out.size() - out.size() % toFrame, expectedFrames * toFrame));
  return out;
}

}  // namespace

void prepareWavDecoding() {
  SDL_SetHint(SDL_HINT_WAVE_TRUNCATION, "verystrict");
}

std::optional<std::vector<std::uint8_t>> decodeWav(std::span<const std::uint8_t> file,
                                                   const platform::AudioFormat& to) {
  if (!chunksFitFile(file))
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
