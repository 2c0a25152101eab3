// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Pixel primitives on 32-bit ARGB surfaces, in the game's own rectangles and colours. All of them keep to
// the canvas's clip rectangle.
//
// Filling and copying are plain row loops: SDL's own fill and copy write with non-temporal stores, which
// bypass the cache and are many times slower for the small areas a repaint touches again and again.

#include <cstdint>
#include <vector>

#include "ui/colour.h"
#include "ui/geometry.h"

struct SDL_Surface;

namespace vargo::media {

// How much of one colour each pixel of a rectangle takes, 0 to 255: rendered text, a quarter of the
// memory of its ARGB pixels.
struct Coverage {
  ui::Size size;
  std::vector<std::uint8_t> alpha;  // rows of size.width

  // The alpha channel of 32-bit ARGB pixels.
  static Coverage of(const SDL_Surface* argb);
};

void fill(SDL_Surface* canvas, const ui::Rect& rect, ui::Colour colour);
// Fills only what an opaque picture of size `covered` at rect's top-left corner leaves of rect: the strips
// at the right and at the bottom, so that nothing is painted twice.
void fillBeyond(SDL_Surface* canvas, const ui::Rect& rect, ui::Size covered, ui::Colour colour);
// A frame `thickness` pixels wide just inside rect: top and left edges in one colour, bottom and right in
// the other.
void frame(SDL_Surface* canvas, const ui::Rect& rect, ui::Colour topLeft, ui::Colour bottomRight,
           int thickness = 1);
// Copies the top-left `part` of an opaque picture to `at`, replacing what was there.
void copy(SDL_Surface* canvas, const SDL_Surface* picture, ui::Size part, ui::Point at);
// Blends the top-left `part` of a picture with transparent pixels over what is there, to `at`.
void blend(SDL_Surface* canvas, SDL_Surface* picture, ui::Size part, ui::Point at);
// Blends the colour over what is there at `at`, as much as the coverage says.
void blend(SDL_Surface* canvas, const Coverage& coverage, ui::Colour colour, ui::Point at);
// Restricts drawing to rect (an empty rect allows nothing).
void clipTo(SDL_Surface* canvas, const ui::Rect& rect);

}  // namespace vargo::media
