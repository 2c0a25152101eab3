// SPDX-License-Identifier: GPL-3.0-or-later
#include "levels/level_screen.h"

#include "names/screen_names.h"
#include "ui/counter.h"
#include "ui/host.h"
#include "ui/screen.h"

namespace vargo::levels {

namespace {

using ui::EventKind;

void setAll(ui::Screen& self, Names pictures, bool visible) {
  for (std::string_view p : pictures)
    self.setVisible(p, visible);
}

}  // namespace

LevelScreen::LevelScreen(const LevelDef& level) : level_(level) {
  const auto miss = [this](ui::Host& host, ui::Screen& self) { shot(host, self, nullptr); };
  bind(ui::form, EventKind::Click, miss);
  bind(kLeftArea, EventKind::Click, miss);
  bind(kRightArea, EventKind::Click, miss);

  for (const TargetSlot& slot : level.slots) {
    bind(slot.target, EventKind::Click,
         [this, &slot](ui::Host& host, ui::Screen& self) { shot(host, self, &slot); });
    bind(slot.showTimer, EventKind::Timer, [&slot](ui::Host&, ui::Screen& self) {
      self.setVisible(slot.target, true);
      self.stopTimer(slot.showTimer);
    });
    bind(slot.hideTimer, EventKind::Timer, [&slot](ui::Host&, ui::Screen& self) {
      self.setVisible(slot.hitPicture, false);
      self.stopTimer(slot.hideTimer);
    });
  }

  bind(ui::form, EventKind::MouseMove, [&level](ui::Host&, ui::Screen& self) {
    setAll(self, level.shownOverSurface, true);
    setAll(self, level.hiddenOverSurface, false);
  });
  bind(kLeftArea, EventKind::MouseMove,
       [&level](ui::Host&, ui::Screen& self) { setAll(self, level.shownOverLeftArea, true); });
  bind(kRightArea, EventKind::MouseMove,
       [&level](ui::Host&, ui::Screen& self) { setAll(self, level.shownOverRightArea, true); });

  bind(level.exitLabel, EventKind::Click, [](ui::Host& host, ui::Screen&) { host.endProgram(); });
  if (level.scoreResets) {
    bind(kScoreLabel, EventKind::Click,
         [](ui::Host&, ui::Screen& self) { self.setCaption(kScoreLabel, "0"); });
  }
}

void LevelScreen::shot(ui::Host& host, ui::Screen& self, const TargetSlot* hit) const {
  const int cartridges = ui::readCounter(self.caption(kMagazineLabel));
  // Empty only while the reload of an earlier level still runs behind this one: no cartridge, no shot.
  if (cartridges < 1)
    return;
  if (cartridges < 2)
    host.show(names::reload);
  self.setCaption(kMagazineLabel, ui::counterText(cartridges - 1));
  if (hit != nullptr)
    score(host, self, *hit);
  host.playSound(level_.shotSound);
}

void LevelScreen::score(ui::Host& host, ui::Screen& self, const TargetSlot& hit) const {
  self.setCaption(kScoreLabel, ui::counterText(ui::readCounter(self.caption(kScoreLabel)) + hit.points));
  self.setVisible(hit.target, false);
  self.startTimer(hit.showTimer);
  self.setVisible(hit.hitPicture, true);
  self.startTimer(hit.hideTimer);
  if (hit.target == level_.completionTarget &&
      ui::readCounter(self.caption(kScoreLabel)) > level_.threshold) {
    host.show(level_.nextScreen);
    host.unload(level_.name);
  }
}

}  // namespace vargo::levels
