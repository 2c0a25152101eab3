// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// nabíjení: the small reload window that stands over a level while its magazine is refilled.

#include <optional>
#include <string_view>

#include "ui/behaviour.h"
#include "ui/clock.h"
#include "ui/definition.h"

namespace vargo::levels {

extern const ui::ScreenDef reloadScreenDef;

class ReloadScreen final : public ui::Behaviour {
 public:
  // The reload lasts this long, measured from the first tick of Timer1.
  static constexpr ui::Millis kDurationMs = 1000;
  // The status line once the magazine is full; the line while reloading is in the screen's table.
  static constexpr std::string_view kLoaded = "Nabito";

  ReloadScreen();
  void closeRequested(std::string_view kind, ui::Host& host, ui::Screen& self) override;

 private:
  void load(ui::Host& host, ui::Screen& self);
  void tick(ui::Host& host, ui::Screen& self);
  void complete(ui::Host& host, ui::Screen& self);

  // When the measurement began, on the monotonic clock; empty until the first tick. A screen-scope
  // variable: it outlives unloads, and every load clears it.
  std::optional<ui::Millis> startedAt_;
};

}  // namespace vargo::levels
