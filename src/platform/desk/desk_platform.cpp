// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/desk/desk_platform.h"

#include <algorithm>

#include "platform/desk/desk_compose.h"

namespace vargo::platform {

namespace {

ui::Size times(ui::Size s, int k) {
  return {s.width * k, s.height * k};
}

ui::Rect moved(const ui::Rect& r, ui::Point by) {
  return {r.x + by.x, r.y + by.y, r.width, r.height};
}

ui::Point within(ui::Point desk, const ui::Rect& place) {
  return {desk.x - place.x, desk.y - place.y};
}

}  // namespace

DeskPlatform::DeskPlatform(Platform& host, int scale, BoxText& words)
    : host_(host),
      scale_(scale),
      words_(words),
      hostWindow_(host.openWindow({"Vargo", times(kDesk, scale), std::nullopt})),
      windows_(times(kDesk, scale)) {
  host_.raiseWindow(hostWindow_);
  damage({0, 0, windows_.desk().width, windows_.desk().height});
}

DeskPlatform::~DeskPlatform() {
  host_.closeWindow(hostWindow_);
}

std::optional<WindowId> DeskPlatform::messageWindow() const {
  return box_ ? std::optional(box_->window) : std::nullopt;
}

WindowId DeskPlatform::openWindow(const WindowSpec& spec) {
  const WindowId id = windows_.open(spec.client, spec.position);
  keepBoxInFront();
  return id;
}

void DeskPlatform::closeWindow(WindowId window) {
  damageWindow(window);
  windows_.close(window);
  if (pressedIn_ == window)
    pressedIn_.reset();
  if (entered_ == window)
    entered_.reset();
}

void DeskPlatform::raiseWindow(WindowId window) {
  windows_.raise(window);
  keepBoxInFront();
  damageWindow(window);
}

void DeskPlatform::setWindowShown(WindowId window, bool shown) {
  const DeskStack::Window* w = windows_.find(window);
  if (w == nullptr || w->shown == shown)
    return;
  windows_.setShown(window, shown);
  damage(w->place);
}

// The desk's one window carries the game's icon.
void DeskPlatform::setWindowIcon(WindowId, Pixels icon) {
  host_.setWindowIcon(hostWindow_, icon);
}

Canvas DeskPlatform::canvas(WindowId window) {
  return windows_.canvas(window);
}

void DeskPlatform::present(WindowId window, std::span<const ui::Rect> areas) {
  const DeskStack::Window* w = windows_.find(window);
  if (w == nullptr || !w->shown)
    return;
  for (const ui::Rect& area : areas)
    damage(moved(intersection(area, {0, 0, w->place.width, w->place.height}), {w->place.x, w->place.y}));
}

CursorId DeskPlatform::createCursor(Pixels image, ui::Point hotSpot) {
  return host_.createCursor(image, hotSpot);
}

void DeskPlatform::setCursor(SystemCursor cursor) {
  wanted_ = cursor;
  showCursor();
}

void DeskPlatform::setCursor(CursorId cursor) {
  wanted_ = cursor;
  showCursor();
}

void DeskPlatform::messageBox(std::string_view title, std::string_view text) {
  if (box_)
    closeBox();
  const MessageLayout layout = layOutMessage(words_, text, scale_);
  const WindowId window = windows_.open(layout.size, std::nullopt);
  paintMessage(windows_.canvas(window), layout, words_, title, text);
  box_ = Box{window, layout};
  raiseWindow(window);
  // The press and the pointer belong to the box now; the windows under it hear of neither.
  pressedIn_.reset();
  entered_.reset();
  showCursor();
}

std::optional<InputEvent> DeskPlatform::waitEvent(std::optional<std::uint32_t> timeoutMs) {
  std::optional<std::uint32_t> wait = timeoutMs;
  for (;;) {
    flush();
    if (auto entered = enteredUnderPointer())
      return entered;
    const std::optional<InputEvent> event = host_.waitEvent(wait);
    if (!event)
      return std::nullopt;
    if (auto routed = route(*event))
      return routed;
    wait = 0;  // the desk took that one: the wait is over, but what is queued already is looked at
  }
}

void DeskPlatform::damage(const ui::Rect& area) {
  const ui::Rect r = intersection(area, {0, 0, windows_.desk().width, windows_.desk().height});
  const auto covers = [&r](const ui::Rect& d) { return intersection(d, r) == r; };
  if (!r.empty() && std::ranges::none_of(damaged_, covers))
    damaged_.push_back(r);
}

void DeskPlatform::damageWindow(WindowId window) {
  if (const DeskStack::Window* w = windows_.find(window); w != nullptr && w->shown)
    damage(w->place);
}

void DeskPlatform::keepBoxInFront() {
  if (box_)
    windows_.raise(box_->window);
}

void DeskPlatform::closeBox() {
  const WindowId window = box_->window;
  box_.reset();
  closeWindow(window);
}

void DeskPlatform::flush() {
  if (damaged_.empty())
    return;
  const Canvas target = host_.canvas(hostWindow_);
  if (target.fresh)
    damaged_ = {{0, 0, windows_.desk().width, windows_.desk().height}};
  for (const ui::Rect& area : damaged_)
    compose(windows_, target, area);
  host_.present(hostWindow_, damaged_);
  damaged_.clear();
}

std::optional<InputEvent> DeskPlatform::route(const InputEvent& event) {
  return std::visit([this](const auto& e) { return on(e); }, event);
}

std::optional<InputEvent> DeskPlatform::on(const MouseButton& button) {
  if (button.window != hostWindow_)
    return std::nullopt;
  pointer_ = button.at;
  if (box_) {
    onBox(button);
    return std::nullopt;
  }
  if (button.pressed) {
    const DeskStack::Window* w = windows_.at(button.at);
    pressedIn_ = w != nullptr ? std::optional(w->id) : std::nullopt;
    return w != nullptr ? std::optional<InputEvent>(MouseButton{w->id, within(button.at, w->place), true})
                        : std::nullopt;
  }
  // The release goes to the window that holds the press, wherever it is; without one, to no window.
  const DeskStack::Window* w = pressedIn_ ? windows_.find(*pressedIn_) : nullptr;
  pressedIn_.reset();
  if (w == nullptr)
    return std::nullopt;
  return MouseButton{w->id, within(button.at, w->place), false};
}

std::optional<InputEvent> DeskPlatform::on(const MouseMove& move) {
  if (move.window != hostWindow_)
    return std::nullopt;
  pointer_ = move.at;
  const DeskStack::Window* w = underPointer();
  entered_ = w != nullptr ? std::optional(w->id) : std::nullopt;
  if (w == nullptr) {
    showCursor();
    return std::nullopt;
  }
  return MouseMove{w->id, within(move.at, w->place)};
}

// Closing the desk's window closes the game.
std::optional<InputEvent> DeskPlatform::on(const CloseRequest& request) {
  if (request.window != hostWindow_)
    return std::nullopt;
  return QuitRequest{};
}

std::optional<InputEvent> DeskPlatform::on(const QuitRequest& request) {
  return request;
}

std::optional<InputEvent> DeskPlatform::on(const Exposed& exposed) {
  if (exposed.window == hostWindow_)
    damage({0, 0, windows_.desk().width, windows_.desk().height});
  return std::nullopt;
}

// OK closes the box when the press and the release are both on it, as a button does.
void DeskPlatform::onBox(const MouseButton& button) {
  const DeskStack::Window* w = windows_.find(box_->window);
  const bool onOk = w != nullptr && box_->layout.ok.contains(within(button.at, w->place));
  if (button.pressed) {
    box_->pressed = onOk;
    return;
  }
  if (box_->pressed && onOk)
    closeBox();
  else
    box_->pressed = false;
}

std::optional<InputEvent> DeskPlatform::enteredUnderPointer() {
  if (!pointer_ || pressedIn_)
    return std::nullopt;
  const DeskStack::Window* w = underPointer();
  const std::optional<WindowId> under = w != nullptr ? std::optional(w->id) : std::nullopt;
  if (under == entered_)
    return std::nullopt;
  entered_ = under;
  if (w == nullptr) {
    showCursor();
    return std::nullopt;
  }
  return MouseMove{w->id, within(*pointer_, w->place)};
}

const DeskStack::Window* DeskPlatform::underPointer() const {
  if (!pointer_ || box_)
    return nullptr;
  return windows_.at(*pointer_);
}

// Over one of the game's windows the host shows the cursor the game set for it; over the ground and while
// the box is open, the arrow. A move that reaches one of the game's windows makes the game set its cursor.
void DeskPlatform::showCursor() {
  const Cursor shown = underPointer() != nullptr ? wanted_ : Cursor{SystemCursor::Arrow};
  std::visit([this](auto c) { host_.setCursor(c); }, shown);
}

}  // namespace vargo::platform
