// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The mouse input of one loaded screen turned into its handlers' events. A disabled screen takes none.
//
// A click is the left button pressed and released over the same widget, or over the screen surface; a
// press that starts on one and ends on another is no click of anything. A widget that came up under the
// pointer after the press never takes its release: the release counts for what lies under it among the
// widgets that were there at the press, because that is what the press was aimed at.

#include <optional>
#include <vector>

#include "ui/behaviour.h"
#include "ui/screen.h"

namespace vargo::ui {

class MouseInput {
 public:
  // A press or a release of the left button at p: the Click it completes, if any.
  std::optional<Event> button(const Screen& screen, Point p, bool pressed);
  // A pointer move to p: the MouseMove event of what lies there, if the screen takes it.
  std::optional<Event> move(const Screen& screen, Point p) const;
  // Forgets a press, so that its release clicks nothing (the screen was disabled meanwhile).
  void cancel() { pressed_.reset(); }

 private:
  struct Press {
    std::optional<std::size_t> widget;  // nullopt: the screen surface
    std::vector<bool> takingMouse;      // the widgets that took the mouse at the press
  };
  std::optional<std::size_t> released(const Screen& screen, Point p, const Press& press) const;

  std::optional<Press> pressed_;
};

}  // namespace vargo::ui
