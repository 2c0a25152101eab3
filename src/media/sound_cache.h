// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Decoded sounds by file, kept while the file is unchanged (same path, size and modification time): a
// shot then costs a look at the file's status, and a replaced sound file still plays without a rebuild.

#include <filesystem>
#include <map>
#include <memory>
#include <vector>

#include "platform/sound_output.h"

namespace vargo::media {

using Samples = std::vector<std::uint8_t>;

class SoundCache {
 public:
  // Larger files are refused unread: a sound effect is far smaller.
  static constexpr std::uintmax_t kMaxFileBytes = 8U << 20U;

  // The file's sound in `format`, decoded when the file is new or changed; nullptr when the file is missing,
  // too large or holds no sound.
  std::shared_ptr<const Samples> samplesOf(const std::filesystem::path& path,
                                           const platform::AudioFormat& format);

 private:
  struct Entry {
    std::uintmax_t size = 0;
    std::filesystem::file_time_type modified;
    std::shared_ptr<const Samples> samples;  // nullptr: the file holds no sound
  };
  std::map<std::filesystem::path, Entry> entries_;
};

}  // namespace vargo::media
