#pragma once
// Pixel primitives on an SDL surface, in the game's own rectangles and colours. All of them respect the
// surface's clip rectangle.

#include "ui/colour.h"
#include "ui/geometry.h"

struct SDL_Surface;

namespace vargo::media {

void fill(SDL_Surface* canvas, const ui::Rect& rect, ui::Colour colour);
// A one-pixel frame just inside rect: top and left edges in one colour, bottom and right in the other.
void frame(SDL_Surface* canvas, const ui::Rect& rect, ui::Colour topLeft, ui::Colour bottomRight);
// Restricts drawing to rect (an empty rect allows nothing).
void clipTo(SDL_Surface* canvas, const ui::Rect& rect);

}  // namespace vargo::media
