// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What a handler may ask of the running program: the screen registry's operations, sound, the message box
// and the clock. Screens are known by their kind's name ("level1", "Mise3", "nabíjení" ...).

#include <string_view>

#include "ui/clock.h"

namespace vargo::ui {

class Screen;

class Host {
 public:
  virtual ~Host() = default;

  // Loads the screen if needed (running its load handler), then shows, raises and activates it.
  virtual void show(std::string_view kind) = 0;
  // Destroys the screen's window, widgets and timers; the program ends when no screen is left loaded.
  virtual void unload(std::string_view kind) = 0;
  virtual void endProgram() = 0;
  // True when the screen is loaded and visible; never loads it.
  virtual bool isVisible(std::string_view kind) const = 0;
  virtual void setEnabled(std::string_view kind, bool enabled) = 0;
  virtual void setVisible(std::string_view kind, bool visible) = 0;
  // The live screen of a loaded kind, or nullptr.
  virtual Screen* loaded(std::string_view kind) = 0;

  virtual void playSound(std::string_view fileName) = 0;
  // The modal message box; no screen takes mouse input while it is open. It may return before the player
  // has closed it (on the desk it returns at once), so a handler does nothing after it.
  virtual void messageBox(std::string_view title, std::string_view text) = 0;
  virtual Millis now() const = 0;
};

}  // namespace vargo::ui
