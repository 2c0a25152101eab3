// SPDX-License-Identifier: GPL-3.0-or-later
// The whole game played through once in real windows (SDL, under Xvfb in the bench run) with made-up input
// and a manual clock, at a scale (1 unless told). Prints the resident-set peak, and checks that each screen's
// decoded pictures are freed at its unload: after a warm-up round, loading and unloading a screen must leave
// the live heap where it was.

#include <cstdio>
#include <cstdlib>
#include <exception>

#include "app/screen_kinds.h"
#include "app/screen_registry.h"
#include "drive/heap.h"
#include "drive/screen_cycle.h"
#include "media/sound.h"
#include "platform/sdl/sdl_platform.h"
#include "support/game_driver.h"

namespace vargo::bench {

namespace {

constexpr std::size_t kMaxKeptBytes = 64 * 1024;  // what a load may leave behind: fonts, no pictures

// Live heap while each screen is loaded and what is left after its unload; returns how many kept more
// than kMaxKeptBytes.
int checkRelease(app::ScreenRegistry& registry) {
  int kept = 0;
  std::printf("%12s %12s  %s\n", "loaded KiB", "left KiB", "screen");
  for (const ui::ScreenKind& kind : app::screenKinds()) {
    registry.show(keeperFor(kind.name));
    loadAndUnload(registry, kind.name);  // warm-up: opens the fonts it needs, which stay open
    const std::size_t before = liveHeapBytes();
    registry.show(kind.name);
    const std::size_t loaded = liveHeapBytes();
    registry.unload(kind.name);
    freeUnloaded(registry);
    const std::size_t left = liveHeapBytes();
    const long leftBytes = static_cast<long>(left) - static_cast<long>(before);
    std::printf("%12.1f %12.1f  %.*s%s\n", static_cast<double>(loaded - before) / 1024.0,
                static_cast<double>(leftBytes) / 1024.0, static_cast<int>(kind.name.size()), kind.name.data(),
                leftBytes > static_cast<long>(kMaxKeptBytes) ? "  KEPT" : "");
    if (leftBytes > static_cast<long>(kMaxKeptBytes))
      ++kept;
  }
  return kept;
}

int run(media::Scale scale) {
  platform::SdlPlatform sdl;
  sdl.waitEvent(0);  // the first wait opens the audio device
  ui::ManualClock clock;
  media::Sound sound(sdl.sound());
  int kept = 0;
  {
    app::ScreenRegistry registry(app::screenKinds(), sdl, sound, clock, scale);
    test::GameDriver driver(registry, clock);
    registry.show("Vargo1");
    int steps = 0;
    driver.playThrough([&](std::string_view left) {
      ++steps;
      std::printf("after %-9.*s resident %7.1f MiB, live heap %7.1f MiB\n", static_cast<int>(left.size()),
                  left.data(), static_cast<double>(residentKiB("VmRSS")) / 1024.0,
                  static_cast<double>(liveHeapBytes()) / (1024.0 * 1024.0));
    });
    std::printf("play-through: %d steps, game ended: %s\n", steps, registry.ended() ? "yes" : "no");
    std::printf("peak resident set after the play-through: %.1f MiB\n",
                static_cast<double>(residentKiB("VmHWM")) / 1024.0);
  }
  {
    app::ScreenRegistry registry(app::screenKinds(), sdl, sound, clock);
    kept = checkRelease(registry);
  }
  std::printf("screens that keep memory after unload: %d\n", kept);
  return kept == 0 ? 0 : 1;
}

}  // namespace

}  // namespace vargo::bench

// vargo_play_through [K]: at scale K, 1 unless told.
int main(int argc, char** argv) {
  const int k = argc > 1 ? std::atoi(argv[1]) : 1;
  if (k < 1 || k > 4) {
    std::fprintf(stderr, "usage: vargo_play_through [SCALE 1-4]\n");
    return 2;
  }
  try {
    return vargo::bench::run({k});
  } catch (const std::exception& e) {
    std::fprintf(stderr, "vargo_play_through: %s\n", e.what());
    return 1;
  }
}
