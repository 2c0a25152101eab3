// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/scale_choice.h"

#include <algorithm>
#include <cstdio>

#include "media/image.h"

namespace vargo::app {

media::Scale fittedScale(int desktop, std::optional<ui::Size> usable, ui::Size extent) {
  media::Scale scale{std::clamp(desktop, media::Scale::kMin, media::Scale::kMax)};
  const auto fits = [&] {
    return !usable || (scale.of(extent.width) <= usable->width && scale.of(extent.height) <= usable->height);
  };
  while (scale.k > media::Scale::kMin && !fits())
    --scale.k;
  return scale;
}

media::Scale askedScale(int asked, std::optional<ui::Size> usable, ui::Size extent) {
  const media::Scale scale = fittedScale(asked, usable, extent);
  if (scale.k < asked) {
    std::fprintf(stderr,
                 "vargo: the windows at scale %d do not fit on the screen (%d x %d); playing at scale %d\n",
                 asked, usable->width, usable->height, scale.k);
  }
  return scale;
}

ui::Size windowsExtent(std::span<const ui::ScreenKind> kinds) {
  ui::Size extent;
  for (const ui::ScreenKind& kind : kinds) {
    const ui::WindowDef& w = kind.def->window;
    const ui::Point at = w.placement.centred ? ui::Point{} : w.placement.at;
    extent.width = std::max(extent.width, at.x + w.client.width);
    extent.height = std::max(extent.height, at.y + w.client.height);
  }
  return extent;
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
