// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The window system as the game sees it: borderless top-level windows that show painted pixels, the mouse,
// pointers, the modal message box and the event wait (sound_output.h is the sound). Implemented with SDL2 for
// the real game and in memory for tests.

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "ui/geometry.h"

namespace vargo::platform {

using WindowId = std::uint32_t;
using CursorId = std::uint32_t;

// A view of 32-bit ARGB pixels, rows `pitch` pixels apart.
struct Pixels {
  const std::uint32_t* data = nullptr;
  int width = 0;
  int height = 0;
  int pitch = 0;

  std::uint32_t at(int x, int y) const { return data[static_cast<std::size_t>(y) * pitch + x]; }
};

// A window's client area, which the game paints in place: 32-bit pixels, rows `pitch` pixels apart, red in
// bits 16-23, green in 8-15 and blue in 0-7; the top byte is not shown.
struct Canvas {
  std::uint32_t* data = nullptr;
  int width = 0;
  int height = 0;
  int pitch = 0;
  bool fresh = false;  // a new buffer: nothing painted before is in it
};

struct WindowSpec {
  std::string title;
  ui::Size client;
  std::optional<ui::Point> position;  // desktop position of the client area; centred when empty
};

enum class SystemCursor { Arrow, SizeAll };

struct MouseButton {
  WindowId window;
  ui::Point at;
  bool pressed;  // false: released
};
struct MouseMove {
  WindowId window;
  ui::Point at;
};
struct CloseRequest {
  WindowId window;
};
struct QuitRequest {};
// The window's contents were lost (uncovered, or mapped again) and must be presented anew.
struct Exposed {
  WindowId window;
};

using InputEvent = std::variant<MouseButton, MouseMove, CloseRequest, QuitRequest, Exposed>;

class Platform {
 public:
  virtual ~Platform() = default;

  virtual WindowId openWindow(const WindowSpec& spec) = 0;
  virtual void closeWindow(WindowId window) = 0;
  // Shows the window, brings it to the front and activates it.
  virtual void raiseWindow(WindowId window) = 0;
  virtual void setWindowShown(WindowId window, bool shown) = 0;
  virtual void setWindowIcon(WindowId window, Pixels icon) = 0;
  // The window's client pixels, to paint in; valid until the window closes or the next call.
  virtual Canvas canvas(WindowId window) = 0;
  // Shows the given areas of the painted client pixels in the window.
  virtual void present(WindowId window, std::span<const ui::Rect> areas) = 0;

  virtual CursorId createCursor(Pixels image, ui::Point hotSpot) = 0;
  virtual void setCursor(SystemCursor cursor) = 0;
  virtual void setCursor(CursorId cursor) = 0;

  // The modal message box with one OK button; mouse input made while it is open is dropped. It returns when
  // the player has closed it, or at once where the loop cannot wait (the desk's box closes on its own OK).
  virtual void messageBox(std::string_view title, std::string_view text) = 0;

  // The next input event, waiting at most timeoutMs (forever when empty); nullopt when the time ran out, or
  // sooner when the platform took the input for itself (the desk's clicks on its ground or its box).
  virtual std::optional<InputEvent> waitEvent(std::optional<std::uint32_t> timeoutMs) = 0;
};

}  // namespace vargo::platform
