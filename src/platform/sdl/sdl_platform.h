// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The window system on SDL2: real borderless top-level windows, the mouse, cursors, the message box, an
// event wait that sleeps until input or a deadline (sdl_event_wait_*.cpp: the browser never waits), and
// a queued audio device.

#include <memory>
#include <optional>
#include <stdexcept>
#include <vector>

#include "platform/platform.h"
#include "platform/sdl/desktop_scale.h"
#include "platform/sdl/sdl_ptrs.h"
#include "platform/sdl/window_canvas.h"
#include "platform/sound_output.h"

union SDL_Event;

namespace vargo::platform {

class SdlAudio;

// Raised when the game cannot open a display at all.
class NoDisplay : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// Call on the main thread before the game starts a thread of its own. SDL fills in the table of its entry
// points at the first call to any of them, and its other callers read it without a lock: that call is made
// here. And every thread then takes its memory from the one heap (desktop_quirks.h).
void prepareForThreads();

// The game's input event for an SDL event; nothing for those the game does not take.
std::optional<InputEvent> translateEvent(const SDL_Event& e);

class SdlPlatform final : public Platform {
 public:
  SdlPlatform();
  ~SdlPlatform() override;
  SdlPlatform(const SdlPlatform&) = delete;
  SdlPlatform& operator=(const SdlPlatform&) = delete;

  WindowId openWindow(const WindowSpec& spec) override;
  void closeWindow(WindowId window) override;
  void raiseWindow(WindowId window) override;
  void setWindowShown(WindowId window, bool shown) override;
  void setWindowIcon(WindowId window, Pixels icon) override;
  Canvas canvas(WindowId window) override;
  void present(WindowId window, std::span<const ui::Rect> areas) override;
  CursorId createCursor(Pixels image, ui::Point hotSpot) override;
  void setCursor(SystemCursor cursor) override;
  void setCursor(CursorId cursor) override;
  void messageBox(std::string_view title, std::string_view text) override;
  std::optional<InputEvent> waitEvent(std::optional<std::uint32_t> timeoutMs) override;
  // The sound output, which lives as long as the platform.
  SoundOutput& sound();
  // Milliseconds until the silent sound device may be closed, nullopt when it is closed: a loop that does
  // not wait here (the browser's) comes back then, as this platform's own wait does.
  std::optional<std::uint32_t> msUntilSoundIdle();
  // The part of the desktop that windows opened from now on stand on; without it SDL centres them on its
  // first display.
  void standOn(const Desktop& desktop) { desktop_ = desktop; }

 private:
  // SDL's video subsystem: started first and shut down last, after every resource below is freed.
  struct Video {
    Video();
    ~Video();
    Video(const Video&) = delete;
    Video& operator=(const Video&) = delete;
  };
  void select(SDL_Cursor* cursor);
  SDL_Cursor* systemCursor(SystemCursor cursor);
  void show(SDL_Window* w, WindowId window);

  Video video_;
  sdl::CursorPtr arrow_;  // made by its first use, as is sizeAll_
  sdl::CursorPtr sizeAll_;
  std::vector<sdl::CursorPtr> cursors_;  // index CursorId - 1; empty where SDL could not make one
  SDL_Cursor* current_ = nullptr;
  std::optional<Desktop> desktop_;
  WindowCanvases canvases_;
  std::unique_ptr<SdlAudio> audio_;  // made after SDL is up, gone before it shuts down
};

}  // namespace vargo::platform
