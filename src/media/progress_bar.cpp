// SPDX-License-Identifier: GPL-3.0-or-later
#include "media/progress_bar.h"

#include <algorithm>
#include <cmath>

#include "media/canvas.h"
#include "ui/colour.h"

namespace vargo::media {

namespace {

constexpr int kFrameAndMargin = 2;
constexpr int kBlockGap = 2;

float clampedPercent(float value) {
  return std::isnan(value) ? 0.0F : std::clamp(value, 0.0F, 100.0F);
}

}  // namespace

ProgressBarLayout ProgressBarLayout::of(const ui::Rect& rect, float value) {
  const ui::Rect track{rect.x + kFrameAndMargin, rect.y + kFrameAndMargin,
                       std::max(0, rect.width - 2 * kFrameAndMargin),
                       std::max(0, rect.height - 2 * kFrameAndMargin)};
  const int filled = static_cast<int>(std::lround(clampedPercent(value) / 100.0F * track.width));
  return {track, std::max(1, track.height * 2 / 3), kBlockGap, filled};
}

void drawProgressBar(SDL_Surface* canvas, const ui::Rect& rect, float value, Scale scale) {
  fill(canvas, scale.of(rect), ui::palette::buttonFace);
  frame(canvas, scale.of(rect), ui::palette::shadow, ui::palette::lightEdge, scale.k);
  const ProgressBarLayout bar = ProgressBarLayout::of(rect, value);
  const int end = bar.track.x + bar.filledWidth;
  for (int x = bar.track.x; x < end; x += bar.blockWidth + bar.blockGap) {
    const int width = std::min(bar.blockWidth, bar.track.right() - x);
    fill(canvas, scale.of(ui::Rect{x, bar.track.y, width, bar.track.height}), ui::palette::highlight);
  }
}

}  // namespace vargo::media
