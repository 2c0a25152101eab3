// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Client pixels of one's own, for painting a screen without a window.

#include <cstdint>
#include <vector>

#include "media/scale.h"
#include "platform/platform.h"
#include "ui/definition.h"

namespace vargo::test {

class PixelBuffer {
 public:
  PixelBuffer(const ui::ScreenDef& def, media::Scale scale)
      : size_(scale.of(def.window.client)), argb_(static_cast<std::size_t>(size_.width) * size_.height, 0) {}

  platform::Canvas canvas() { return {argb_.data(), size_.width, size_.height, size_.width}; }
  platform::Pixels pixels() const { return {argb_.data(), size_.width, size_.height, size_.width}; }

 private:
  ui::Size size_;
  std::vector<std::uint32_t> argb_;
};

}  // namespace vargo::test
