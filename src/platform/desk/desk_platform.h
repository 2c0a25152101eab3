// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The desk: the game's windows standing on one window of another platform, the host (the SDL backend's
// window for `vargo --desk`, a browser's canvas). The desk is 1024 x 768 logical pixels, k times as many
// device pixels at scale k, and its windows stand on it as they would on a desktop of that size: placed,
// stacked, shown and hidden here, painted each into pixels of its own and composed into the host's window,
// which is shown only where the desk changed.
//
// The mouse on the host goes to the window under it, in that window's pixels; a press belongs to the window
// it started in, which also gets the release. The message box is a window of the desk's own, in front of
// the others; it does not wait for the player (a browser's loop cannot wait): it opens and returns, input
// to the windows under it is dropped while it is open, and its OK button closes it.
//
//   platform::SdlPlatform host;
//   media::DialogText words(fonts, scale);
//   platform::DeskPlatform desk(host, scale.k, words);
//   // ... the game runs on `desk`, the sound on the host.

#include <optional>
#include <variant>
#include <vector>

#include "platform/desk/box_text.h"
#include "platform/desk/desk_stack.h"
#include "platform/desk/message_window.h"

namespace vargo::platform {

class DeskPlatform final : public Platform {
 public:
  static constexpr ui::Size kDesk{1024, 768};  // logical pixels

  // Opens the desk's window on the host, kDesk times `scale` device pixels, centred, and shows it. The box's
  // words are drawn with `words`. Both must outlive the desk, which closes its window when it goes.
  DeskPlatform(Platform& host, int scale, BoxText& words);
  ~DeskPlatform() override;
  DeskPlatform(const DeskPlatform&) = delete;
  DeskPlatform& operator=(const DeskPlatform&) = delete;

  WindowId hostWindow() const { return hostWindow_; }
  // For tests: the windows on the desk, and the message box's window while it is open.
  const DeskStack& windows() const { return windows_; }
  std::optional<WindowId> messageWindow() const;

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
  // Shows what changed on the desk, then the next input for the game's windows. An event the desk takes for
  // itself (a click on the ground or on the box, an exposed host window) ends the wait: what is queued
  // behind it is still looked at, then the wait ends with nothing.
  std::optional<InputEvent> waitEvent(std::optional<std::uint32_t> timeoutMs) override;
  // Composes what changed since the last time onto the host's window and presents it; every wait does it
  // first, and a loop that stops without waiting again calls it itself.
  void flush();

 private:
  using Cursor = std::variant<SystemCursor, CursorId>;
  struct Box {
    WindowId window;
    MessageLayout layout;
    bool pressed = false;  // the press started on OK
  };

  void damage(const ui::Rect& area);
  void damageWindow(WindowId window);
  void keepBoxInFront();
  void closeBox();
  std::optional<InputEvent> route(const InputEvent& event);
  std::optional<InputEvent> on(const MouseButton& button);
  std::optional<InputEvent> on(const MouseMove& move);
  std::optional<InputEvent> on(const CloseRequest& request);
  std::optional<InputEvent> on(const QuitRequest& request);
  std::optional<InputEvent> on(const Exposed& exposed);
  void onBox(const MouseButton& button);
  // A move for the game's window that came to stand under a pointer that did not move.
  std::optional<InputEvent> enteredUnderPointer();
  // The game's window under the pointer; none over the ground or while the box is open.
  const DeskStack::Window* underPointer() const;
  void showCursor();

  Platform& host_;
  int scale_;
  BoxText& words_;
  WindowId hostWindow_;
  DeskStack windows_;
  std::vector<ui::Rect> damaged_;  // desk areas to compose and present anew
  std::optional<Box> box_;
  std::optional<WindowId> pressedIn_;    // the window holding the press
  std::optional<ui::Point> pointer_;     // on the desk
  std::optional<WindowId> entered_;      // the window the last move went to
  Cursor wanted_ = SystemCursor::Arrow;  // the cursor the game last set, for its window under the pointer
};

}  // namespace vargo::platform
