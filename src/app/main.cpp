// SPDX-License-Identifier: GPL-3.0-or-later
// vargo: start-up. Shows the main menu and runs the event loop until the program ends.

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <exception>
#include <iostream>
#include <sstream>
#include <utility>

#include "app/command_line.h"
#include "app/error_output.h"
#include "app/event_loop.h"
#include "app/language_choice.h"
#include "app/scale_choice.h"
#include "app/screen_ahead.h"
#include "app/screen_kinds.h"
#include "app/screen_registry.h"
#include "lang/user_locale.h"
#include "media/dialog_text.h"
#include "media/sound.h"
#include "names/screen_names.h"
#include "platform/desk/desk_platform.h"
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

// Plays from the main menu until the program ends, with every window on `platform`.
void play(vargo::platform::Platform& platform, vargo::media::Sound& sound, vargo::media::Scale scale,
          const vargo::ui::Translation& translation, std::optional<vargo::media::ScreenPictures> menu) {
  using namespace vargo;
  ui::SteadyClock clock;
  app::ScreenRegistry registry(app::screenKinds(), platform, sound, clock, scale, translation);
  if (menu)
    registry.giveDecoded(names::menu, std::move(*menu));
  registry.show(names::menu);  // presents the menu's first frame
  traceFirstFrame();
  app::runEventLoop(registry, platform, clock);
}

// Plays with every window standing on one window of the desktop, the desk.
void playOnTheDesk(vargo::platform::Platform& desktop, vargo::media::Sound& sound, vargo::media::Scale scale,
                   const vargo::ui::Translation& translation,
                   std::optional<vargo::media::ScreenPictures> menu) {
  using namespace vargo;
  media::Fonts fonts;
  media::DialogText words(fonts, scale);
  platform::DeskPlatform desk(desktop, scale.k, words);
  play(desk, sound, scale, translation, std::move(menu));
}

}  // namespace

int main(int argc, char* argv[]) {
  using namespace vargo;
  app::routeErrorOutput();
  app::Settings settings;
  std::ostringstream asked;  // what --help or --version prints, shown where the player sees it
  const auto ended = app::readCommandLine(argc, argv, settings, asked, std::cerr);
  app::showOutput(asked.str());
  if (ended)
    return *ended;
  if (const auto status = app::readEnvironment(std::getenv(app::kScaleVariable), settings, std::cerr))
    return *status;
  if (const auto status = app::readLanguageVariable(std::getenv(app::kLanguageVariable), settings, std::cerr))
    return *status;
  const ui::Translation& translation = lang::translationOf(app::chosenLanguage(settings, lang::userLocale()));
  try {
    platform::prepareForThreads();
    // The menu's pictures and fonts are read while the window system starts, at the scale asked for.
    app::ScreenAhead menu(names::menu, app::fittedScale(settings.scale.value_or(1), std::nullopt, {}),
                          translation);
    platform::SdlPlatform platform;
    media::Sound sound(platform.sound());
    const auto desktop = platform::gameDesktop();
    if (desktop)
      platform.standOn(*desktop);
    const auto usable =
        desktop ? std::optional(ui::Size{desktop->usable.width, desktop->usable.height}) : std::nullopt;
    const ui::Size extent =
        settings.desk ? platform::DeskPlatform::kDesk : app::windowsExtent(app::screenKinds());
    const media::Scale scale =
        app::playableScale(settings.scale ? app::askedScale(*settings.scale, usable, extent)
                                          : app::fittedScale(platform::desktopScale(), usable, extent));
    if (settings.desk)
      playOnTheDesk(platform, sound, scale, translation, menu.take());
    else
      play(platform, sound, scale, translation, menu.take());
    return 0;
  } catch (const std::exception& e) {
    std::fprintf(stderr, "vargo: %s\n", e.what());
  }
  return 1;
}
