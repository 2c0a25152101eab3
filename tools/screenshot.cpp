// SPDX-License-Identifier: GPL-3.0-or-later
// Plays the real screens through the headless window system with a manual clock and writes a PNG of one
// screen's window, to look at what the game draws without a display.
//
//   vargo_screenshot [--scale K] [--lang cs|en] SCREEN OUT.png [STEP...]
//   vargo_screenshot [--scale K] [--lang cs|en] --desk OUT.png
//
// The second writes the desk as the web page and `vargo --desk` show it when the game starts: the menu
// centred on it, drawn with the game's own fonts.
//
// The game starts as it always does, with Vargo1 shown, at scale K (1 when not given), in the language
// given (Czech when not); then the steps run
// in order. Their positions are logical pixels, the same at every scale. A step is
//   click:SCREEN:X,Y   a left click at X, Y of that screen's window
//   move:SCREEN:X,Y    a pointer move to X, Y
//   wait:MS            lets MS milliseconds pass, delivering every timer tick on the way
//   show:SCREEN        shows the screen, as the game's own navigation would
// Steps may also be given together in one argument, separated by spaces.

#include <SDL.h>
#include <SDL_image.h>

#include <algorithm>
#include <charconv>
#include <cstdio>
#include <exception>
#include <span>
#include <sstream>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "app/screen_kinds.h"
#include "lang/language.h"
#include "media/dialog_text.h"
#include "media/fonts.h"
#include "names/screen_names.h"
#include "platform/desk/desk_platform.h"
#include "platform/sdl/sdl_ptrs.h"
#include "support/harness.h"

namespace {

using vargo::test::Harness;

int number(std::string_view text) {
  int value = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (error != std::errc{} || end != text.data() + text.size())
    throw std::invalid_argument("not a number: " + std::string(text));
  return value;
}

// "SCREEN:X,Y" into the screen and the point.
std::pair<std::string, vargo::ui::Point> screenAndPoint(std::string_view text) {
  const auto colon = text.rfind(':');
  const auto comma = text.find(',', colon == std::string_view::npos ? 0 : colon);
  if (colon == std::string_view::npos || comma == std::string_view::npos)
    throw std::invalid_argument("expected SCREEN:X,Y, got " + std::string(text));
  return {std::string(text.substr(0, colon)),
          {number(text.substr(colon + 1, comma - colon - 1)), number(text.substr(comma + 1))}};
}

void runStep(Harness& game, vargo::media::Scale scale, std::string_view step) {
  const auto colon = step.find(':');
  const std::string_view verb = step.substr(0, colon);
  const std::string_view rest = colon == std::string_view::npos ? "" : step.substr(colon + 1);
  if (verb == "click") {
    const auto [screen, at] = screenAndPoint(rest);
    game.click(screen, scale.of(at).x, scale.of(at).y);
  } else if (verb == "move") {
    const auto [screen, at] = screenAndPoint(rest);
    game.move(screen, scale.of(at).x, scale.of(at).y);
  } else if (verb == "wait") {
    game.advance(static_cast<vargo::ui::Millis>(number(rest)));
  } else if (verb == "show") {
    game.show(rest);
  } else {
    throw std::invalid_argument("unknown step: " + std::string(step));
  }
}

void runSteps(Harness& game, vargo::media::Scale scale, std::span<char*> arguments) {
  for (const char* argument : arguments) {
    std::istringstream steps(argument);
    for (std::string step; steps >> step;)
      runStep(game, scale, step);
  }
}

void writePng(const vargo::platform::HeadlessPlatform::Window& window, const char* path) {
  const vargo::ui::Size size = window.spec.client;
  const auto surface = vargo::sdl::wrap({window.pixels.data(), size.width, size.height, size.width});
  const bool written = surface && IMG_SavePNG(surface.get(), path) == 0;
  if (!written)
    throw std::runtime_error(std::string("cannot write ") + path + ": " + SDL_GetError());
}

void writePng(const Harness& game, std::string_view screen, const char* path) {
  const auto id = game.registry.windowOf(screen);
  const auto* window = id ? game.platform.window(*id) : nullptr;
  if (window == nullptr)
    throw std::invalid_argument(std::string(screen) + " is not on view at the end of the steps");
  writePng(*window, path);
}

void writeDesk(vargo::media::Scale scale, const vargo::ui::Translation& translation, const char* path) {
  using namespace vargo;
  platform::HeadlessPlatform host;
  media::Fonts fonts;
  media::DialogText words(fonts, scale);
  platform::DeskPlatform desk(host, scale.k, words);
  ui::ManualClock clock;
  test::RecordingSound sound;
  app::ScreenRegistry registry(app::screenKinds(), desk, sound, clock, scale, translation);
  registry.show(names::menu);
  desk.flush();
  writePng(*host.window(desk.hostWindow()), path);
}

}  // namespace

int main(int argc, char** argv) {
  std::span<char*> arguments(argv + 1, static_cast<std::size_t>(argc - 1));
  vargo::media::Scale scale;
  vargo::lang::Language language = vargo::lang::Language::czech;
  bool known = true;
  while (known && arguments.size() >= 2) {
    const std::string_view option = arguments[0];
    if (option == "--scale")
      scale.k = std::clamp(number(arguments[1]), vargo::media::Scale::kMin, vargo::media::Scale::kMax);
    else if (option == "--lang")
      language = vargo::lang::languageNamed(arguments[1]).value_or(language);
    else
      known = false;
    if (known)
      arguments = arguments.subspan(2);
  }
  if (arguments.size() < 2) {
    std::fprintf(stderr,
                 "usage: vargo_screenshot [--scale K] [--lang cs|en] SCREEN OUT.png [STEP...]\n"
                 "       vargo_screenshot [--scale K] [--lang cs|en] --desk OUT.png\n");
    return 2;
  }
  try {
    const vargo::ui::Translation& translation = vargo::lang::translationOf(language);
    if (std::string_view(arguments[0]) == "--desk") {
      writeDesk(scale, translation, arguments[1]);
      return 0;
    }
    Harness game(scale, translation);
    game.show("Vargo1");
    runSteps(game, scale, arguments.subspan(2));
    writePng(game, arguments[0], arguments[1]);
    return 0;
  } catch (const std::exception& e) {
    std::fprintf(stderr, "vargo_screenshot: %s\n", e.what());
    return 1;
  }
}
