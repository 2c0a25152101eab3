// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The window system in memory, for tests and offline rendering: windows are pixel buffers, input is queued
// by the caller, and pointers and message boxes are recorded.

#include <deque>
#include <map>
#include <variant>

#include "platform/platform.h"

namespace vargo::platform {

class HeadlessPlatform final : public Platform {
 public:
  struct Window {
    WindowSpec spec;
    bool shown = false;
    std::vector<std::uint32_t> pixels;  // the presented client area, ARGB
    std::vector<std::uint32_t> canvas;  // the client area as painted; made by the first canvas()
    bool hasIcon = false;
    ui::Size icon;
    int presents = 0;
    std::vector<ui::Rect> presented;  // the areas of the last present

    std::uint32_t pixel(int x, int y) const {
      return pixels[static_cast<std::size_t>(y) * spec.client.width + x];
    }
  };
  struct Message {
    std::string title;
    std::string text;
  };
  using Cursor = std::variant<SystemCursor, CursorId>;
  struct CursorImage {
    ui::Size size;
    ui::Point hotSpot;
  };

  // Input for the game to take from waitEvent, in order.
  void push(InputEvent event) { queue_.push_back(event); }

  // Open windows by id; the last of stacking() is in front.
  const std::map<WindowId, Window>& windows() const { return windows_; }
  const Window* window(WindowId id) const;
  const std::vector<WindowId>& stacking() const { return stacking_; }
  const Cursor& cursor() const { return cursor_; }
  const std::vector<Message>& messages() const { return messages_; }
  // The images of the cursors made, by CursorId - 1.
  const std::vector<CursorImage>& cursorImages() const { return cursorImages_; }

  WindowId openWindow(const WindowSpec& spec) override;
  void closeWindow(WindowId window) override;
  void raiseWindow(WindowId window) override;
  void setWindowShown(WindowId window, bool shown) override;
  void setWindowIcon(WindowId window, Pixels icon) override;
  Canvas canvas(WindowId window) override;
  void present(WindowId window, std::span<const ui::Rect> areas) override;
  CursorId createCursor(Pixels image, ui::Point hotSpot) override;
  void setCursor(SystemCursor cursor) override { cursor_ = cursor; }
  void setCursor(CursorId cursor) override { cursor_ = cursor; }
  void messageBox(std::string_view title, std::string_view text) override;
  std::optional<InputEvent> waitEvent(std::optional<std::uint32_t> timeoutMs) override;

 private:
  static void show(Window& w);

  std::map<WindowId, Window> windows_;
  std::vector<WindowId> stacking_;
  std::deque<InputEvent> queue_;
  Cursor cursor_ = SystemCursor::Arrow;
  std::vector<Message> messages_;
  std::vector<CursorImage> cursorImages_;
  WindowId nextWindow_ = 1;
  CursorId nextCursor_ = 1;
};

}  // namespace vargo::platform
