// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/screen_ahead.h"

#include <SDL.h>

#include <algorithm>
#include <exception>
#include <stdexcept>
#include <string>
#include <system_error>
#include <utility>

#include "app/screen_kinds.h"
#include "media/background_priority.h"
#include "media/font_match.h"

namespace vargo::app {

namespace {

const ui::ScreenDef& definitionOf(std::string_view kind) {
  const auto kinds = screenKinds();
  const auto it =
      std::find_if(kinds.begin(), kinds.end(), [&](const ui::ScreenKind& k) { return k.name == kind; });
  if (it == kinds.end())
    throw std::logic_error("no screen kind " + std::string(kind));
  return *it->def;
}

}  // namespace

ScreenAhead::ScreenAhead(std::string_view kind, media::Scale scale, const ui::Translation& translation)
    : def_(definitionOf(kind)), scale_(scale), translation_(translation) {
  // SDL fills in the table of its entry points at the first call to any of them, and its other callers
  // read it without a lock: that call is made here, before a second thread calls SDL.
  SDL_version linked;
  SDL_GetVersion(&linked);
  try {
    thread_ = std::thread([this] {
      media::yieldToForeground();
      read();
    });
  } catch (const std::system_error&) {
    read();
  }
}

ScreenAhead::~ScreenAhead() {
  if (thread_.joinable())
    thread_.join();
}

std::optional<media::ScreenPictures> ScreenAhead::take() {
  if (thread_.joinable())
    thread_.join();
  return std::exchange(pictures_, std::nullopt);
}

// Whatever fails here (memory, a file) is met again, and said, when the screen loads without these.
void ScreenAhead::read() noexcept {
  try {
    pictures_ = media::ScreenPictures::decode(def_, scale_, translation_);
    for (const ui::WidgetDef& w : def_.widgets) {
      if (w.kind == ui::WidgetKind::Label)
        media::installedFont(w.font.face, w.font.bold());
    }
  } catch (const std::exception&) {
    pictures_.reset();
  }
}

}  // namespace vargo::app
