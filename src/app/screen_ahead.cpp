// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/screen_ahead.h"

#include <exception>
#include <system_error>
#include <utility>

#include "app/screen_kinds.h"
#include "media/background_priority.h"
#include "media/font_match.h"

namespace vargo::app {

ScreenAhead::ScreenAhead(std::string_view kind, media::Scale scale, const ui::Translation& translation)
    : def_(*screenKind(kind).def), scale_(scale), translation_(translation) {
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
