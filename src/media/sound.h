// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The game's one sound function: playSound starts a WAV file by name and returns at once.

#include <condition_variable>
#include <mutex>
#include <optional>
#include <string>
#include <string_view>
#include <thread>

#include "media/sound_cache.h"
#include "platform/sound_output.h"

namespace vargo::media {

class SoundPlayer {
 public:
  virtual ~SoundPlayer() = default;
  virtual void playSound(std::string_view fileName) = 0;
};

// Finds the file (data_folder.h), decodes it to the device's format once while it is unchanged
// (sound_cache.h) and replaces whatever is playing. The work is done on a sound thread of its own, so a shot
// costs the user-interface thread a hand-over whatever the file; only the newest request is played, as
// every new sound cuts off the one before. A missing, too large or undecodable file, or no audio device,
// plays nothing: the game goes on in silence.
class Sound final : public SoundPlayer {
 public:
  explicit Sound(platform::SoundOutput& output);
  ~Sound() override;
  Sound(const Sound&) = delete;
  Sound& operator=(const Sound&) = delete;

  void playSound(std::string_view fileName) override;
  // Waits until the newest request has been played or found to hold no sound.
  void waitUntilHandled();

 private:
  void run();
  void handle(const std::string& fileName);

  platform::SoundOutput& output_;
  SoundCache cache_;  // the sound thread's
  std::mutex mutex_;
  std::condition_variable changed_;
  std::optional<std::string> pending_;
  bool busy_ = false;
  bool stopping_ = false;
  std::thread thread_;  // last: it starts once everything it uses is made
};

}  // namespace vargo::media
