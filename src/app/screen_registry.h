// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The registry of the sixteen screens: one slot per kind, filled by the kind's first show and never emptied.
// It loads and unloads screens, delivers mouse input and timer ticks to their handlers, paints what changed
// and ends the program when the last loaded screen is gone. Screens are laid out in logical pixels; the
// windows, their pixels and the mouse are in device pixels, k times as many.

#include <memory>
#include <optional>
#include <span>
#include <string_view>
#include <vector>

#include "app/loaded_screen.h"
#include "app/pointers.h"
#include "media/fonts.h"
#include "media/scale.h"
#include "media/sound.h"
#include "platform/platform.h"
#include "ui/host.h"
#include "ui/screen.h"
#include "ui/screen_kind.h"

namespace vargo::app {

class ScreenRegistry final : public ui::Host {
 public:
  ScreenRegistry(std::span<const ui::ScreenKind> kinds, platform::Platform& platform,
                 media::SoundPlayer& sound, const ui::Clock& clock, media::Scale scale = {},
                 const ui::Translation& translation = {});
  ~ScreenRegistry() override;

  // ui::Host
  void show(std::string_view kind) override;
  void unload(std::string_view kind) override;
  void endProgram() override;
  bool isVisible(std::string_view kind) const override;
  void setEnabled(std::string_view kind, bool enabled) override;
  void setVisible(std::string_view kind, bool visible) override;
  ui::Screen* loaded(std::string_view kind) override;
  void playSound(std::string_view fileName) override;
  void messageBox(std::string_view title, std::string_view text) override;
  ui::Millis now() const override { return clock_.now(); }

  // The pictures of `kind`, decoded beforehand, for its next load to paint.
  void giveDecoded(std::string_view kind, media::ScreenPictures pictures);
  bool ended() const { return ended_; }
  media::Scale scale() const { return scale_; }
  // One input event from the window system.
  void handle(const platform::InputEvent& event);
  // The earliest deadline of a running timer of any loaded screen.
  std::optional<ui::Millis> nextDeadline() const;
  // Delivers every tick that is due now, earliest first.
  void fireDueTimers();
  // For a manual clock, the one this registry runs on (tests, tools, benchmarks): lets time pass to
  // `until`, setting the clock to each deadline on the way so that every tick fires at its own time, then
  // presents.
  void runUntil(ui::ManualClock& clock, ui::Millis until);
  // Paints and presents every changed area of every loaded screen.
  void present();

  // For tests and tools: how many instances exist, and the window of a loaded screen.
  int instanceCount() const;
  std::optional<platform::WindowId> windowOf(std::string_view kind) const;

 private:
  struct Slot {
    const ui::ScreenKind* kind;
    std::unique_ptr<ui::Behaviour> behaviour;  // the instance; made by the first show
    std::unique_ptr<LoadedScreen> loaded;
    std::optional<media::ScreenPictures> decoded;  // for the next load
    bool visible = false;
  };

  Slot& slot(std::string_view kind);
  const Slot& slot(std::string_view kind) const;
  Slot* slotOfWindow(platform::WindowId window);
  void load(Slot& slot);
  void run(Slot& slot, const ui::Event& event);
  // One input event, by its kind.
  void on(const platform::MouseButton& button);
  void on(const platform::MouseMove& move);
  void on(const platform::CloseRequest& request);
  void on(const platform::QuitRequest& request);
  void on(const platform::Exposed& exposed);
  void updatePointer();
  std::vector<ui::Screen*> loadedScreens() const;
  void closeAll();
  void afterDispatch();

  platform::Platform& platform_;
  media::SoundPlayer& sound_;
  const ui::Clock& clock_;
  media::Scale scale_;
  ui::Translation translation_;  // the language of every screen's texts and pictures
  media::Fonts fonts_;
  Pointers pointers_;
  std::vector<Slot> slots_;
  std::vector<std::unique_ptr<LoadedScreen>> unloaded_;  // kept until the running handler has returned
  std::vector<platform::WindowId> raises_;               // shown since the last present, in order
  std::optional<platform::MouseMove> lastMouse_;         // in logical pixels
  int running_ = 0;                                      // handlers running, one inside another
  bool ended_ = false;
};

}  // namespace vargo::app
