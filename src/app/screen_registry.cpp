// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/screen_registry.h"

#include <algorithm>
#include <new>
#include <stdexcept>
#include <utility>

#include "ui/timer_queue.h"

namespace vargo::app {

namespace {

// Counts a running handler for as long as it lives.
class HandlerRunning {
 public:
  explicit HandlerRunning(int& count) : count_(count) { ++count_; }
  ~HandlerRunning() { --count_; }
  HandlerRunning(const HandlerRunning&) = delete;
  HandlerRunning& operator=(const HandlerRunning&) = delete;

 private:
  int& count_;
};

}  // namespace

ScreenRegistry::ScreenRegistry(std::span<const ui::ScreenKind> kinds, platform::Platform& platform,
                               media::SoundPlayer& sound, const ui::Clock& clock, media::Scale scale,
                               const ui::Translation& translation)
    : platform_(platform),
      sound_(sound),
      clock_(clock),
      scale_(scale),
      translation_(translation),
      pointers_(platform, scale) {
  for (const ui::ScreenKind& kind : kinds)
    slots_.push_back({&kind, nullptr, nullptr, std::nullopt});
}

ScreenRegistry::~ScreenRegistry() {
  closeAll();
}

ScreenRegistry::Slot& ScreenRegistry::slot(std::string_view kind) {
  auto it = std::find_if(slots_.begin(), slots_.end(), [&](const Slot& s) { return s.kind->name == kind; });
  if (it == slots_.end())
    throw std::logic_error("no screen kind " + std::string(kind));
  return *it;
}

const ScreenRegistry::Slot& ScreenRegistry::slot(std::string_view kind) const {
  return const_cast<ScreenRegistry*>(this)->slot(kind);
}

ScreenRegistry::Slot* ScreenRegistry::slotOfWindow(platform::WindowId window) {
  auto it = std::find_if(slots_.begin(), slots_.end(),
                         [&](const Slot& s) { return s.loaded && s.loaded->window() == window; });
  return it == slots_.end() ? nullptr : &*it;
}

void ScreenRegistry::load(Slot& s) {
  s.loaded = std::make_unique<LoadedScreen>(*s.kind->def, clock_, platform_, scale_, translation_,
                                            std::exchange(s.decoded, std::nullopt));
  run(s, {ui::EventKind::Load, ui::form});
}

void ScreenRegistry::giveDecoded(std::string_view kind, media::ScreenPictures pictures) {
  slot(kind).decoded = std::move(pictures);
}

void ScreenRegistry::show(std::string_view kind) {
  if (ended_)
    return;
  Slot& s = slot(kind);
  if (!s.behaviour)
    s.behaviour = s.kind->makeBehaviour();
  if (!s.loaded)
    load(s);
  if (!s.loaded)
    return;  // its load handler unloaded it again
  s.visible = true;
  raises_.push_back(s.loaded->window());
  // Inside a handler the present waits until it has returned and the screens it unloaded are gone: a
  // screen that shows the next and unloads itself never holds its pixels beside the next one's window.
  if (running_ == 0)
    present();
}

void ScreenRegistry::unload(std::string_view kind) {
  Slot& s = slot(kind);
  if (!s.loaded)
    return;
  platform_.closeWindow(s.loaded->window());
  unloaded_.push_back(std::move(s.loaded));
  s.visible = false;
  if (std::none_of(slots_.begin(), slots_.end(), [](const Slot& other) { return other.loaded != nullptr; }))
    ended_ = true;
}

void ScreenRegistry::endProgram() {
  ended_ = true;
  closeAll();
}

void ScreenRegistry::closeAll() {
  for (Slot& s : slots_) {
    if (!s.loaded)
      continue;
    platform_.closeWindow(s.loaded->window());
    unloaded_.push_back(std::move(s.loaded));
    s.visible = false;
  }
}

bool ScreenRegistry::isVisible(std::string_view kind) const {
  const Slot& s = slot(kind);
  return s.loaded && s.visible;
}

void ScreenRegistry::setEnabled(std::string_view kind, bool enabled) {
  Slot& s = slot(kind);
  if (!s.loaded)
    return;
  s.loaded->setEnabled(enabled);
}

void ScreenRegistry::setVisible(std::string_view kind, bool visible) {
  Slot& s = slot(kind);
  if (!s.loaded || s.visible == visible)
    return;
  s.visible = visible;
  platform_.setWindowShown(s.loaded->window(), visible);
}

ui::Screen* ScreenRegistry::loaded(std::string_view kind) {
  Slot& s = slot(kind);
  return s.loaded ? &s.loaded->screen() : nullptr;
}

void ScreenRegistry::playSound(std::string_view fileName) {
  // A sound the world cannot play (a file, the device, memory) is never the game's problem; a fault in the
  // game's own code still surfaces.
  try {
    sound_.playSound(fileName);
  } catch (const std::runtime_error&) {
  } catch (const std::bad_alloc&) {
  }
}

void ScreenRegistry::messageBox(std::string_view title, std::string_view text) {
  platform_.messageBox(translation_.text(title), translation_.text(text));
}

void ScreenRegistry::run(Slot& s, const ui::Event& event) {
  if (ended_ || !s.loaded)
    return;
  const HandlerRunning running(running_);
  s.behaviour->handle(event, *this, s.loaded->screen());
}

void ScreenRegistry::handle(const platform::InputEvent& event) {
  if (ended_)
    return;
  std::visit([this](const auto& e) { on(e); }, event);
  afterDispatch();
}

void ScreenRegistry::on(const platform::MouseButton& button) {
  if (Slot* s = slotOfWindow(button.window)) {
    if (auto click = s->loaded->button(scale_.logical(button.at), button.pressed))
      run(*s, *click);
  }
}

void ScreenRegistry::on(const platform::MouseMove& move) {
  lastMouse_ = platform::MouseMove{move.window, scale_.logical(move.at)};
  if (Slot* s = slotOfWindow(move.window)) {
    if (auto event = s->loaded->move(lastMouse_->at))
      run(*s, *event);
  }
}

void ScreenRegistry::on(const platform::CloseRequest& request) {
  if (Slot* s = slotOfWindow(request.window)) {
    const HandlerRunning running(running_);
    s->behaviour->closeRequested(s->kind->name, *this, s->loaded->screen());
  }
}

void ScreenRegistry::on(const platform::QuitRequest&) {
  endProgram();
}

void ScreenRegistry::on(const platform::Exposed& exposed) {
  if (Slot* s = slotOfWindow(exposed.window))
    s->loaded->screen().markDirty(ui::clientArea(*s->kind->def));
}

void ScreenRegistry::updatePointer() {
  if (!lastMouse_)
    return;
  Slot* s = slotOfWindow(lastMouse_->window);
  if (s == nullptr || !s->loaded->screen().contains(lastMouse_->at))
    return;
  pointers_.show(s->loaded->screen().pointerAt(lastMouse_->at));
}

void ScreenRegistry::afterDispatch() {
  unloaded_.clear();
  updatePointer();
}

std::vector<ui::Screen*> ScreenRegistry::loadedScreens() const {
  std::vector<ui::Screen*> screens;
  for (const Slot& s : slots_) {
    if (s.loaded)
      screens.push_back(&s.loaded->screen());
  }
  return screens;
}

std::optional<ui::Millis> ScreenRegistry::nextDeadline() const {
  return ui::nextDeadline(loadedScreens());
}

void ScreenRegistry::fireDueTimers() {
  while (!ended_) {
    const ui::Millis now = clock_.now();
    const auto due = ui::firstDue(loadedScreens(), now);
    if (!due)
      break;
    due->timer->rearm(now);
    auto s = std::find_if(slots_.begin(), slots_.end(),
                          [&](const Slot& s) { return s.loaded && &s.loaded->screen() == due->screen; });
    run(*s, {ui::EventKind::Timer, due->timer->name()});
    unloaded_.clear();
  }
  updatePointer();
}

void ScreenRegistry::runUntil(ui::ManualClock& clock, ui::Millis until) {
  while (const auto next = nextDeadline()) {
    if (*next > until)
      break;
    clock.set(std::max(*next, clock.now()));
    fireDueTimers();
  }
  clock.set(until);
  fireDueTimers();
  present();
}

// Windows are raised, in the order they were shown, once their frames are painted: a new window never
// shows what stood on the screen before it.
void ScreenRegistry::present() {
  for (Slot& s : slots_) {
    if (s.loaded)
      s.loaded->present(fonts_);
  }
  for (const platform::WindowId window : std::exchange(raises_, {})) {
    if (slotOfWindow(window) != nullptr)
      platform_.raiseWindow(window);
  }
}

int ScreenRegistry::instanceCount() const {
  return static_cast<int>(
      std::count_if(slots_.begin(), slots_.end(), [](const Slot& s) { return s.behaviour != nullptr; }));
}

std::optional<platform::WindowId> ScreenRegistry::windowOf(std::string_view kind) const {
  const Slot& s = slot(kind);
  return s.loaded ? std::optional(s.loaded->window()) : std::nullopt;
}

}  // namespace vargo::app
