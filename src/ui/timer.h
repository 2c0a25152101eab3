// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A screen's timer: an interval and a running flag. Starting it begins a fresh full interval.

#include <cstdint>
#include <string_view>

#include "ui/clock.h"

namespace vargo::ui {

class Timer {
 public:
  Timer(std::string_view name, std::uint32_t intervalMs) : name_(name), interval_(intervalMs) {}

  std::string_view name() const { return name_; }
  std::uint32_t interval() const { return interval_; }
  bool running() const { return running_; }
  Millis deadline() const { return deadline_; }

  void start(Millis now) {
    running_ = true;
    deadline_ = now + interval_;
  }
  void stop() { running_ = false; }
  // Called when the timer has ticked and is still running: the next tick is one interval on.
  void rearm(Millis now) { deadline_ = now + interval_; }

 private:
  std::string_view name_;
  std::uint32_t interval_;
  bool running_ = false;
  Millis deadline_ = 0;
};

}  // namespace vargo::ui
