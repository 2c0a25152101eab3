#include "media/sound.h"

#include <filesystem>
#include <fstream>
#include <iterator>
#include <vector>

#include "media/wav.h"

namespace vargo::media {

namespace {

std::vector<std::uint8_t> readSmallFile(const std::filesystem::path& path, std::uintmax_t limit) {
  std::error_code error;
  if (!std::filesystem::is_regular_file(path, error))
    return {};
  const auto size = std::filesystem::file_size(path, error);
  if (error || size > limit)
    return {};
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

}  // namespace

void Sound::playSound(std::string_view fileName) {
  const auto format = output_.audioFormat();
  if (!format)
    return;
  const auto file = readSmallFile(std::filesystem::path(fileName), kMaxFileBytes);
  if (auto samples = decodeWav(file, *format))
    output_.replaceSound(std::move(*samples));
}

}  // namespace vargo::media
