// SPDX-License-Identifier: GPL-3.0-or-later
#include "media/sound.h"

#include <cstdio>
#include <exception>

#include "media/background_priority.h"
#include "media/data_folder.h"
#include "media/utf8_path.h"
#include "media/wav.h"

namespace vargo::media {

Sound::Sound(platform::SoundOutput& output)
    : output_(output), thread_([this](std::stop_token stop) { run(std::move(stop)); }) {
  prepareWavDecoding();
}

Sound::~Sound() = default;

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

void Sound::run(std::stop_token stop) {
  yieldToForeground();
  for (;;) {
    std::string fileName;
    {
      std::unique_lock lock(mutex_);
      busy_ = false;
      changed_.notify_all();
      if (!changed_.wait(lock, stop, [this] { return pending_.has_value(); }))
        return;
      fileName = std::move(*pending_);
      pending_.reset();
      busy_ = true;
    }
    handle(fileName);
  }
}

void Sound::handle(const std::string& fileName) {
  const auto format = output_.format();
  if (!format)
    return;
  const std::filesystem::path path = dataFile(fileName, installedDataFolder());
  try {
    play(path, *format);
  } catch (const std::exception& e) {
    report(path, std::string("cannot be played (") + e.what() + ")");
  } catch (...) {
    report(path, "cannot be played");
  }
}

void Sound::play(const std::filesystem::path& path, const platform::AudioFormat& format) {
  const SoundLookup found = cache_.samplesOf(path, format);
  if (!found.samples) {
    report(path, describe(found.problem));
    return;
  }
  const bool newer = [this] {
    const std::scoped_lock lock(mutex_);
    return pending_.has_value();
  }();
  // A request made while this one was decoded cuts it off before it starts.
  if (!newer)
    output_.replace(*found.samples);
}

void Sound::report(const std::filesystem::path& path, std::string_view cause) {
  if (reported_.emplace(path, cause).second)
    std::fprintf(stderr, "vargo: %s: %.*s; that sound stays silent\n", utf8Of(path).c_str(),
                 static_cast<int>(cause.size()), cause.data());
}

}  // namespace vargo::media
