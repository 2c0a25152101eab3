// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What a shooting level is made of. The five levels share one screen behaviour and differ only in this data.

#include <span>
#include <string_view>

#include "ui/definition.h"

namespace vargo::levels {

// One gunman: his picture, the timer that brings him up, his hit picture and the timer that takes it down.
struct TargetSlot {
  std::string_view target;
  std::string_view showTimer;
  std::string_view hitPicture;
  std::string_view hideTimer;
  int points;
};

using Names = std::span<const std::string_view>;

struct LevelDef {
  std::string_view name;
  ui::ScreenDef screen;  // window, widgets in stacking order, timers
  std::span<const TargetSlot> slots;
  Names shownOverLeftArea;   // Image1_MouseMove: the weapon turned left
  Names shownOverRightArea;  // Image2_MouseMove: the weapon turned right
  Names shownOverSurface;    // Form_MouseMove: the weapon straight ahead ...
  Names hiddenOverSurface;   // ... and the turned weapons taken away
  std::string_view exitLabel;
  bool scoreResets;  // whether the score label has a click handler that sets it to "0"
  std::string_view completionTarget;
  int threshold;  // the score must exceed it when the completion target is hit
  std::string_view nextScreen;
  std::string_view shotSound;
  std::string_view magazine;  // the starting magazine and what a reload refills
};

// The widgets every level has.
inline constexpr std::string_view kMagazineLabel = "Label1";
inline constexpr std::string_view kScoreLabel = "Label2";
inline constexpr std::string_view kLeftArea = "Image1";
inline constexpr std::string_view kRightArea = "Image2";

// Whether every name the record uses is a widget or a timer of its own screen, and its completion target
// one of its targets. The catalogue asserts it of every level at compile time.
constexpr bool namesItsOwnWidgets(const LevelDef& level) {
  const ui::ScreenDef& s = level.screen;
  auto widgets = [&](Names names) {
    for (std::string_view name : names) {
      if (!ui::hasWidget(s, name))
        return false;
    }
    return true;
  };
  bool completes = false;
  for (const TargetSlot& slot : level.slots) {
    if (!ui::hasWidget(s, slot.target) || !ui::hasWidget(s, slot.hitPicture) ||
        !ui::hasTimer(s, slot.showTimer) || !ui::hasTimer(s, slot.hideTimer))
      return false;
    completes = completes || slot.target == level.completionTarget;
  }
  const std::string_view common[] = {kMagazineLabel, kScoreLabel, kLeftArea, kRightArea, level.exitLabel};
  return completes && widgets(common) && widgets(level.shownOverLeftArea) &&
         widgets(level.shownOverRightArea) && widgets(level.shownOverSurface) &&
         widgets(level.hiddenOverSurface);
}

}  // namespace vargo::levels
