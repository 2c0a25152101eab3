// SPDX-License-Identifier: GPL-3.0-or-later
// The sound thread: takes the newest request and plays it while the game goes on.
#include "media/background_priority.h"
#include "media/sound.h"
#include "media/wav.h"

namespace vargo::media {

Sound::Sound(platform::SoundOutput& output) : output_(output), thread_([this] { run(); }) {
  prepareWavDecoding();
}

Sound::~Sound() {
  {
    const std::scoped_lock lock(mutex_);
    stopping_ = true;
  }
  changed_.notify_all();
  thread_.join();
}

void Sound::playSound(std::string_view fileName) {
  {
    const std::scoped_lock lock(mutex_);
    pending_ = std::string(fileName);
  }
  changed_.notify_all();
}

void Sound::waitUntilHandled() {
  std::unique_lock lock(mutex_);
  changed_.wait(lock, [this] { return !pending_ && !busy_; });
}

void Sound::run() {
  yieldToForeground();
  for (;;) {
    std::string fileName;
    {
      std::unique_lock lock(mutex_);
      busy_ = false;
      changed_.notify_all();
      changed_.wait(lock, [this] { return pending_.has_value() || stopping_; });
      if (stopping_)
        return;
      fileName = std::move(*pending_);
      pending_.reset();
      busy_ = true;
    }
    handle(fileName);
  }
}

}  // namespace vargo::media
