// SPDX-License-Identifier: GPL-3.0-or-later
#include "media/painter.h"

#include <SDL.h>

#include <stdexcept>
#include <string>
#include <utility>

#include "media/canvas.h"
#include "media/progress_bar.h"

namespace vargo::media {

namespace {

constexpr Uint32 kOpaque = 0xFF000000;

bool fullyOpaque(const Image& image) {
  const platform::Pixels p = image.pixels();
  for (int y = 0; y < p.height; ++y) {
    for (int x = 0; x < p.width; ++x) {
      if ((p.at(x, y) & kOpaque) != kOpaque)
        return false;
    }
  }
  return true;
}

}  // namespace

Picture Picture::decode(std::string_view name, Scale scale) {
  Picture p{Image::decode(name, scale)};
  if (p.image) {
    p.opaque = fullyOpaque(p.image);
    SDL_SetSurfaceBlendMode(p.image.surface(), SDL_BLENDMODE_BLEND);
  }
  return p;
}

void Picture::draw(SDL_Surface* canvas, ui::Size part, ui::Point at) const {
  if (opaque)
    copy(canvas, image.surface(), part, at);
  else
    blend(canvas, image.surface(), part, at);
}

ScreenPictures ScreenPictures::decode(const ui::ScreenDef& def, Scale scale,
                                      const ui::Translation& translation) {
  ScreenPictures pictures{scale, Picture::decode(translation.picture(def.window.picture), scale), {}};
  pictures.widgets.reserve(def.widgets.size());
  for (const ui::WidgetDef& w : def.widgets) {
    pictures.widgets.push_back(w.kind == ui::WidgetKind::Picture
                                   ? Picture::decode(translation.picture(w.picture), scale)
                                   : Picture{});
  }
  return pictures;
}

ScreenPainter::ScreenPainter(const ui::ScreenDef& def, Fonts& fonts, ScreenPictures pictures)
    : fonts_(fonts), pictures_(std::move(pictures)), labels_(def.widgets.size()) {}

void ScreenPainter::paint(platform::Canvas canvas, const ui::Screen& screen,
                          std::span<const ui::Rect> areas) {
  if (!canvas_ || canvas_->pixels != canvas.data) {
    canvas_ = sdl::wrap(canvas);
    if (!canvas_)
      throw std::runtime_error(std::string("cannot paint in a window: ") + SDL_GetError());
  }
  for (const ui::Rect& area : areas)
    paintArea(screen, area);
  SDL_SetClipRect(canvas_.get(), nullptr);
}

void ScreenPainter::paintArea(const ui::Screen& screen, const ui::Rect& area) {
  clipTo(canvas_.get(), scale().of(area));
  const ui::Size client = scale().of(screen.def().window.client);
  fillBeyond(canvas_.get(), {0, 0, client.width, client.height}, pictures_.background.covers(),
             screen.def().window.background);
  if (pictures_.background.image)
    pictures_.background.draw(canvas_.get(), pictures_.background.image.size(), {0, 0});
  const auto& order = screen.stacking();
  for (auto it = order.rbegin(); it != order.rend(); ++it) {
    const ui::Widget& w = screen.widgets()[*it];
    if (w.visible && !intersection(w.def->rect, area).empty())
      paintWidget(w, *it, area);
  }
}

void ScreenPainter::paintWidget(const ui::Widget& widget, std::size_t index, const ui::Rect& area) {
  switch (widget.def->kind) {
    case ui::WidgetKind::Picture:
      paintPicture(widget, index);
      break;
    case ui::WidgetKind::Label:
      labels_[index].draw(canvas_.get(), widget, fonts_, area, scale());
      break;
    case ui::WidgetKind::ProgressBar:
      drawProgressBar(canvas_.get(), widget.def->rect, widget.value, scale());
      break;
    case ui::WidgetKind::ImageArea:
      break;
  }
}

// The background colour, then the picture at natural size from the top-left corner, clipped to the
// rectangle; a bordered picture starts one logical pixel in, inside its frame.
void ScreenPainter::paintPicture(const ui::Widget& widget, std::size_t index) {
  const ui::WidgetDef& def = *widget.def;
  const ui::Rect rect = scale().of(def.rect);
  const int inset = def.border ? scale().k : 0;
  if (def.border)
    frame(canvas_.get(), rect, ui::palette::windowFrame, ui::palette::windowFrame, inset);
  const ui::Rect inner{rect.x + inset, rect.y + inset, rect.width - 2 * inset, rect.height - 2 * inset};
  const Picture& picture = pictures_.widgets[index];
  fillBeyond(canvas_.get(), inner, picture.covers(), def.background);
  if (picture.image)
    picture.draw(canvas_.get(), {inner.width, inner.height}, {inner.x, inner.y});
}

}  // namespace vargo::media
