// SPDX-License-Identifier: GPL-3.0-or-later
#include "media/utf8_path.h"

namespace vargo::media {

// char8_t text is UTF-8 to std::filesystem on every system.
std::filesystem::path pathFromUtf8(std::string_view text) {
  return std::u8string(text.begin(), text.end());
}

std::string utf8Of(const std::filesystem::path& path) {
  const std::u8string text = path.u8string();
  return std::string(text.begin(), text.end());
}

}  // namespace vargo::media
