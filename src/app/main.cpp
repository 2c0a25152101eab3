// SPDX-License-Identifier: GPL-3.0-or-later
// vargo: start-up. Shows the main menu and runs the event loop until the program ends.

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <exception>
#include <iostream>

#include "app/command_line.h"
#include "app/event_loop.h"
#include "app/screen_kinds.h"
#include "app/screen_registry.h"
#include "media/image.h"
#include "media/sound.h"
#include "platform/sdl/sdl_platform.h"

namespace {

// For the start-up benchmark: with VARGO_TRACE_FIRST_FRAME set, tells when the menu's first frame was
// presented, in nanoseconds of the monotonic clock.
void traceFirstFrame() {
  if (std::getenv("VARGO_TRACE_FIRST_FRAME") == nullptr)
    return;
  const auto now = std::chrono::steady_clock::now().time_since_epoch();
  std::fprintf(stderr, "vargo: first frame at %lld ns\n",
               static_cast<long long>(std::chrono::duration_cast<std::chrono::nanoseconds>(now).count()));
}

// The scale asked for, when its pictures are installed; else 1, with one line that says why.
vargo::media::Scale scaleToPlay(const vargo::app::Settings& settings) {
  const vargo::media::Scale asked{settings.scale.value_or(1)};
  if (asked.k == 1 || !vargo::media::rasterFolder(asked).empty())
    return asked;
  std::fprintf(stderr,
               "vargo: the pictures for scale %d are not installed (images/%dx); playing at scale 1\n",
               asked.k, asked.k);
  return {};
}

}  // namespace

int main(int argc, char* argv[]) {
  using namespace vargo;
  app::Settings settings;
  if (const auto status = app::readCommandLine(argc, argv, settings, std::cout, std::cerr))
    return *status;
  if (const auto status = app::readEnvironment(std::getenv(app::kScaleVariable), settings, std::cerr))
    return *status;
  try {
    platform::SdlPlatform platform;
    ui::SteadyClock clock;
    media::Sound sound(platform.sound());
    app::ScreenRegistry registry(app::screenKinds(), platform, sound, clock, scaleToPlay(settings));
    registry.show("Vargo1");  // presents the menu's first frame
    traceFirstFrame();
    app::runEventLoop(registry, platform, clock);
    return 0;
  } catch (const std::exception& e) {
    std::fprintf(stderr, "vargo: %s\n", e.what());
  }
  return 1;
}
