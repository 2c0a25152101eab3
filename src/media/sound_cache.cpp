// SPDX-License-Identifier: GPL-3.0-or-later
#include "media/sound_cache.h"

#include <fstream>
#include <iterator>

#include "media/wav.h"

namespace vargo::media {

namespace fs = std::filesystem;

namespace {

std::shared_ptr<const Samples> decodeFile(const fs::path& path, std::uintmax_t size,
                                          const platform::AudioFormat& format) {
  if (size > SoundCache::kMaxFileBytes)
    return nullptr;
  std::ifstream in(path, std::ios::binary);
  const std::vector<std::uint8_t> file{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
  auto samples = decodeWav(file, format);
  return samples ? std::make_shared<const Samples>(std::move(*samples)) : nullptr;
}

}  // namespace

std::shared_ptr<const Samples> SoundCache::samplesOf(const fs::path& path,
                                                     const platform::AudioFormat& format) {
  std::error_code error;
  const auto status = fs::status(path, error);
  const auto size = fs::is_regular_file(status) ? fs::file_size(path, error) : 0;
  const auto modified = fs::last_write_time(path, error);
  if (error || !fs::is_regular_file(status)) {
    entries_.erase(path);
    return nullptr;
  }
  auto [at, added] = entries_.try_emplace(path);
  if (added || at->second.size != size || at->second.modified != modified)
    at->second = {size, modified, decodeFile(path, size, format)};
  return at->second.samples;
}

}  // namespace vargo::media
