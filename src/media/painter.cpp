#include "media/painter.h"

#include <SDL.h>

namespace vargo::media {

namespace {

Uint32 mapColour(const SDL_Surface* s, ui::Colour c) {
  return SDL_MapRGB(s->format, c.red, c.green, c.blue);
}

SDL_Rect toSdl(const ui::Rect& r) {
  return {r.x, r.y, r.width, r.height};
}

}  // namespace

ScreenPainter::ScreenPainter(const ui::ScreenDef& def, Fonts& fonts)
    : fonts_(fonts),
      canvas_(SDL_CreateRGBSurfaceWithFormat(0, def.window.client.width, def.window.client.height, 32,
                                             SDL_PIXELFORMAT_ARGB8888)),
      background_(Image::decode(def.window.picture)) {
  pictures_.reserve(def.widgets.size());
  for (const ui::WidgetDef& w : def.widgets) {
    pictures_.push_back(w.kind == ui::WidgetKind::Picture ? Image::decode(w.picture) : Image{});
  }
}

ScreenPainter::~ScreenPainter() {
  SDL_FreeSurface(canvas_);
}

platform::Pixels ScreenPainter::pixels() const {
  return {static_cast<const std::uint32_t*>(canvas_->pixels), canvas_->w, canvas_->h, canvas_->pitch / 4};
}

void ScreenPainter::paint(const ui::Screen& screen, std::span<const ui::Rect> areas) {
  for (const ui::Rect& area : areas)
    paintArea(screen, area);
  SDL_SetClipRect(canvas_, nullptr);
}

void ScreenPainter::paintArea(const ui::Screen& screen, const ui::Rect& area) {
  const SDL_Rect clip = toSdl(area);
  SDL_SetClipRect(canvas_, &clip);
  SDL_FillRect(canvas_, &clip, mapColour(canvas_, screen.def().window.background));
  if (background_)
    SDL_BlitSurface(background_.surface(), nullptr, canvas_, nullptr);
  const auto& order = screen.stacking();
  for (auto it = order.rbegin(); it != order.rend(); ++it) {
    const ui::Widget& w = screen.widgets()[*it];
    if (!w.visible || intersection(w.def->rect, area).empty())
      continue;
    if (w.def->kind == ui::WidgetKind::Picture)
      paintPicture(w, *it);
  }
}

void ScreenPainter::paintPicture(const ui::Widget& widget, std::size_t index) {
  const ui::WidgetDef& def = *widget.def;
  SDL_Rect rect = toSdl(def.rect);
  SDL_FillRect(canvas_, &rect, mapColour(canvas_, def.background));
  const Image& image = pictures_[index];
  if (!image)
    return;
  SDL_Rect source{0, 0, def.rect.width, def.rect.height};
  SDL_Rect target = rect;
  SDL_BlitSurface(image.surface(), &source, canvas_, &target);
}

}  // namespace vargo::media
