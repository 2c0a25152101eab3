// SPDX-License-Identifier: GPL-3.0-or-later
#include "media/riff.h"

#include <algorithm>
#include <string_view>

namespace vargo::media {

namespace {

constexpr std::size_t kHeaderBytes = 12;  // "RIFF", its size, "WAVE"
constexpr std::size_t kChunkHeaderBytes = 8;

bool tagAt(std::span<const std::uint8_t> file, std::size_t at, std::string_view tag) {
  return std::equal(tag.begin(), tag.end(), file.begin() + static_cast<std::ptrdiff_t>(at),
                    [](char t, std::uint8_t b) { return static_cast<std::uint8_t>(t) == b; });
}

std::uint64_t le32At(std::span<const std::uint8_t> file, std::size_t at) {
  return file[at] | file[at + 1] << 8U | file[at + 2] << 16U |
         static_cast<std::uint64_t>(file[at + 3]) << 24U;
}

}  // namespace

bool chunksFitFile(std::span<const std::uint8_t> file) {
  if (file.size() < kHeaderBytes || !tagAt(file, 0, "RIFF") || !tagAt(file, 8, "WAVE"))
    return false;
  bool data = false;
  // Trailing bytes too short for a chunk header are ignored, as decoders do.
  for (std::uint64_t at = kHeaderBytes; at + kChunkHeaderBytes <= file.size();) {
    const std::uint64_t length = le32At(file, at + 4);
    const std::uint64_t end = at + kChunkHeaderBytes + length;
    if (end > file.size())
      return false;
    data = data || tagAt(file, at, "data");
    at = end + (length & 1U);  // chunks are padded to an even length
  }
  return data;
}

}  // namespace vargo::media
