// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A horizontal progress bar in the classic desktop look: a sunken one-pixel frame over the button face,
// and a row of highlight-coloured blocks that fills value percent of the inside from the left.

#include "media/scale.h"
#include "ui/geometry.h"

struct SDL_Surface;

namespace vargo::media {

struct ProgressBarLayout {
  ui::Rect track;  // where blocks may stand: inside the frame and a one-pixel margin
  int blockWidth;  // two thirds of the track's height, as the classic control draws them
  int blockGap;
  int filledWidth;  // the part of the track that value covers

  static ProgressBarLayout of(const ui::Rect& rect, float value);
};

// Draws the bar laid out at its logical rect, k times its size.
void drawProgressBar(SDL_Surface* canvas, const ui::Rect& rect, float value, Scale scale = {});

}  // namespace vargo::media
