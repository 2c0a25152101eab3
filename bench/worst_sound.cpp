// SPDX-License-Identifier: GPL-3.0-or-later
// The costliest sound files the game still accepts, each played as twenty quick shots through the real SDL
// audio path (the dummy drivers unless others are asked for): the longest a shot's call takes on the
// user-interface thread, how long the one decode takes on the sound thread, and the peak resident set.
// Fails when a shot takes 1 ms or more, the resident set reaches 60 MiB, or a file does not play.

#include <sys/resource.h>

#include <SDL_audio.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "media/sound.h"
#include "platform/sdl/sdl_platform.h"

namespace {

namespace fs = std::filesystem;
using Clock = std::chrono::steady_clock;

struct WorstFile {
  const char* what;
  std::uint16_t tag;  // 1 integer PCM, 3 IEEE float
  std::uint16_t channels;
  std::uint32_t rate;
  std::uint16_t bits;
};

// Each fills the largest file the game reads, and the first lasts all but the longest sound allowed.
constexpr WorstFile kFiles[] = {
    {"8-bit mono 280 kHz, 29.96 s", 1, 1, 280000, 8},
    {"32-bit float stereo 48 kHz, 21.8 s", 3, 2, 48000, 32},
};
constexpr int kShots = 20;
constexpr double kShotLimitMs = 1.0;
constexpr long kRssLimitKiB = 60L * 1024;

void put(std::ofstream& out, std::uint32_t value, int bytes) {
  for (int i = 0; i < bytes; ++i)
    out.put(static_cast<char>(value >> (8 * i)));
}

void writeWav(const fs::path& path, const WorstFile& f) {
  const std::uint32_t frameBytes = f.channels * f.bits / 8U;
  const std::uint32_t dataBytes = (vargo::media::SoundCache::kMaxFileBytes - 44) / frameBytes * frameBytes;
  std::ofstream out(path, std::ios::binary);
  out << "RIFF";
  put(out, 36 + dataBytes, 4);
  out << "WAVEfmt ";
  put(out, 16, 4);
  put(out, f.tag, 2);
  put(out, f.channels, 2);
  put(out, f.rate, 4);
  put(out, f.rate * frameBytes, 4);
  put(out, frameBytes, 2);
  put(out, f.bits, 2);
  out << "data";
  put(out, dataBytes, 4);
  std::vector<char> data(dataBytes);
  for (std::size_t i = 0; i < data.size(); ++i)
    data[i] = static_cast<char>(i * 7 % 251);  // a loud saw, never the same over a frame
  out.write(data.data(), static_cast<std::streamsize>(data.size()));
}

// The device, noting how long a stretch of samples it was last given.
class NotedOutput final : public vargo::platform::SoundOutput {
 public:
  explicit NotedOutput(vargo::platform::SoundOutput& device) : device_(device) {}
  std::optional<vargo::platform::AudioFormat> format() const override { return device_.format(); }
  void replace(std::span<const std::uint8_t> samples) override {
    lastBytes_ = samples.size();
    device_.replace(samples);
  }
  double lastSeconds() const {
    const auto f = *format();
    return static_cast<double>(lastBytes_) /
           (f.frequency * f.channels * (SDL_AUDIO_BITSIZE(f.sdlFormat) / 8));
  }

 private:
  vargo::platform::SoundOutput& device_;
  std::atomic<std::size_t> lastBytes_ = 0;
};

double msSince(Clock::time_point start) {
  return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

long peakRssKiB() {
  rusage usage{};
  getrusage(RUSAGE_SELF, &usage);
  return usage.ru_maxrss;
}

}  // namespace

int main() {
  setenv("SDL_VIDEODRIVER", "dummy", 0);
  setenv("SDL_AUDIODRIVER", "dummy", 0);
  const fs::path dir = fs::temp_directory_path() / ("vargo-worst-sound-" + std::to_string(getpid()));
  fs::create_directories(dir);
  vargo::platform::SdlPlatform sdl;
  sdl.waitEvent(0);  // the first wait opens the audio device
  if (!sdl.sound().format()) {
    std::fprintf(stderr, "worst_sound: no audio device\n");
    return 1;
  }
  NotedOutput output(sdl.sound());
  vargo::media::Sound sound(output);
  int failed = 0;
  for (const WorstFile& f : kFiles) {
    const fs::path file = dir / "shot.wav";
    writeWav(file, f);
    double slowestShot = 0;
    const Clock::time_point first = Clock::now();
    for (int shot = 0; shot < kShots; ++shot) {
      const Clock::time_point start = Clock::now();
      sound.playSound(file.string());
      slowestShot = std::max(slowestShot, msSince(start));
    }
    sound.waitUntilHandled();
    const double decodeMs = msSince(first);
    const long rss = peakRssKiB();
    const double played = output.lastSeconds();
    const bool ok = slowestShot < kShotLimitMs && rss < kRssLimitKiB && played > 20;
    std::printf("%-36s %d shots: slowest %.3f ms; decoded once in %.0f ms to %.2f s; peak RSS %.1f MiB%s\n",
                f.what, kShots, slowestShot, decodeMs, played, static_cast<double>(rss) / 1024.0,
                ok ? "" : "  FAILED");
    failed += ok ? 0 : 1;
  }
  fs::remove_all(dir);
  return failed == 0 ? 0 : 1;
}
