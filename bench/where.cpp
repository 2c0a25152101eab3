// SPDX-License-Identifier: GPL-3.0-or-later
// Tells scripts where to click. `vargo_where <screen> [<widget>]` prints the screen's window title and client
// size and, given a widget, a point of it that no other widget covers, in client coordinates:
//   <title>\t<width> <height>[\t<x> <y>]

#include <cstdio>
#include <stdexcept>
#include <string>
#include <string_view>

#include "support/definitions.h"
#include "support/widget_points.h"

int main(int argc, char** argv) {
  using namespace vargo;
  if (argc != 2 && argc != 3) {
    std::fprintf(stderr, "usage: vargo_where <screen> [<widget>]\n");
    return 2;
  }
  try {
    const ui::ScreenDef& def = test::screenDef(argv[1]);
    std::printf("%.*s\t%d %d", static_cast<int>(def.window.title.size()), def.window.title.data(),
                def.window.client.width, def.window.client.height);
    if (argc == 3) {
      const auto at = test::freePointOf(def, argv[2]);
      if (!at)
        throw std::logic_error(std::string("every point of ") + argv[2] + " lies under another widget");
      std::printf("\t%d %d", at->x, at->y);
    }
    std::printf("\n");
    return 0;
  } catch (const std::exception& e) {
    std::fprintf(stderr, "\nvargo_where: %s\n", e.what());
    return 1;
  }
}
