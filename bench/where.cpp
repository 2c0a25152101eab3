// Tells scripts where to click: `vargo_where <screen> <widget>` prints the screen's window title and client
// size and a point of the widget that no other widget covers, in client coordinates:
//   <title>\t<width> <height>\t<x> <y>

#include <cstdio>
#include <exception>
#include <string_view>

#include "app/screen_kinds.h"
#include "support/level_play.h"

int main(int argc, char** argv) {
  using namespace vargo;
  if (argc != 3) {
    std::fprintf(stderr, "usage: vargo_where <screen> <widget>\n");
    return 2;
  }
  const std::string_view wanted = argv[1];
  for (const ui::ScreenKind& kind : app::screenKinds()) {
    if (kind.name != wanted)
      continue;
    try {
      const ui::ScreenDef& def = *kind.def;
      const ui::Point at = test::freePointOf(def, argv[2]);
      std::printf("%.*s\t%d %d\t%d %d\n", static_cast<int>(def.window.title.size()), def.window.title.data(),
                  def.window.client.width, def.window.client.height, at.x, at.y);
      return 0;
    } catch (const std::exception& e) {
      std::fprintf(stderr, "vargo_where: %s\n", e.what());
      return 1;
    }
  }
  std::fprintf(stderr, "vargo_where: no screen %s\n", argv[1]);
  return 1;
}
