// SPDX-License-Identifier: GPL-3.0-or-later
// The smallest SDL2 program that does what the game's start does: one window of the menu's size, one
// presented frame, then a wait for events until it is asked to quit. What it costs to start and to keep
// resident is what any SDL2 program costs on this machine; run.sh gives the game's figures as ratios to it.
//
//   vargo_bare_sdl WIDTH HEIGHT      prints "first frame at N ns" (the monotonic clock) on stderr

#include <SDL.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>

int main(int argc, char* argv[]) {
  if (argc != 3) {
    std::fprintf(stderr, "usage: vargo_bare_sdl WIDTH HEIGHT\n");
    return 2;
  }
  // A window surface, as the game draws, without loading OpenGL first.
  SDL_SetHint(SDL_HINT_FRAMEBUFFER_ACCELERATION, "0");
  if (SDL_Init(SDL_INIT_VIDEO) != 0) {
    std::fprintf(stderr, "vargo_bare_sdl: %s\n", SDL_GetError());
    return 1;
  }
  SDL_Window* window = SDL_CreateWindow("bare", SDL_WINDOWPOS_CENTERED, SDL_WINDOWPOS_CENTERED,
                                        std::atoi(argv[1]), std::atoi(argv[2]), SDL_WINDOW_BORDERLESS);
  SDL_Surface* surface = window == nullptr ? nullptr : SDL_GetWindowSurface(window);
  if (surface == nullptr) {
    std::fprintf(stderr, "vargo_bare_sdl: %s\n", SDL_GetError());
    return 1;
  }
  SDL_FillRect(surface, nullptr, SDL_MapRGB(surface->format, 0x80, 0x80, 0x80));
  SDL_UpdateWindowSurface(window);
  const auto now = std::chrono::steady_clock::now().time_since_epoch();
  std::fprintf(stderr, "first frame at %lld ns\n",
               static_cast<long long>(std::chrono::duration_cast<std::chrono::nanoseconds>(now).count()));
  SDL_Event event;
  while (SDL_WaitEvent(&event) != 0 && event.type != SDL_QUIT) {
  }
  SDL_DestroyWindow(window);
  SDL_Quit();
  return 0;
}
