// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/clock.h"

#include <chrono>

namespace vargo::ui {

Millis SteadyClock::now() const {
  using namespace std::chrono;
  return static_cast<Millis>(duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count());
}

}  // namespace vargo::ui
