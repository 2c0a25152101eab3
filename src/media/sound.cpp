// SPDX-License-Identifier: GPL-3.0-or-later
#include "media/sound.h"

#include "media/data_folder.h"

namespace vargo::media {

void Sound::handle(const std::string& fileName) {
  const auto format = output_.format();
  if (!format)
    return;
  const auto samples = cache_.samplesOf(dataFile(fileName, installedDataFolder()), *format);
  const bool newer = [this] {
    const std::scoped_lock lock(mutex_);
    return pending_.has_value();
  }();
  // A request made while this one was decoded cuts it off before it starts.
  if (samples && !newer)
    output_.replace(*samples);
}

}  // namespace vargo::media
