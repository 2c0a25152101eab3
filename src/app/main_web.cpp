// SPDX-License-Identifier: GPL-3.0-or-later
// vargo in the browser: start-up. Every window stands on the desk, which stands on SDL's one window, the
// page's canvas. The page picks the scale (--scale) and the language (--lang; without it the game's own,
// Czech). The game runs only when something is due, so that a page with nothing to do costs no CPU: in the
// next animation frame after input (the page's listeners call vargo_wake), and when the next timer is due
// or the silent sound device may be closed. When the game ends the page is told, and shows its closing line.

#include <emscripten.h>
#include <emscripten/eventloop.h>
#include <emscripten/html5.h>

#include <algorithm>
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
long dueWakeUp = 0;  // the pending timeout's id, 0 when none
bool frameAsked = false;

// Milliseconds until the next timer is due or the sound device may be closed, whichever comes first.
std::optional<double> msUntilDue() {
  std::optional<double> due;
  if (const auto deadline = game->registry.nextDeadline())
    due = static_cast<double>(std::max<ui::Millis>(0, *deadline - game->clock.now()));
  if (const auto sound = game->canvas.msUntilSoundIdle())
    due = std::min(due.value_or(*sound), static_cast<double>(*sound));
  return due;
}

void step();

void wakeWhenDue() {
  if (dueWakeUp != 0)
    emscripten_clear_timeout(dueWakeUp);
  dueWakeUp = 0;
  if (const auto ms = msUntilDue())
    dueWakeUp = emscripten_set_timeout(
        [](void*) {
          dueWakeUp = 0;
          step();
        },
        *ms, nullptr);
}

// Takes every input that came since the last step and the timers that are due, shows what they changed,
// and sets the next wake-up; after the last screen closes, lets the game go and tells the page.
void step() {
  if (!game)
    return;
  while (app::runEventLoopStep(game->registry, game->desk, game->clock) && !game->registry.ended()) {
  }
  if (!game->registry.ended()) {
    game->desk.flush();
    wakeWhenDue();
    return;
  }
  if (dueWakeUp != 0)
    emscripten_clear_timeout(dueWakeUp);
  game.reset();
  emscripten_run_script("if (Module.gameEnded) Module.gameEnded();");
}

}  // namespace

// Input came: the game takes it in the next animation frame, once however many events come before it.
extern "C" EMSCRIPTEN_KEEPALIVE void vargo_wake() {
  if (!game || frameAsked)
    return;
  frameAsked = true;
  emscripten_request_animation_frame(
      [](double, void*) -> EM_BOOL {
        frameAsked = false;
        step();
        return EM_FALSE;
      },
      nullptr);
}

int main(int argc, char* argv[]) {
  app::Settings settings;
  if (const auto status = app::readCommandLine(argc, argv, settings, std::cout, std::cerr))
    return *status;
  try {
    game = std::make_unique<Game>(app::playableScale(media::Scale{settings.scale.value_or(1)}),
                                  lang::translationOf(settings.language.value_or(lang::Language::czech)));
    game->registry.show(names::menu);
    step();
    return 0;
  } catch (const std::exception& e) {
    std::fprintf(stderr, "vargo: %s\n", e.what());
  }
  return 1;
}
