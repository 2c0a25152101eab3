#include "media/canvas.h"

#include <SDL.h>

namespace vargo::media {

void fill(SDL_Surface* canvas, const ui::Rect& rect, ui::Colour colour) {
  const SDL_Rect r{rect.x, rect.y, rect.width, rect.height};
  SDL_FillRect(canvas, &r, SDL_MapRGB(canvas->format, colour.red, colour.green, colour.blue));
}

void frame(SDL_Surface* canvas, const ui::Rect& rect, ui::Colour topLeft, ui::Colour bottomRight) {
  if (rect.empty())
    return;
  fill(canvas, {rect.x, rect.y, rect.width, 1}, topLeft);
  fill(canvas, {rect.x, rect.y, 1, rect.height}, topLeft);
  fill(canvas, {rect.x, rect.bottom() - 1, rect.width, 1}, bottomRight);
  fill(canvas, {rect.right() - 1, rect.y, 1, rect.height}, bottomRight);
}

void clipTo(SDL_Surface* canvas, const ui::Rect& rect) {
  const SDL_Rect r{rect.x, rect.y, rect.width, rect.height};
  SDL_SetClipRect(canvas, &r);
}

}  // namespace vargo::media
