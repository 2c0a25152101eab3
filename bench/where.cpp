// SPDX-License-Identifier: GPL-3.0-or-later
// Tells scripts where to click. `vargo_where <screen> [<widget>]` prints the screen's window title and client
// size and, given a widget, a point of it that no other widget covers, in client coordinates:
//   <title>\t<width> <height>[\t<x> <y>]

#include <cstdio>
#include <exception>
#include <string_view>

#include "app/screen_kinds.h"
#include "support/level_play.h"

namespace {

const vargo::ui::ScreenDef* screenNamed(std::string_view name) {
  for (const vargo::ui::ScreenKind& kind : vargo::app::screenKinds()) {
    if (kind.name == name)
      return kind.def;
  }
  return nullptr;
}

}  // namespace

int main(int argc, char** argv) {
  using namespace vargo;
  if (argc != 2 && argc != 3) {
    std::fprintf(stderr, "usage: vargo_where <screen> [<widget>]\n");
    return 2;
  }
  const ui::ScreenDef* def = screenNamed(argv[1]);
  if (def == nullptr) {
    std::fprintf(stderr, "vargo_where: no screen %s\n", argv[1]);
    return 1;
  }
  try {
    std::printf("%.*s\t%d %d", static_cast<int>(def->window.title.size()), def->window.title.data(),
                def->window.client.width, def->window.client.height);
    if (argc == 3) {
      const ui::Point at = test::freePointOf(*def, argv[2]);
      std::printf("\t%d %d", at.x, at.y);
    }
    std::printf("\n");
    return 0;
  } catch (const std::exception& e) {
    std::fprintf(stderr, "\nvargo_where: %s\n", e.what());
    return 1;
  }
}
