// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The whole factor between the game's logical pixels, in which every screen is laid out, and the device
// pixels it is drawn in: windows, pictures, text and pointers are k times their logical size.

#include "ui/geometry.h"

namespace vargo::media {

struct Scale {
  static constexpr int kMin = 1;
  static constexpr int kMax = 4;

  int k = 1;

  constexpr int of(int length) const { return length * k; }
  constexpr ui::Point of(ui::Point p) const { return {p.x * k, p.y * k}; }
  constexpr ui::Size of(ui::Size s) const { return {s.width * k, s.height * k}; }
  constexpr ui::Rect of(const ui::Rect& r) const { return {r.x * k, r.y * k, r.width * k, r.height * k}; }
  // The logical pixel that holds a device pixel.
  constexpr ui::Point logical(ui::Point device) const { return {floorDiv(device.x), floorDiv(device.y)}; }

 private:
  constexpr int floorDiv(int v) const { return v >= 0 ? v / k : -((-v + k - 1) / k); }
};

}  // namespace vargo::media
