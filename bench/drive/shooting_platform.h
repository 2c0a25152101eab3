// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The real window system with a player added: every shot period it clicks a target that is up on the level
// (never the one that would end it), or the bare surface when none is. It watches the event wait: how
// late each timer tick is against its deadline, why the loop woke, and how long a shot takes from its
// event to the next wait (handler, ticks, repaint and present). After `runFor` it asks the game to quit.

#include <chrono>
#include <deque>
#include <optional>
#include <vector>

#include "app/screen_registry.h"
#include "drive/forwarding_platform.h"
#include "levels/level_def.h"

namespace vargo::bench {

struct WaitCounts {
  long input = 0;     // an event of the window system
  long shots = 0;     // the made-up player's clicks
  long timers = 0;    // the wait ran out with ticks due
  long spurious = 0;  // woke with nothing to do
};

class ShootingPlatform final : public ForwardingPlatform {
 public:
  using Clock = std::chrono::steady_clock;

  ShootingPlatform(platform::Platform& inner, const levels::LevelDef& level, Clock::duration runFor,
                   Clock::duration shotPeriod);
  void attach(app::ScreenRegistry& registry) { registry_ = &registry; }

  std::optional<platform::InputEvent> waitEvent(std::optional<std::uint32_t> timeoutMs) override;
  void present(platform::WindowId window, std::span<const ui::Rect> areas) override;

  const std::vector<double>& latenessMs() const { return latenessMs_; }
  const std::vector<double>& shotMs() const { return shotMs_; }
  // Of each shot's time, what the window system took to present the repainted areas.
  const std::vector<double>& shotPresentMs() const { return shotPresentMs_; }
  const WaitCounts& waits() const { return waits_; }

 private:
  int recordDueTicks(Clock::time_point now);
  platform::InputEvent shoot();

  const levels::LevelDef& level_;
  app::ScreenRegistry* registry_ = nullptr;
  Clock::time_point end_;
  Clock::duration shotPeriod_;
  Clock::time_point nextShot_;
  std::deque<platform::InputEvent> pending_;
  std::optional<Clock::time_point> shotDelivered_;
  Clock::duration shotPresenting_{};
  std::vector<double> latenessMs_;
  std::vector<double> shotMs_;
  std::vector<double> shotPresentMs_;
  WaitCounts waits_;
};

}  // namespace vargo::bench
