// vargo: start-up. Shows the main menu and runs the event loop until the program ends.

#include <cstdio>
#include <exception>

#include "app/event_loop.h"
#include "app/screen_kinds.h"
#include "app/screen_registry.h"
#include "media/sound.h"
#include "platform/sdl/sdl_platform.h"

int main() {
  using namespace vargo;
  try {
    platform::SdlPlatform platform;
    ui::SteadyClock clock;
    media::Sound sound(platform);
    app::ScreenRegistry registry(app::screenKinds(), platform, sound, clock);
    registry.show("Vargo1");
    app::runEventLoop(registry, platform, clock);
    return 0;
  } catch (const platform::NoDisplay& e) {
    std::fprintf(stderr, "vargo: %s\n", e.what());
  } catch (const std::exception& e) {
    std::fprintf(stderr, "vargo: %s\n", e.what());
  }
  return 1;
}
