// SPDX-License-Identifier: GPL-3.0-or-later
// One level in a real window with the real event loop and clock, shot at by a made-up player for a while:
//   vargo_timer_lateness [level] [seconds]     (default: level1 for 60 s)
// Prints how late the timer ticks were against their deadlines, how long a shot took from its event to
// the end of its repaint and present, and why the loop woke.

#include <cstdio>
#include <cstdlib>
#include <exception>
#include <string>

#include "app/event_loop.h"
#include "app/screen_kinds.h"
#include "drive/shooting_platform.h"
#include "drive/stats.h"
#include "media/sound.h"
#include "platform/sdl/sdl_platform.h"
#include "support/level_play.h"

namespace vargo::bench {

namespace {

constexpr auto kShotPeriod = std::chrono::milliseconds(350);

void print(const char* what, const Summary& s) {
  std::printf("%-26s n=%-6zu median %.3f ms  p99 %.3f ms  max %.3f ms\n", what, s.count, s.median, s.p99,
              s.max);
}

int run(const std::string& levelName, int seconds) {
  const levels::LevelDef& level = test::levelDef(levelName);
  platform::SdlPlatform sdl;
  ShootingPlatform shooter(sdl, level, std::chrono::seconds(seconds), kShotPeriod);
  ui::SteadyClock clock;
  media::Sound sound(sdl.sound());
  app::ScreenRegistry registry(app::screenKinds(), shooter, sound, clock);
  shooter.attach(registry);
  // As in the game, the level is shown over a screen that was up before (the fonts are open) and that one
  // then goes away.
  registry.show("Vargo1");
  registry.show(level.name);
  registry.unload("Vargo1");
  app::runEventLoop(registry, shooter, clock);

  std::printf("%s for %d s, a shot every %lld ms\n", level.name.data(), seconds,
              static_cast<long long>(kShotPeriod.count()));
  print("tick lateness", summarize(shooter.latenessMs()));
  print("shot event to present", summarize(shooter.shotMs()));
  print("  of which present", summarize(shooter.shotPresentMs()));
  const WaitCounts& w = shooter.waits();
  std::printf("wake-ups: %ld for ticks, %ld for shots, %ld for window-system events, %ld with nothing due\n",
              w.timers, w.shots, w.input, w.spurious);
  return 0;
}

}  // namespace

}  // namespace vargo::bench

int main(int argc, char** argv) {
  try {
    const std::string level = argc > 1 ? argv[1] : "level1";
    const int seconds = argc > 2 ? std::atoi(argv[2]) : 60;
    return vargo::bench::run(level, seconds > 0 ? seconds : 60);
  } catch (const std::exception& e) {
    std::fprintf(stderr, "vargo_timer_lateness: %s\n", e.what());
    return 1;
  }
}
