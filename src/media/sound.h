// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The game's one sound function: playSound starts a WAV file by name and returns at once.

#include <condition_variable>
#include <filesystem>
#include <mutex>
#include <optional>
#include <set>
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
// every new sound cuts off the one before. A missing, unreadable, too large or undecodable file, no audio
// device, or any failure on the sound thread (memory, the device) plays nothing: the game goes on in
// silence, and one line on stderr says why, once for each file and cause.
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
  void run(std::stop_token stop);
  void handle(const std::string& fileName);
  void play(const std::filesystem::path& path, const platform::AudioFormat& format);
  void report(const std::filesystem::path& path, std::string_view cause);

  platform::SoundOutput& output_;
  SoundCache cache_;                                                  // the sound thread's
  std::set<std::pair<std::filesystem::path, std::string>> reported_;  // the sound thread's
  std::mutex mutex_;
  std::condition_variable_any changed_;
  std::optional<std::string> pending_;
  bool busy_ = false;
  std::jthread thread_;  // last: it starts once everything it uses is made
};

}  // namespace vargo::media
