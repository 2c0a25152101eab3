// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/screen.h"

#include <algorithm>
#include <stdexcept>
#include <utility>

namespace vargo::ui {

namespace {

bool takesMouse(const Widget& w) {
  return w.visible;
}

}  // namespace

Screen::Screen(const ScreenDef& def, const Clock& clock, const Translation& translation)
    : def_(&def), clock_(&clock), translation_(translation) {
  widgets_.reserve(def.widgets.size());
  for (const WidgetDef& w : def.widgets) {
    widgets_.push_back({&w, w.visible, std::string(translation_.text(w.caption))});
  }
  for (std::size_t i = 0; i < widgets_.size(); ++i) {
    if (widgets_[i].def->kind == WidgetKind::Picture)
      stacking_.push_back(i);
  }
  for (std::size_t i = 0; i < widgets_.size(); ++i) {
    if (widgets_[i].def->kind != WidgetKind::Picture)
      stacking_.push_back(i);
  }
  for (const TimerDef& t : def.timers) {
    timers_.emplace_back(t.name, t.intervalMs);
    if (t.running)
      timers_.back().start(clock.now());
  }
  markDirty(clientArea(def));
}

std::size_t Screen::indexOf(std::string_view widget) const {
  for (std::size_t i = 0; i < widgets_.size(); ++i) {
    if (widgets_[i].def->name == widget)
      return i;
  }
  throw std::logic_error("no widget " + std::string(widget) + " on screen " +
                         std::string(def_->window.title));
}

bool Screen::isVisible(std::string_view widget) const {
  return widgets_[indexOf(widget)].visible;
}

void Screen::setVisible(std::string_view widget, bool visible) {
  Widget& w = widgets_[indexOf(widget)];
  if (w.visible == visible)
    return;
  w.visible = visible;
  markDirty(w.def->rect);
}

const std::string& Screen::caption(std::string_view widget) const {
  return widgets_[indexOf(widget)].caption;
}

void Screen::setCaption(std::string_view widget, std::string_view source) {
  Widget& w = widgets_[indexOf(widget)];
  const std::string_view caption = translation_.text(source);
  if (w.caption == caption)
    return;
  w.caption = caption;
  markDirty(w.def->rect);
}

float Screen::value(std::string_view widget) const {
  return widgets_[indexOf(widget)].value;
}

void Screen::setValue(std::string_view widget, float value) {
  Widget& w = widgets_[indexOf(widget)];
  if (w.value == value)
    return;
  w.value = value;
  markDirty(w.def->rect);
}

Timer& Screen::timer(std::string_view name) {
  auto it = std::find_if(timers_.begin(), timers_.end(), [&](const Timer& t) { return t.name() == name; });
  if (it == timers_.end())
    throw std::logic_error("no timer " + std::string(name));
  return *it;
}

const Timer& Screen::timer(std::string_view name) const {
  return const_cast<Screen*>(this)->timer(name);
}

void Screen::startTimer(std::string_view name) {
  timer(name).start(clock_->now());
}
void Screen::stopTimer(std::string_view name) {
  timer(name).stop();
}
bool Screen::timerRunning(std::string_view name) const {
  return timer(name).running();
}

bool Screen::contains(Point p) const {
  return clientArea(*def_).contains(p);
}

std::optional<std::size_t> Screen::hitTest(Point p) const {
  return hitTest(p, takingMouse());
}

std::optional<std::size_t> Screen::hitTest(Point p, const std::vector<bool>& taking) const {
  for (std::size_t i : stacking_) {
    if (taking[i] && widgets_[i].def->rect.contains(p))
      return i;
  }
  return std::nullopt;
}

std::vector<bool> Screen::takingMouse() const {
  std::vector<bool> taking(widgets_.size());
  for (std::size_t i = 0; i < widgets_.size(); ++i)
    taking[i] = takesMouse(widgets_[i]);
  return taking;
}

Pointer Screen::pointerAt(Point p) const {
  const Pointer screenPointer = def_->window.pointer == Pointer::None ? Pointer::Arrow : def_->window.pointer;
  const auto hit = hitTest(p);
  if (!hit)
    return screenPointer;
  const Pointer own = widgets_[*hit].def->pointer;
  // A widget that sets none, or asks for a custom pointer without an image, shows the screen's pointer.
  if (own == Pointer::None || own == Pointer::CustomWithoutImage)
    return screenPointer;
  return own;
}

void Screen::markDirty(const Rect& rect) {
  const Rect clipped = intersection(rect, clientArea(*def_));
  if (!clipped.empty())
    dirty_.push_back(clipped);
}

std::vector<Rect> Screen::takeDirty() {
  return std::exchange(dirty_, {});
}

}  // namespace vargo::ui
