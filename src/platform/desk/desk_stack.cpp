// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/desk/desk_stack.h"

#include <algorithm>
#include <stdexcept>
#include <string>

namespace vargo::platform {

namespace {

ui::Point centred(ui::Size client, ui::Size desk) {
  return {(desk.width - client.width) / 2, (desk.height - client.height) / 2};
}

}  // namespace

WindowId DeskStack::open(ui::Size client, std::optional<ui::Point> position) {
  const ui::Point at = position.value_or(centred(client, desk_));
  windows_.push_back({next_, {at.x, at.y, client.width, client.height}});
  return next_++;
}

void DeskStack::close(WindowId id) {
  std::erase_if(windows_, [id](const Window& w) { return w.id == id; });
}

void DeskStack::raise(WindowId id) {
  const auto it = std::ranges::find(windows_, id, &Window::id);
  if (it == windows_.end())
    return;
  it->shown = true;
  std::rotate(it, it + 1, windows_.end());
}

void DeskStack::setShown(WindowId id, bool shown) {
  if (Window* w = find(id))
    w->shown = shown;
}

Canvas DeskStack::canvas(WindowId id) {
  Window* w = find(id);
  if (w == nullptr)
    throw std::logic_error("no window " + std::to_string(id) + " on the desk to paint in");
  const bool fresh = w->pixels.empty();
  if (fresh)
    w->pixels.assign(static_cast<std::size_t>(w->place.width) * w->place.height, 0);
  return {w->pixels.data(), w->place.width, w->place.height, w->place.width, fresh};
}

DeskStack::Window* DeskStack::find(WindowId id) {
  const auto it = std::ranges::find(windows_, id, &Window::id);
  return it == windows_.end() ? nullptr : &*it;
}

const DeskStack::Window* DeskStack::find(WindowId id) const {
  return const_cast<DeskStack*>(this)->find(id);
}

const DeskStack::Window* DeskStack::at(ui::Point p) const {
  const auto front = std::ranges::find_if(windows_.rbegin(), windows_.rend(),
                                          [p](const Window& w) { return w.shown && w.place.contains(p); });
  return front == windows_.rend() ? nullptr : &*front;
}

}  // namespace vargo::platform
