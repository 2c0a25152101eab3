// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A screen's pictures decoded and its fonts looked up on a thread of their own, while the main thread
// starts the window system: neither needs a window, so on a second core they cost the start nothing.
// Where no thread can be started they are read at once. Start it after platform::prepareForThreads().

#include <optional>
#include <string_view>
#include <thread>

#include "media/painter.h"
#include "media/scale.h"
#include "ui/definition.h"
#include "ui/translation.h"

namespace vargo::app {

class ScreenAhead {
 public:
  // Starts reading the pictures of the screen kind at the scale, and looking up the fonts of its labels.
  ScreenAhead(std::string_view kind, media::Scale scale, const ui::Translation& translation);
  ~ScreenAhead();
  ScreenAhead(const ScreenAhead&) = delete;
  ScreenAhead& operator=(const ScreenAhead&) = delete;

  // Waits until the reading is done and gives the pictures; nothing if it failed. Call it before anything
  // else decodes a picture or looks up a font: the libraries that do both are not made for two threads.
  std::optional<media::ScreenPictures> take();

 private:
  void read() noexcept;

  const ui::ScreenDef& def_;
  media::Scale scale_;
  const ui::Translation& translation_;
  std::optional<media::ScreenPictures> pictures_;
  std::thread thread_;  // last: it starts once everything it uses is made
};

}  // namespace vargo::app
