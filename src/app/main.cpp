// SPDX-License-Identifier: GPL-3.0-or-later
// vargo: start-up. Shows the main menu and runs the event loop until the program ends.

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <exception>
#include <iostream>

#include "app/command_line.h"
#include "app/error_output.h"
#include "app/event_loop.h"
#include "app/language_choice.h"
#include "app/scale_choice.h"
#include "app/screen_kinds.h"
#include "app/screen_registry.h"
#include "lang/user_locale.h"
#include "media/sound.h"
#include "names/screen_names.h"
#include "platform/sdl/desktop_scale.h"
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

}  // namespace

int main(int argc, char* argv[]) {
  using namespace vargo;
  app::routeErrorOutput();
  app::Settings settings;
  if (const auto status = app::readCommandLine(argc, argv, settings, std::cout, std::cerr))
    return *status;
  if (const auto status = app::readEnvironment(std::getenv(app::kScaleVariable), settings, std::cerr))
    return *status;
  if (const auto status = app::readLanguageVariable(std::getenv(app::kLanguageVariable), settings, std::cerr))
    return *status;
  const lang::Language language = app::chosenLanguage(settings, lang::userLocale());
  try {
    platform::SdlPlatform platform;
    ui::SteadyClock clock;
    media::Sound sound(platform.sound());
    const media::Scale asked = settings.scale
                                   ? media::Scale{*settings.scale}
                                   : app::fittedScale(platform::desktopScale(), platform::usableDesktop(),
                                                      app::largestWindow(app::screenKinds()));
    const media::Scale scale = app::playableScale(asked);
    app::ScreenRegistry registry(app::screenKinds(), platform, sound, clock, scale,
                                 lang::translationOf(language));
    registry.show(names::menu);  // presents the menu's first frame
    traceFirstFrame();
    app::runEventLoop(registry, platform, clock);
    return 0;
  } catch (const std::exception& e) {
    std::fprintf(stderr, "vargo: %s\n", e.what());
  }
  return 1;
}
