// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The one time source of the game: monotonic milliseconds. Real in the game, manual in tests.

#include <cstdint>

namespace vargo::ui {

using Millis = std::uint64_t;

class Clock {
 public:
  virtual ~Clock() = default;
  virtual Millis now() const = 0;
};

class SteadyClock final : public Clock {
 public:
  Millis now() const override;
};

class ManualClock final : public Clock {
 public:
  Millis now() const override { return now_; }
  void advance(Millis ms) { now_ += ms; }
  void set(Millis ms) { now_ = ms; }

 private:
  Millis now_ = 0;
};

}  // namespace vargo::ui
