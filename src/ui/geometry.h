// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Pixel geometry of a window's client area: origin at the top-left corner.

#include <algorithm>

namespace vargo::ui {

struct Point {
  int x = 0;
  int y = 0;
};

struct Size {
  int width = 0;
  int height = 0;
  constexpr bool operator==(const Size&) const = default;
};

struct Rect {
  int x = 0;
  int y = 0;
  int width = 0;
  int height = 0;

  constexpr int right() const { return x + width; }
  constexpr int bottom() const { return y + height; }
  constexpr bool empty() const { return width <= 0 || height <= 0; }
  constexpr bool contains(Point p) const { return p.x >= x && p.x < right() && p.y >= y && p.y < bottom(); }
  constexpr bool operator==(const Rect&) const = default;
};

constexpr Rect intersection(const Rect& a, const Rect& b) {
  const int left = std::max(a.x, b.x);
  const int top = std::max(a.y, b.y);
  const int right = std::min(a.right(), b.right());
  const int bottom = std::min(a.bottom(), b.bottom());
  return {left, top, std::max(0, right - left), std::max(0, bottom - top)};
}

constexpr Rect boundingBox(const Rect& a, const Rect& b) {
  if (a.empty())
    return b;
  if (b.empty())
    return a;
  const int left = std::min(a.x, b.x);
  const int top = std::min(a.y, b.y);
  return {left, top, std::max(a.right(), b.right()) - left, std::max(a.bottom(), b.bottom()) - top};
}

}  // namespace vargo::ui
