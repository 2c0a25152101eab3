// SPDX-License-Identifier: GPL-3.0-or-later
#include "screens/navigation.h"

#include <memory>
#include <utility>

#include "ui/host.h"

namespace vargo::screens {

ui::Handler moveOn(std::string_view next, std::string_view self) {
  return [next, self](ui::Host& host, ui::Screen&) {
    host.show(next);
    host.unload(self);
  };
}

ui::Handler open(std::string_view other) {
  return [other](ui::Host& host, ui::Screen&) { host.show(other); };
}

ui::Handler leave(std::string_view self) {
  return [self](ui::Host& host, ui::Screen&) { host.unload(self); };
}

ui::Binding onClick(std::string_view widget, ui::Handler handler) {
  return {widget, ui::EventKind::Click, std::move(handler)};
}

ui::ScreenKind kindOf(std::string_view name, const ui::ScreenDef& def, std::vector<ui::Binding> bindings) {
  return {name, &def, [bindings = std::move(bindings)] { return std::make_unique<ui::Behaviour>(bindings); }};
}

}  // namespace vargo::screens
