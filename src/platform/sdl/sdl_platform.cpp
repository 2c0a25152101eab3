// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/sdl/sdl_platform.h"

#include <SDL.h>

#include <algorithm>
#include <cstdio>
#include <string>

#include "platform/sdl/desktop_quirks.h"
#include "platform/sdl/sdl_audio.h"

namespace vargo::platform {

namespace {

// SDL quietly falls back to drivers that show nothing when there is no display; only a player who asked for
// one of them on purpose (SDL_VIDEODRIVER) gets it.
bool invisibleDriver(const char* driver) {
  const std::string name = driver == nullptr ? "" : driver;
  return name == "offscreen" || name == "dummy" || name == "evdev";
}

bool askedForDriver(const char* driver) {
  const char* wanted = SDL_getenv("SDL_VIDEODRIVER");
  return wanted != nullptr && driver != nullptr && SDL_strcasecmp(wanted, driver) == 0;
}

SDL_Window* windowOf(WindowId id) {
  return SDL_GetWindowFromID(id);
}

}  // namespace

std::optional<InputEvent> translateEvent(const SDL_Event& e) {
  switch (e.type) {
    case SDL_MOUSEBUTTONDOWN:
    case SDL_MOUSEBUTTONUP:
      if (e.button.button != SDL_BUTTON_LEFT)
        return std::nullopt;
      return MouseButton{e.button.windowID, {e.button.x, e.button.y}, e.type == SDL_MOUSEBUTTONDOWN};
    case SDL_MOUSEMOTION:
      return MouseMove{e.motion.windowID, {e.motion.x, e.motion.y}};
    case SDL_QUIT:
      return QuitRequest{};
    case SDL_WINDOWEVENT:
      if (e.window.event == SDL_WINDOWEVENT_CLOSE)
        return CloseRequest{e.window.windowID};
      if (e.window.event == SDL_WINDOWEVENT_EXPOSED || e.window.event == SDL_WINDOWEVENT_SHOWN ||
          e.window.event == SDL_WINDOWEVENT_SIZE_CHANGED) {
        return Exposed{e.window.windowID};
      }
      return std::nullopt;
    default:
      return std::nullopt;
  }
}

void prepareForThreads() {
  SDL_version linked;
  SDL_GetVersion(&linked);
  oneHeapForEveryThread();
}

SdlPlatform::Video::Video() {
  SDL_SetHint(SDL_HINT_MOUSE_FOCUS_CLICKTHROUGH, "1");
  SDL_SetHint(SDL_HINT_QUIT_ON_LAST_WINDOW_CLOSE, "0");
  SDL_SetHint(SDL_HINT_VIDEO_ALLOW_SCREENSAVER, "1");
  // Window surfaces go straight to the window system. Without this SDL first opens a hidden OpenGL
  // window to decide, which loads the GL driver: about 90 MB more resident memory and a slower start.
  SDL_SetHint(SDL_HINT_FRAMEBUFFER_ACCELERATION, "0");
  quietDesktopLibraries();
  returnFreedBuffersToTheSystem();
  if (SDL_Init(SDL_INIT_VIDEO) != 0) {
    throw NoDisplay(std::string("no display available (") + SDL_GetError() + ")");
  }
  const char* driver = SDL_GetCurrentVideoDriver();
  if (invisibleDriver(driver) && !askedForDriver(driver)) {
    SDL_Quit();
    throw NoDisplay("no display available (is DISPLAY or WAYLAND_DISPLAY set?)");
  }
}

SdlPlatform::Video::~Video() {
  SDL_Quit();
}

SdlPlatform::SdlPlatform() : audio_(std::make_unique<SdlAudio>()) {}

SdlPlatform::~SdlPlatform() = default;

WindowId SdlPlatform::openWindow(const WindowSpec& spec) {
  ui::Point at{spec.position ? spec.position->x : int{SDL_WINDOWPOS_CENTERED},
               spec.position ? spec.position->y : int{SDL_WINDOWPOS_CENTERED}};
  if (desktop_)
    at = placeOn(*desktop_, spec.client, spec.position);
  SDL_Window* window = SDL_CreateWindow(spec.title.c_str(), at.x, at.y, spec.client.width, spec.client.height,
                                        SDL_WINDOW_BORDERLESS | SDL_WINDOW_HIDDEN);
  if (window == nullptr)
    throw NoDisplay(std::string("cannot open a window (") + SDL_GetError() + ")");
  return SDL_GetWindowID(window);
}

void SdlPlatform::closeWindow(WindowId window) {
  canvases_.forget(window);
  if (SDL_Window* w = windowOf(window))
    SDL_DestroyWindow(w);
}

void SdlPlatform::raiseWindow(WindowId window) {
  if (SDL_Window* w = windowOf(window)) {
    show(w, window);
    SDL_RaiseWindow(w);
  }
}

void SdlPlatform::setWindowShown(WindowId window, bool shown) {
  if (SDL_Window* w = windowOf(window))
    shown ? show(w, window) : SDL_HideWindow(w);
}

// SDL maps a window and waits until it is; a frame presented while it was not mapped is presented again,
// so that the window shows it from its first moment on the screen.
void SdlPlatform::show(SDL_Window* w, WindowId window) {
  const bool hidden = (SDL_GetWindowFlags(w) & SDL_WINDOW_SHOWN) == 0;
  SDL_ShowWindow(w);
  if (hidden)
    canvases_.presentAgain(w, window);
}

void SdlPlatform::setWindowIcon(WindowId window, Pixels icon) {
  SDL_Window* w = windowOf(window);
  const sdl::SurfacePtr surface = sdl::wrap(icon);
  if (w != nullptr && surface)
    SDL_SetWindowIcon(w, surface.get());
}

Canvas SdlPlatform::canvas(WindowId window) {
  SDL_Window* w = windowOf(window);
  if (w == nullptr)
    throw std::logic_error("no window " + std::to_string(window) + " to paint in");
  return canvases_.canvas(w, window);
}

void SdlPlatform::present(WindowId window, std::span<const ui::Rect> areas) {
  if (SDL_Window* w = windowOf(window))
    canvases_.present(w, window, areas);
}

CursorId SdlPlatform::createCursor(Pixels image, ui::Point hotSpot) {
  const sdl::SurfacePtr surface = sdl::wrap(image);
  cursors_.emplace_back(surface ? SDL_CreateColorCursor(surface.get(), hotSpot.x, hotSpot.y) : nullptr);
  return static_cast<CursorId>(cursors_.size());
}

void SdlPlatform::setCursor(SystemCursor cursor) {
  select(systemCursor(cursor));
}

// A cursor SDL could not make shows the arrow.
void SdlPlatform::setCursor(CursorId cursor) {
  SDL_Cursor* c = cursor >= 1 && cursor <= cursors_.size() ? cursors_[cursor - 1].get() : nullptr;
  select(c != nullptr ? c : systemCursor(SystemCursor::Arrow));
}

// The system's cursors are read from its cursor theme when first shown, not on the way to the first frame.
SDL_Cursor* SdlPlatform::systemCursor(SystemCursor cursor) {
  const bool sizeAll = cursor == SystemCursor::SizeAll;
  sdl::CursorPtr& made = sizeAll ? sizeAll_ : arrow_;
  if (!made)
    made.reset(SDL_CreateSystemCursor(sizeAll ? SDL_SYSTEM_CURSOR_SIZEALL : SDL_SYSTEM_CURSOR_ARROW));
  return made.get();
}

void SdlPlatform::select(SDL_Cursor* cursor) {
  if (cursor != current_)
    SDL_SetCursor(cursor);
  current_ = cursor;
}

void SdlPlatform::messageBox(std::string_view title, std::string_view text) {
  const std::string t(title);
  const std::string m(text);
  const QuitSignalsEndAtOnce quitWhileOpen;
  const bool shown = SDL_ShowSimpleMessageBox(0, t.c_str(), m.c_str(), nullptr) == 0;
  const std::string error = SDL_GetError();
  // The box is modal: clicks made while it was open are dropped, not replayed on the screens behind it.
  // A display that went away meanwhile ends the game here, with its own line.
  SDL_PumpEvents();
  SDL_FlushEvents(SDL_MOUSEMOTION, SDL_MOUSEWHEEL);
  if (!shown) {
    // Neither zenity nor X core fonts: say so, and give the text where it can still be read.
    std::fprintf(stderr, "vargo: cannot show the message box (%s)\n%s:\n%s\n", error.c_str(), t.c_str(),
                 m.c_str());
  }
}

SoundOutput& SdlPlatform::sound() {
  return *audio_;
}

std::optional<std::uint32_t> SdlPlatform::msUntilSoundIdle() {
  return audio_->msUntilIdle();
}

}  // namespace vargo::platform
