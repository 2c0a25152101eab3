#pragma once
// The game's one sound function: playSound starts a WAV file by name and returns at once.

#include <cstdint>
#include <string_view>

#include "platform/platform.h"

namespace vargo::media {

class SoundPlayer {
 public:
  virtual ~SoundPlayer() = default;
  virtual void playSound(std::string_view fileName) = 0;
};

// Reads the file (relative to the working directory) on every call, converts it to the device's format and
// replaces whatever is playing. A missing, unreadable or undecodable file, or no audio device, plays
// nothing: the game goes on in silence.
class Sound final : public SoundPlayer {
 public:
  // Larger files are skipped rather than read on the user-interface thread: a sound effect is far smaller.
  static constexpr std::uintmax_t kMaxFileBytes = 8U << 20U;

  explicit Sound(platform::Platform& output) : output_(output) {}
  void playSound(std::string_view fileName) override;

 private:
  platform::Platform& output_;
};

}  // namespace vargo::media
