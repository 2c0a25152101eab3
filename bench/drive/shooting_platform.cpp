// SPDX-License-Identifier: GPL-3.0-or-later
#include "drive/shooting_platform.h"

#include <algorithm>

#include "app/screen_kinds.h"
#include "support/level_play.h"

namespace vargo::bench {

namespace {

using Clock = ShootingPlatform::Clock;

double millisBetween(Clock::time_point from, Clock::time_point to) {
  return std::chrono::duration<double, std::milli>(to - from).count();
}

// The game's clock counts whole milliseconds of the same steady clock.
Clock::time_point asTimePoint(ui::Millis ms) {
  return Clock::time_point(std::chrono::milliseconds(ms));
}

ui::Millis gameMillis(Clock::time_point t) {
  return static_cast<ui::Millis>(
      std::chrono::duration_cast<std::chrono::milliseconds>(t.time_since_epoch()).count());
}

std::uint32_t millisUntil(Clock::time_point from, Clock::time_point to) {
  if (to <= from)
    return 0;
  return static_cast<std::uint32_t>(std::chrono::ceil<std::chrono::milliseconds>(to - from).count());
}

}  // namespace

ShootingPlatform::ShootingPlatform(platform::Platform& inner, const levels::LevelDef& level,
                                   Clock::duration runFor, Clock::duration shotPeriod)
    : ForwardingPlatform(inner),
      level_(level),
      end_(Clock::now() + runFor),
      shotPeriod_(shotPeriod),
      nextShot_(Clock::now() + shotPeriod) {}

int ShootingPlatform::recordDueTicks(Clock::time_point now) {
  int due = 0;
  for (const ui::ScreenKind& kind : app::screenKinds()) {
    const ui::Screen* screen = registry_->loaded(kind.name);
    if (screen == nullptr)
      continue;
    for (const ui::Timer& t : screen->timers()) {
      if (t.running() && t.interval() > 0 && t.deadline() <= gameMillis(now)) {
        latenessMs_.push_back(millisBetween(asTimePoint(t.deadline()), now));
        ++due;
      }
    }
  }
  return due;
}

platform::InputEvent ShootingPlatform::shoot() {
  const platform::WindowId window = registry_->windowOf(level_.name).value_or(0);
  ui::Point at = test::surfaceOf(level_.screen);
  if (const ui::Screen* screen = registry_->loaded(level_.name)) {
    auto up = std::ranges::find_if(level_.slots, [&](const levels::TargetSlot& slot) {
      return slot.target != level_.completionTarget && screen->isVisible(slot.target);
    });
    if (up != level_.slots.end())
      at = test::centreOf(test::widgetOf(level_.screen, up->target).rect);
  }
  pending_.push_back(platform::MouseButton{window, at, false});
  return platform::MouseButton{window, at, true};
}

std::optional<platform::InputEvent> ShootingPlatform::waitEvent(std::optional<std::uint32_t> timeoutMs) {
  const Clock::time_point entered = Clock::now();
  if (shotDelivered_) {
    shotMs_.push_back(millisBetween(*shotDelivered_, entered));
    shotPresentMs_.push_back(std::chrono::duration<double, std::milli>(shotPresenting_).count());
    shotDelivered_.reset();
    shotPresenting_ = {};
  }
  if (!pending_.empty()) {
    const platform::InputEvent release = pending_.front();
    pending_.pop_front();
    shotDelivered_ = Clock::now();
    return release;
  }
  if (entered >= end_)
    return platform::QuitRequest{};

  const std::uint32_t untilShot = millisUntil(entered, nextShot_);
  const bool shotFirst = !timeoutMs || untilShot <= *timeoutMs;
  auto event = inner().waitEvent(shotFirst ? untilShot : *timeoutMs);
  const Clock::time_point woke = Clock::now();
  const int due = recordDueTicks(woke);
  if (event) {
    ++waits_.input;
    return event;
  }
  if (due > 0)
    ++waits_.timers;
  if (shotFirst) {
    ++waits_.shots;
    nextShot_ += shotPeriod_;
    return shoot();
  }
  if (due == 0)
    ++waits_.spurious;
  return std::nullopt;
}

void ShootingPlatform::present(platform::WindowId window, std::span<const ui::Rect> areas) {
  const Clock::time_point start = Clock::now();
  ForwardingPlatform::present(window, areas);
  if (shotDelivered_)
    shotPresenting_ += Clock::now() - start;
}

}  // namespace vargo::bench
