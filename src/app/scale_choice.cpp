// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/scale_choice.h"

#include <algorithm>
#include <cstdio>

#include "media/image.h"

namespace vargo::app {

media::Scale fittedScale(int desktop, std::optional<ui::Size> usable, ui::Size largest) {
  media::Scale scale{std::clamp(desktop, media::Scale::kMin, media::Scale::kMax)};
  const auto fits = [&] {
    return !usable ||
           (scale.of(largest.width) <= usable->width && scale.of(largest.height) <= usable->height);
  };
  while (scale.k > media::Scale::kMin && !fits())
    --scale.k;
  return scale;
}

ui::Size largestWindow(std::span<const ui::ScreenKind> kinds) {
  ui::Size largest;
  for (const ui::ScreenKind& kind : kinds) {
    largest.width = std::max(largest.width, kind.def->window.client.width);
    largest.height = std::max(largest.height, kind.def->window.client.height);
  }
  return largest;
}

media::Scale playableScale(media::Scale scale) {
  if (scale.k == 1 || !media::rasterFolder(scale).empty())
    return scale;
  std::fprintf(stderr,
               "vargo: the pictures for scale %d are not installed (images/%dx); playing at scale 1\n",
               scale.k, scale.k);
  return {};
}

}  // namespace vargo::app
