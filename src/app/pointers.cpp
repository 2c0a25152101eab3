// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/pointers.h"

#include "media/image.h"

namespace vargo::app {

namespace {

constexpr ui::Point kCrosshairHotSpot{24, 24};  // the centre of the crosshair's ring

}  // namespace

Pointers::Pointers(platform::Platform& platform, media::Scale scale) : platform_(platform) {
  if (const media::Image cursor = media::Image::decode("cursor", scale))
    crosshair_ = platform_.createCursor(cursor.pixels(), scale.of(kCrosshairHotSpot));
}

void Pointers::show(ui::Pointer pointer) {
  if (pointer == ui::Pointer::LevelCursor && crosshair_)
    platform_.setCursor(*crosshair_);
  else if (pointer == ui::Pointer::SizeAll)
    platform_.setCursor(platform::SystemCursor::SizeAll);
  else
    platform_.setCursor(platform::SystemCursor::Arrow);
}

}  // namespace vargo::app
