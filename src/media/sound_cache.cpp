// SPDX-License-Identifier: GPL-3.0-or-later
#include "media/sound_cache.h"

#include <fstream>
#include <iterator>

#include "media/wav.h"

namespace vargo::media {

namespace fs = std::filesystem;

namespace {

SoundLookup decodeFile(const fs::path& path, std::uintmax_t size, const platform::AudioFormat& format) {
  if (size > SoundCache::kMaxFileBytes)
    return {nullptr, SoundProblem::tooLarge};
  std::ifstream in(path, std::ios::binary);
  if (!in)
    return {nullptr, SoundProblem::unreadable};
  const std::vector<std::uint8_t> file{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
  if (in.bad())
    return {nullptr, SoundProblem::unreadable};
  auto samples = decodeWav(file, format);
  if (!samples)
    return {nullptr, SoundProblem::noSound};
  return {std::make_shared<const Samples>(std::move(*samples)), SoundProblem::none};
}

}  // namespace

std::string_view describe(SoundProblem problem) {
  switch (problem) {
    case SoundProblem::missing:
      return "no such file";
    case SoundProblem::unreadable:
      return "cannot be read";
    case SoundProblem::tooLarge:
      return "larger than 8 MiB";
    case SoundProblem::noSound:
      return "not a sound the game can play";
    case SoundProblem::none:
      break;
  }
  return "";
}

SoundLookup SoundCache::samplesOf(const fs::path& path, const platform::AudioFormat& format) {
  std::error_code error;
  const auto status = fs::status(path, error);
  const auto size = fs::is_regular_file(status) ? fs::file_size(path, error) : 0;
  const auto modified = fs::last_write_time(path, error);
  if (error || !fs::is_regular_file(status)) {
    entries_.erase(path);
    return {nullptr, SoundProblem::missing};
  }
  const auto known = entries_.find(path);
  if (known != entries_.end() && known->second.size == size && known->second.modified == modified)
    return {known->second.samples, SoundProblem::none};
  entries_.erase(path);
  SoundLookup decoded = decodeFile(path, size, format);
  if (decoded.samples)
    entries_.emplace(path, Entry{size, modified, decoded.samples});
  return decoded;
}

}  // namespace vargo::media
