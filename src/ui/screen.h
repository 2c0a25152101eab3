// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A loaded screen: live widgets and timers built from its definition. It answers which widget lies under
// a point (the stacking rule), which pointer shows there, and which parts need repainting.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "ui/clock.h"
#include "ui/definition.h"
#include "ui/timer.h"
#include "ui/translation.h"

namespace vargo::ui {

struct Widget {
  const WidgetDef* def;
  bool visible;
  std::string caption;
  float value = 0.0F;  // progress bars only
};

class Screen {
 public:
  // Captions are shown in the translation's language: the definition's and every one set later.
  Screen(const ScreenDef& def, const Clock& clock, const Translation& translation = {});

  const ScreenDef& def() const { return *def_; }
  const Translation& translation() const { return translation_; }
  const std::vector<Widget>& widgets() const { return widgets_; }
  // Widget indices from the top of the stacking order down.
  const std::vector<std::size_t>& stacking() const { return stacking_; }
  std::vector<Timer>& timers() { return timers_; }
  const std::vector<Timer>& timers() const { return timers_; }

  bool enabled() const { return enabled_; }
  void setEnabled(bool enabled) { enabled_ = enabled; }

  // Widget properties by the widget's name. An unknown name is a fault in a definition.
  bool isVisible(std::string_view widget) const;
  void setVisible(std::string_view widget, bool visible);
  const std::string& caption(std::string_view widget) const;
  void setCaption(std::string_view widget, std::string_view caption);
  float value(std::string_view widget) const;
  void setValue(std::string_view widget, float value);

  void startTimer(std::string_view timer);
  void stopTimer(std::string_view timer);
  bool timerRunning(std::string_view timer) const;

  // The topmost widget under p that takes the mouse, or nullopt for the screen surface. Picture widgets lie
  // above labels and image areas; within each group the widget listed earlier lies above.
  std::optional<std::size_t> hitTest(Point p) const;
  // The same, as if exactly the widgets marked in `takingMouse` (by widget index) took the mouse.
  std::optional<std::size_t> hitTest(Point p, const std::vector<bool>& takingMouse) const;
  // Which widgets take the mouse now, by widget index.
  std::vector<bool> takingMouse() const;
  bool contains(Point p) const;
  // The pointer shown at p: the widget's own, else the screen's, else the arrow.
  Pointer pointerAt(Point p) const;

  // Areas changed since the last call, to be repainted.
  std::vector<Rect> takeDirty();
  void markDirty(const Rect& rect);

 private:
  std::size_t indexOf(std::string_view widget) const;
  Timer& timer(std::string_view name);
  const Timer& timer(std::string_view name) const;

  const ScreenDef* def_;
  const Clock* clock_;
  Translation translation_;
  std::vector<Widget> widgets_;
  std::vector<std::size_t> stacking_;  // widget indices, topmost first
  std::vector<Timer> timers_;
  std::vector<Rect> dirty_;
  bool enabled_ = true;
};

}  // namespace vargo::ui
