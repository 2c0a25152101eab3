// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The handlers of a screen, each bound to a source and an event and named by the two joined with an
// underscore: Picture3 + Click is Picture3_Click, Form + Load is Form_Load, Timer1 + Timer is Timer1_Timer.

#include <functional>
#include <string_view>
#include <vector>

namespace vargo::ui {

class Host;
class Screen;

enum class EventKind { Load, Click, MouseMove, Timer };

// The surface of the screen itself, as a source of events.
inline constexpr std::string_view form = "Form";

struct Event {
  EventKind kind;
  std::string_view source;  // a widget's or timer's name, or form
};

using Handler = std::function<void(Host&, Screen&)>;

struct Binding {
  std::string_view source;
  EventKind kind;
  Handler handler;
};

// One instance per screen kind, kept for the whole run: members of a subclass are the screen-scope
// variables, which survive unloads.
class Behaviour {
 public:
  Behaviour() = default;
  explicit Behaviour(std::vector<Binding> bindings) : bindings_(std::move(bindings)) {}
  virtual ~Behaviour() = default;
  Behaviour(const Behaviour&) = delete;
  Behaviour& operator=(const Behaviour&) = delete;

  // Runs the handler bound to the event, if there is one; returns whether one ran.
  bool handle(const Event& event, Host& host, Screen& screen) const;
  bool handles(const Event& event) const;

  // A close request from the window system. No handler of the screen runs: the screen is unloaded.
  virtual void closeRequested(std::string_view kind, Host& host, Screen& screen);

 protected:
  void bind(std::string_view source, EventKind kind, Handler handler);

 private:
  const Binding* find(const Event& event) const;
  std::vector<Binding> bindings_;
};

}  // namespace vargo::ui
