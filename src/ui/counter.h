// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Counters kept as label captions: parsed as decimal when read, written back as plain decimal text.

#include <charconv>
#include <string>
#include <string_view>

namespace vargo::ui {

// The decimal integer a caption holds; 0 when it holds none.
inline int readCounter(std::string_view caption) {
  int value = 0;
  std::from_chars(caption.data(), caption.data() + caption.size(), value);
  return value;
}

inline std::string counterText(int value) {
  return std::to_string(value);
}

}  // namespace vargo::ui
