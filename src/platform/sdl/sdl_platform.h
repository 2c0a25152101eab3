#pragma once
// The window system on SDL2: real borderless top-level windows, the mouse, cursors, the message box, an
// event wait that sleeps until input or a deadline, and a queued audio device.

#include <SDL.h>

#include <memory>
#include <optional>
#include <stdexcept>
#include <vector>

#include "platform/platform.h"
#include "platform/sdl/sdl_audio.h"

namespace vargo::platform {

// Raised when the game cannot open a display at all.
class NoDisplay : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

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
  void present(WindowId window, Pixels pixels, std::span<const ui::Rect> areas) override;
  CursorId createCursor(Pixels image, ui::Point hotSpot) override;
  void setCursor(SystemCursor cursor) override;
  void setCursor(CursorId cursor) override;
  void messageBox(std::string_view title, std::string_view text) override;
  std::optional<InputEvent> waitEvent(std::optional<std::uint32_t> timeoutMs) override;
  std::optional<AudioFormat> audioFormat() const override { return audio_->format(); }
  void replaceSound(std::vector<std::uint8_t> samples) override;

 private:
  std::optional<InputEvent> translate(const SDL_Event& event) const;

  std::vector<SDL_Cursor*> cursors_;  // index CursorId - 1
  SDL_Cursor* arrow_ = nullptr;
  SDL_Cursor* sizeAll_ = nullptr;
  SDL_Cursor* current_ = nullptr;
  std::optional<SdlAudio> audio_;  // made after SDL is up, gone before it shuts down
};

}  // namespace vargo::platform
