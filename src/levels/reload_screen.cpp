// SPDX-License-Identifier: GPL-3.0-or-later
#include "levels/reload_screen.h"

#include "levels/level_catalogue.h"
#include "names/screen_names.h"
#include "ui/host.h"
#include "ui/screen.h"

namespace vargo::levels {

namespace {

constexpr std::string_view kBar = "prbEgg";
constexpr std::string_view kStatus = "Label1";
constexpr std::string_view kTimer = "Timer1";
constexpr std::string_view kReloading = "Přebíjím";

constexpr ui::WidgetDef widgets[] = {
    {.name = kBar, .kind = ui::WidgetKind::ProgressBar, .rect = {8, 32, 297, 17}},
    ui::label(kStatus, {120, 8, 73, 25}, kReloading, ui::fonts::sans12Bold),
};
constexpr ui::TimerDef timers[] = {{kTimer, 1000, false}};

}  // namespace

constexpr ui::ScreenDef reloadScreenDef{{"Form2",
                                         {312, 61},
                                         ui::Placement::centre(),
                                         ui::Colour::fromStored(0x00C0C0C0),
                                         "",
                                         ui::Pointer::LevelCursor},
                                        widgets,
                                        timers};

ReloadScreen::ReloadScreen() {
  bind(ui::form, ui::EventKind::Load, [this](ui::Host& host, ui::Screen& self) { load(host, self); });
  bind(kTimer, ui::EventKind::Timer, [this](ui::Host& host, ui::Screen& self) { tick(host, self); });
}

void ReloadScreen::load(ui::Host& host, ui::Screen& self) {
  self.startTimer(kTimer);
  for (const LevelDef& level : levelCatalogue()) {
    if (host.isVisible(level.name))
      host.setEnabled(level.name, false);
  }
  self.setValue(kBar, 0.0F);
  startedAt_.reset();
}

void ReloadScreen::tick(ui::Host& host, ui::Screen& self) {
  if (!startedAt_)
    startedAt_ = host.now();
  const float progress =
      static_cast<float>(host.now() - *startedAt_) * 100.0F / static_cast<float>(kDurationMs);
  if (progress < 100.0F) {
    self.setValue(kBar, progress);
    self.setCaption(kStatus, kReloading);
    return;
  }
  complete(host, self);
}

void ReloadScreen::complete(ui::Host& host, ui::Screen& self) {
  self.setValue(kBar, 100.0F);
  self.setCaption(kStatus, kLoaded);
  self.stopTimer(kTimer);
  for (const LevelDef& level : levelCatalogue()) {
    if (!host.isVisible(level.name))
      continue;
    host.loaded(level.name)->setCaption(kMagazineLabel, level.magazine);
    host.setEnabled(level.name, true);
    host.setVisible(level.name, true);
  }
  host.playSound("data/reload.wav");
  host.unload(names::reload);
}

// Closing the reload window from the window system finishes the reload at once, so that the level behind
// it is never left locked.
void ReloadScreen::closeRequested(std::string_view, ui::Host& host, ui::Screen& self) {
  complete(host, self);
}

}  // namespace vargo::levels
