// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/behaviour.h"

#include <algorithm>

#include "ui/host.h"

namespace vargo::ui {

const Binding* Behaviour::find(const Event& event) const {
  auto it = std::find_if(bindings_.begin(), bindings_.end(),
                         [&](const Binding& b) { return b.kind == event.kind && b.source == event.source; });
  return it == bindings_.end() ? nullptr : &*it;
}

bool Behaviour::handles(const Event& event) const {
  return find(event) != nullptr;
}

bool Behaviour::handle(const Event& event, Host& host, Screen& screen) const {
  const Binding* binding = find(event);
  if (binding == nullptr)
    return false;
  // Behaviours outlive every load, so a handler may unload its own screen while it runs.
  binding->handler(host, screen);
  return true;
}

void Behaviour::closeRequested(std::string_view kind, Host& host, Screen&) {
  host.unload(kind);
}

void Behaviour::bind(std::string_view source, EventKind kind, Handler handler) {
  bindings_.push_back({source, kind, std::move(handler)});
}

}  // namespace vargo::ui
