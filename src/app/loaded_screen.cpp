// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/loaded_screen.h"

#include <string>
#include <utility>
#include <vector>

#include "media/image.h"

namespace vargo::app {

namespace {

// A window's place follows the same rules in desktop pixels divided by k: centred, or k times its place.
platform::WindowSpec windowSpec(const ui::WindowDef& w, media::Scale scale) {
  platform::WindowSpec spec{std::string(w.title), scale.of(w.client), std::nullopt};
  if (!w.placement.centred)
    spec.position = scale.of(w.placement.at);
  return spec;
}

}  // namespace

LoadedScreen::LoadedScreen(const ui::ScreenDef& def, const ui::Clock& clock, platform::Platform& platform,
                           media::Scale scale, const ui::Translation& translation,
                           std::optional<media::ScreenPictures> decoded)
    : platform_(platform),
      scale_(scale),
      screen_(def, clock, translation),
      window_(platform.openWindow(windowSpec(def.window, scale))),
      decoded_(std::move(decoded)) {
  if (!def.window.icon.empty()) {
    if (const media::Image icon = media::Image::decode(def.window.icon, scale))
      platform.setWindowIcon(window_, icon.pixels());
  }
}

std::optional<ui::Event> LoadedScreen::button(ui::Point at, bool pressed) {
  return input_.button(screen_, at, pressed);
}

std::optional<ui::Event> LoadedScreen::move(ui::Point at) const {
  return input_.move(screen_, at);
}

void LoadedScreen::setEnabled(bool enabled) {
  screen_.setEnabled(enabled);
  if (!enabled)
    input_.cancel();
}

void LoadedScreen::present(media::Fonts& fonts) {
  std::vector<ui::Rect> dirty = screen_.takeDirty();
  if (dirty.empty())
    return;
  const platform::Canvas canvas = platform_.canvas(window_);
  if (canvas.fresh)
    dirty = {ui::clientArea(screen_.def())};
  if (!painter_) {
    const bool ready = decoded_ && decoded_->scale.k == scale_.k;
    painter_.emplace(screen_.def(), fonts,
                     ready ? std::move(*decoded_)
                           : media::ScreenPictures::decode(screen_.def(), scale_, screen_.translation()));
    decoded_.reset();
  }
  painter_->paint(canvas, screen_, dirty);
  std::vector<ui::Rect> device;
  device.reserve(dirty.size());
  for (const ui::Rect& r : dirty)
    device.push_back(scale_.of(r));
  platform_.present(window_, device);
}

}  // namespace vargo::app
