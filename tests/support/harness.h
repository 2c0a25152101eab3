// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Plays the game through the headless window system: clicks and pointer moves at pixel positions of a
// screen's window, a manual clock, and a record of the sounds asked for.

#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "app/screen_registry.h"
#include "media/sound.h"
#include "platform/headless/headless_platform.h"
#include "ui/clock.h"

namespace vargo::test {

// Records every sound asked for; throws `fault` after recording when one is set, as a broken device would.
class RecordingSound final : public media::SoundPlayer {
 public:
  void playSound(std::string_view fileName) override {
    played.emplace_back(fileName);
    if (fault)
      fault();
  }
  std::vector<std::string> played;
  std::function<void()> fault;
};

class Harness {
 public:
  // Clicks and moves are at device pixels of the windows, k times the logical ones at scale k.
  // The screens show the translation's texts and pictures.
  explicit Harness(media::Scale scale = {}, const ui::Translation& translation = {});

  void show(std::string_view kind) { registry.show(kind); }
  void click(std::string_view kind, int x, int y);
  void press(std::string_view kind, int x, int y, bool down);
  void move(std::string_view kind, int x, int y);
  void close(std::string_view kind);
  // Lets time pass, delivering every tick at its deadline.
  void advance(ui::Millis ms);

  ui::Screen& screen(std::string_view kind);
  bool loaded(std::string_view kind) { return registry.loaded(kind) != nullptr; }
  std::string caption(std::string_view kind, std::string_view widget) { return screen(kind).caption(widget); }
  bool visible(std::string_view kind, std::string_view widget) { return screen(kind).isVisible(widget); }
  // The kinds whose screens are loaded, in the registry's order.
  std::vector<std::string> loadedKinds();
  // The loaded kind whose window is in front.
  std::string front();

  platform::HeadlessPlatform platform;
  ui::ManualClock clock;
  RecordingSound sound;
  app::ScreenRegistry registry;

 private:
  platform::WindowId window(std::string_view kind);
  void deliver(const platform::InputEvent& event);
};

}  // namespace vargo::test
