// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Decoded sounds by file, kept while the file is unchanged (same path, size and modification time): a
// shot then costs a look at the file's status, and a replaced sound file still plays without a rebuild.
// Only what decoded is kept: a file that gave no sound is tried again at its next use, so a file made
// readable, or put in place, plays from the next shot on.

#include <filesystem>
#include <map>
#include <memory>
#include <string_view>
#include <vector>

#include "platform/sound_output.h"

namespace vargo::media {

using Samples = std::vector<std::uint8_t>;

// Why a file gave no sound.
enum class SoundProblem { none, missing, unreadable, tooLarge, noSound };

// What a problem means to the player, for the line that reports it.
std::string_view describe(SoundProblem problem);

struct SoundLookup {
  std::shared_ptr<const Samples> samples;  // nullptr when there is a problem
  SoundProblem problem = SoundProblem::none;
};

class SoundCache {
 public:
  // Larger files are refused unread: a sound effect is far smaller.
  static constexpr std::uintmax_t kMaxFileBytes = 8U << 20U;

  // The file's sound in `format`, decoded when the file is new or changed, or why there is none.
  SoundLookup samplesOf(const std::filesystem::path& path, const platform::AudioFormat& format);

 private:
  struct Entry {
    std::uintmax_t size = 0;
    std::filesystem::file_time_type modified;
    std::shared_ptr<const Samples> samples;
  };
  std::map<std::filesystem::path, Entry> entries_;
};

}  // namespace vargo::media
