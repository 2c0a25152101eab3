// SPDX-License-Identifier: GPL-3.0-or-later
// vargo in the browser: start-up. Every window stands on the desk, which stands on SDL's one window, the
// page's canvas. The page picks the scale (--scale) and the language (--lang; without it the game's own,
// Czech) and calls the event loop's step from its own loop, once a frame; when the game ends the page is
// told, and shows its closing line.

#include <emscripten.h>

#include <cstdio>
#include <exception>
#include <iostream>
#include <memory>

#include "app/command_line.h"
#include "app/event_loop.h"
#include "app/scale_choice.h"
#include "app/screen_kinds.h"
#include "app/screen_registry.h"
#include "lang/language.h"
#include "media/dialog_text.h"
#include "media/fonts.h"
#include "media/sound.h"
#include "names/screen_names.h"
#include "platform/desk/desk_platform.h"
#include "platform/sdl/sdl_platform.h"

namespace {

using namespace vargo;

// Everything the game is made of, kept past main(): the browser calls the loop after main has returned.
struct Game {
  platform::SdlPlatform canvas;
  media::Sound sound{canvas.sound()};
  media::Fonts fonts;
  media::DialogText words;
  platform::DeskPlatform desk;
  ui::SteadyClock clock;
  app::ScreenRegistry registry;

  Game(media::Scale scale, const ui::Translation& translation)
      : words(fonts, scale),
        desk(canvas, scale.k, words),
        registry(app::screenKinds(), desk, sound, clock, scale, translation) {}
};

std::unique_ptr<Game> game;

// Takes every input that came since the last frame, then the timers that are due; after the last screen
// closes, stops the loop, lets the game go and tells the page.
void step() {
  while (app::runEventLoopStep(game->registry, game->desk, game->clock) && !game->registry.ended()) {
  }
  if (!game->registry.ended())
    return;
  emscripten_cancel_main_loop();
  game.reset();
  emscripten_run_script("if (Module.gameEnded) Module.gameEnded();");
}

}  // namespace

int main(int argc, char* argv[]) {
  app::Settings settings;
  if (const auto status = app::readCommandLine(argc, argv, settings, std::cout, std::cerr))
    return *status;
  try {
    game = std::make_unique<Game>(app::playableScale(media::Scale{settings.scale.value_or(1)}),
                                  lang::translationOf(settings.language.value_or(lang::Language::czech)));
    game->registry.show(names::menu);
    emscripten_set_main_loop(step, 0, false);
    return 0;
  } catch (const std::exception& e) {
    std::fprintf(stderr, "vargo: %s\n", e.what());
  }
  return 1;
}
