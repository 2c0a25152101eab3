// SPDX-License-Identifier: GPL-3.0-or-later
// Long randomised play over the headless window system: random clicks, pointer moves, close requests and
// time steps on every loaded screen, with the rules that must always hold checked after every event. A
// game that ends is started again with a new registry. Beside it, one aimed game along the whole road.
//
//   VARGO_SEED=<n>            replays one run (the seed is printed by every run)
//   VARGO_RANDOM_EVENTS=<n>   how many events to play (100 000 by default)

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <deque>
#include <functional>
#include <iostream>
#include <map>
#include <memory>
#include <optional>
#include <random>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "app/screen_kinds.h"
#include "levels/level_catalogue.h"
#include "support/game_driver.h"
#include "support/harness.h"
#include "ui/counter.h"

namespace vargo::test {
namespace {

using levels::LevelDef;
using ui::Millis;

constexpr std::string_view kReload = "nabíjení";
constexpr std::string_view kReloadSound = "data/reload.wav";
constexpr Millis kLongestReload = 3000;

// Clicks that end the program, besides the exit label of every level.
struct WidgetOf {
  std::string_view screen;
  std::string_view widget;
};
constexpr WidgetOf kQuitButtons[] = {{"Vargo1", "Image2"}};
// Clicks that lead the player on through the front end; favoured so that play reaches the later levels.
constexpr WidgetOf kForward[] = {{"Vargo1", "Image1"}, {"Mise1", "Image1"}, {"Mise2", "Image1"},
                                 {"Mise3", "Image1"},  {"Mise4", "Image1"}, {"Mise5", "Image1"},
                                 {"win", "Image1"},    {"About", "Image1"}, {"Uniforma", "Label4"},
                                 {"akce", "Label3"}};

std::uint64_t envNumber(const char* name, std::uint64_t fallback) {
  const char* text = std::getenv(name);
  return text == nullptr ? fallback : std::strtoull(text, nullptr, 10);
}

const LevelDef* levelNamed(std::string_view kind) {
  for (const LevelDef& level : levels::levelCatalogue()) {
    if (level.name == kind)
      return &level;
  }
  return nullptr;
}

const levels::TargetSlot* slotOf(const LevelDef& level, std::string_view widget) {
  for (const levels::TargetSlot& slot : level.slots) {
    if (slot.target == widget)
      return &slot;
  }
  return nullptr;
}

bool endsProgram(std::string_view screen, std::string_view widget) {
  if (const LevelDef* level = levelNamed(screen))
    return level->exitLabel == widget;
  return std::ranges::any_of(kQuitButtons,
                             [&](const WidgetOf& q) { return q.screen == screen && q.widget == widget; });
}

bool isShot(const LevelDef& level, std::string_view widget) {
  return widget == ui::form || widget == levels::kLeftArea || widget == levels::kRightArea ||
         slotOf(level, widget) != nullptr;
}

// A counter caption as the game must write it: plain decimal, no sign, no leading zero.
std::optional<int> plainDecimal(const std::string& caption) {
  if (caption.empty() || caption.size() > 9 || (caption.size() > 1 && caption[0] == '0') ||
      !std::ranges::all_of(caption, [](char c) { return c >= '0' && c <= '9'; }))
    return std::nullopt;
  return ui::readCounter(caption);
}

// What the test can see of one loaded screen.
struct ScreenState {
  std::string kind;
  platform::WindowId window;
  bool enabled;
  std::vector<ui::Widget> widgets;
  std::vector<std::pair<bool, Millis>> timers;

  const std::string& caption(std::string_view widget) const {
    return std::ranges::find(widgets, widget, [](const ui::Widget& w) { return w.def->name; })->caption;
  }
  bool operator==(const ScreenState& o) const {
    return kind == o.kind && window == o.window && enabled == o.enabled && timers == o.timers &&
           std::ranges::equal(widgets, o.widgets, [](const ui::Widget& a, const ui::Widget& b) {
             return a.visible == b.visible && a.caption == b.caption && a.value == b.value;
           });
  }
};

struct GameState {
  std::map<std::string, ScreenState, std::less<>> screens;
  std::size_t sounds = 0;
  std::size_t messages = 0;
  int instances = 0;

  const ScreenState* find(std::string_view kind) const {
    auto it = screens.find(kind);
    return it == screens.end() ? nullptr : &it->second;
  }
  bool operator==(const GameState&) const = default;
};

GameState snapshot(Harness& h) {
  GameState state{{}, h.sound.played.size(), h.platform.messages().size(), h.registry.instanceCount()};
  for (const ui::ScreenKind& kind : app::screenKinds()) {
    ui::Screen* screen = h.registry.loaded(kind.name);
    if (screen == nullptr)
      continue;
    ScreenState s{
        std::string(kind.name), *h.registry.windowOf(kind.name), screen->enabled(), screen->widgets(), {}};
    for (const ui::Timer& t : screen->timers())
      s.timers.emplace_back(t.running(), t.running() ? t.deadline() : 0);
    state.screens.emplace(s.kind, std::move(s));
  }
  return state;
}

enum class Action { Press, Release, Move, Close, Quit, Wait };

struct Event {
  Action action;
  std::string screen;  // the screen whose window takes the input
  ui::Point at;
  Millis ms = 0;

  std::string describe() const {
    static constexpr const char* names[] = {"press", "release", "move", "close", "quit", "wait"};
    std::ostringstream out;
    out << names[static_cast<int>(action)] << ' ';
    if (action == Action::Wait)
      out << ms << " ms";
    else
      out << screen << " (" << at.x << ", " << at.y << ")";
    return out.str();
  }
};

// What the event means to the game, worked out from the state before it.
struct Meaning {
  std::optional<std::string> clicked;  // the widget (or the surface) a completed click reached
  bool ends = false;                   // the event must end the program
  bool disabledTarget = false;         // the input went to a disabled screen
};

// Chooses random events, biased towards what moves play on: visible targets, continue areas.
class EventSource {
 public:
  explicit EventSource(std::uint64_t seed) : rng_(seed) {}

  Event next(Harness& h) {
    const std::vector<std::string> loaded = h.loadedKinds();
    // A click is a press and, mostly at once, the release at the same place.
    if (release_ && std::ranges::find(loaded, release_->screen) != loaded.end() && chance(0.9))
      return *std::exchange(release_, std::nullopt);
    // Mostly the window in front; the reload screen's often over a level that takes no input.
    const std::string front = h.front();
    const std::string screen = chance(front == kReload ? 0.4 : 0.8) ? front : pick(loaded);
    const double roll = uniform();
    if (roll < 0.0002)
      return {Action::Quit, screen, {}};
    if (roll < 0.0012)
      return {Action::Close, screen, {}};
    if (roll < 0.25)
      return {Action::Wait, screen, {}, waitTime()};
    if (roll < 0.37)
      return {Action::Move, screen, anyPoint(h.screen(screen))};
    if (roll < 0.40)
      return {chance(0.5) ? Action::Press : Action::Release, screen, anyPoint(h.screen(screen))};
    const Event press{Action::Press, screen, clickPoint(h.screen(screen), screen)};
    release_ = Event{Action::Release, screen, press.at};
    return press;
  }

  bool chance(double p) { return uniform() < p; }
  std::string pick(const std::vector<std::string>& from) {
    return from[std::uniform_int_distribution<std::size_t>(0, from.size() - 1)(rng_)];
  }
  std::string firstScreen() {
    if (chance(0.5))
      return "Vargo1";
    std::vector<std::string> kinds;
    for (const ui::ScreenKind& k : app::screenKinds())
      kinds.emplace_back(k.name);
    return pick(kinds);
  }

 private:
  double uniform() { return std::uniform_real_distribution<double>(0.0, 1.0)(rng_); }
  int between(int low, int high) { return std::uniform_int_distribution<int>(low, high)(rng_); }

  // From 1 ms to 10 s, spread evenly over the orders of magnitude.
  Millis waitTime() { return static_cast<Millis>(std::pow(10.0, uniform() * 4.0)); }

  ui::Point anyPoint(const ui::Screen& s) {
    const ui::Size size = s.def().window.client;
    return {between(-4, size.width + 3), between(-4, size.height + 3)};
  }
  ui::Point inside(const ui::Rect& r) { return {between(r.x, r.right() - 1), between(r.y, r.bottom() - 1)}; }

  ui::Point clickPoint(const ui::Screen& s, std::string_view kind) {
    std::vector<const ui::Widget*> favoured;
    for (const ui::Widget& w : s.widgets()) {
      const LevelDef* level = levelNamed(kind);
      const bool target = w.visible && level != nullptr && slotOf(*level, w.def->name) != nullptr;
      const bool forward = std::ranges::any_of(
          kForward, [&](const WidgetOf& f) { return f.screen == kind && f.widget == w.def->name; });
      if (target || forward)
        favoured.push_back(&w);
    }
    if (!favoured.empty() && chance(0.7))
      return inside(favoured[between(0, static_cast<int>(favoured.size()) - 1)]->def->rect);
    if (!s.widgets().empty() && chance(0.05))
      return inside(s.widgets()[between(0, static_cast<int>(s.widgets().size()) - 1)].def->rect);
    return anyPoint(s);
  }

  std::mt19937_64 rng_;
  std::optional<Event> release_;
};

// What play reached, to show that it went deep.
struct Reached {
  std::map<std::string, long> completed;  // level -> completions
  long reloads = 0;
  long shots = 0;
};

// One game, played event by event with every rule checked against the state before the event.
class CheckedGame {
 public:
  CheckedGame(std::string_view first, Reached& reached) : h_(std::make_unique<Harness>()), reached_(reached) {
    h_->show(first);
    reloadSince(snapshot(*h_));
  }

  Harness& harness() { return *h_; }
  bool ended() const { return h_->registry.ended(); }
  long checks() const { return checks_; }

  // Plays the event; returns the first broken rule, if any.
  std::optional<std::string> play(const Event& e) {
    const GameState before = snapshot(*h_);
    const Meaning meaning = understand(e, before);
    if (e.action == Action::Wait)
      return wait(e.ms, before);
    apply(e);
    const GameState after = snapshot(*h_);
    reloadSince(before, after);
    forgetPresses(after);
    return firstFault({[&] { return oneInstancePerKind(after); },
                       [&] { return endsWhenItMust(meaning, after); },
                       [&] { return disabledScreenUntouched(meaning, before, after); },
                       [&] { return magazinesInRange(after); }, [&] { return reloadEndsInTime(after); },
                       [&] { return countersFollowShots(meaning, e, before, after); },
                       [&] { return soundsFollowShots(meaning, e, before, after); },
                       [&] { return completionAsScored(meaning, e, before, after); },
                       [&] { return levelsLockedOnlyByReload(after); }});
  }

 private:
  using Check = std::function<std::optional<std::string>()>;

  std::optional<std::string> firstFault(std::initializer_list<Check> checks) {
    for (const Check& check : checks) {
      ++checks_;
      if (auto fault = check())
        return fault;
    }
    return std::nullopt;
  }

  void apply(const Event& e) {
    switch (e.action) {
      case Action::Press:
      case Action::Release:
        h_->press(e.screen, e.at.x, e.at.y, e.action == Action::Press);
        break;
      case Action::Move:
        h_->move(e.screen, e.at.x, e.at.y);
        break;
      case Action::Close:
        h_->close(e.screen);
        break;
      case Action::Quit:
        h_->platform.push(platform::QuitRequest{});
        while (auto q = h_->platform.waitEvent(0))
          h_->registry.handle(*q);
        break;
      case Action::Wait:
        break;
    }
  }

  // A press on an enabled screen remembers the widget under it; the release over the same widget clicks it.
  // A widget that came up since the press does not take the release.
  Meaning understand(const Event& e, const GameState& before) {
    Meaning m;
    m.ends = e.action == Action::Quit;
    const ScreenState* target = before.find(e.screen);
    if (target == nullptr || e.action == Action::Wait || e.action == Action::Close ||
        e.action == Action::Quit)
      return m;
    m.disabledTarget = !target->enabled;
    if (m.disabledTarget || (e.action != Action::Press && e.action != Action::Release))
      return m;
    const ui::Screen& screen = h_->screen(e.screen);
    const bool inside = screen.contains(e.at);
    const std::optional<std::size_t> under = inside ? screen.hitTest(e.at) : std::nullopt;
    if (e.action == Action::Press) {
      if (inside)
        pressed_[target->window] = {under, shownWidgets(screen)};
      else
        pressed_.erase(target->window);
      return m;
    }
    auto it = pressed_.find(target->window);
    if (it != pressed_.end() && inside && it->second.widget == releasedOn(screen, e.at, it->second))
      m.clicked = it->second.widget ? std::string(screen.widgets()[*it->second.widget].def->name)
                                    : std::string(ui::form);
    pressed_.erase(target->window);
    m.ends = m.clicked && endsProgram(e.screen, *m.clicked);
    return m;
  }

  struct Press {
    std::optional<std::size_t> widget;  // nullopt: the surface
    std::vector<bool> shown;            // by widget index, at the press
  };
  static std::vector<bool> shownWidgets(const ui::Screen& screen) {
    std::vector<bool> shown;
    for (const ui::Widget& w : screen.widgets())
      shown.push_back(w.visible);
    return shown;
  }
  // The topmost widget under p, leaving out those that came up after the press.
  static std::optional<std::size_t> releasedOn(const ui::Screen& screen, ui::Point p, const Press& press) {
    for (std::size_t i : screen.stacking()) {
      const ui::Widget& w = screen.widgets()[i];
      if (w.visible && press.shown[i] && w.def->rect.contains(p))
        return i;
    }
    return std::nullopt;
  }

  // A disabled screen forgets a press, and a closed window has none.
  void forgetPresses(const GameState& after) {
    std::erase_if(pressed_, [&](const auto& p) {
      return std::ranges::none_of(
          after.screens, [&](const auto& s) { return s.second.window == p.first && s.second.enabled; });
    });
  }

  // Lets time pass, stopping at the latest moment a running reload must be over.
  std::optional<std::string> wait(Millis ms, const GameState& before) {
    const Millis until = h_->clock.now() + ms;
    GameState from = before;
    while (h_->clock.now() < until) {
      const Millis now = h_->clock.now();
      Millis step = until - now;
      if (reloadStart_ && *reloadStart_ + kLongestReload > now)
        step = std::min(step, *reloadStart_ + kLongestReload - now);
      h_->advance(step);
      const GameState after = snapshot(*h_);
      reloadSince(from, after);
      if (auto fault = firstFault(
              {[&] { return oneInstancePerKind(after); }, [&] { return ticksLoadNothing(from, after); },
               [&] { return endsWhenItMust({}, after); }, [&] { return magazinesInRange(after); },
               [&] { return reloadEndsInTime(after); },
               [&] {
                 return countersFollowShots({}, {Action::Wait, "", {}}, from, after);
               },
               [&] {
                 return soundsFollowShots({}, {Action::Wait, "", {}}, from, after);
               },
               [&] { return timersAllDue(after); }, [&] { return levelsLockedOnlyByReload(after); }}))
        return fault;
      from = after;
    }
    return std::nullopt;
  }

  void reloadSince(const GameState& now) {
    reloadStart_ = now.find(kReload) ? std::optional(h_->clock.now()) : std::nullopt;
  }
  void reloadSince(const GameState& before, const GameState& after) {
    const ScreenState* was = before.find(kReload);
    const ScreenState* is = after.find(kReload);
    if (is == nullptr)
      reloadStart_.reset();
    else if (was == nullptr || was->window != is->window)
      reloadStart_ = h_->clock.now();
  }

  std::optional<std::string> oneInstancePerKind(const GameState& s) const {
    std::set<platform::WindowId> windows;
    for (const auto& [kind, screen] : s.screens) {
      if (!windows.insert(screen.window).second)
        return kind + " shares a window with another screen";
      if (h_->platform.window(screen.window) == nullptr)
        return kind + " is loaded without a window";
    }
    if (h_->platform.windows().size() != s.screens.size())
      return "open windows (" + std::to_string(h_->platform.windows().size()) + ") and loaded screens (" +
             std::to_string(s.screens.size()) + ") differ";
    if (s.instances > static_cast<int>(app::screenKinds().size()) ||
        s.instances < static_cast<int>(s.screens.size()))
      return "instances: " + std::to_string(s.instances);
    return std::nullopt;
  }

  std::optional<std::string> endsWhenItMust(const Meaning& m, const GameState& after) const {
    const bool must = m.ends || after.screens.empty();
    if (h_->registry.ended() != must)
      return must ? "the program goes on though it must end" : "the program ended though it must go on";
    if (must && !after.screens.empty())
      return "screens stay loaded after the end";
    return std::nullopt;
  }

  std::optional<std::string> disabledScreenUntouched(const Meaning& m, const GameState& before,
                                                     const GameState& after) const {
    if (m.disabledTarget && !(before == after))
      return "input on a disabled screen changed the game";
    return std::nullopt;
  }

  std::optional<std::string> magazinesInRange(const GameState& s) const {
    for (const LevelDef& level : levels::levelCatalogue()) {
      const ScreenState* screen = s.find(level.name);
      if (screen == nullptr)
        continue;
      const std::string& caption = screen->caption(levels::kMagazineLabel);
      const auto count = plainDecimal(caption);
      if (!count || *count > ui::readCounter(level.magazine))
        return std::string(level.name) + " magazine shows \"" + caption + "\"";
      if (!plainDecimal(screen->caption(levels::kScoreLabel)))
        return std::string(level.name) + " score shows \"" + screen->caption(levels::kScoreLabel) + "\"";
    }
    return std::nullopt;
  }

  std::optional<std::string> reloadEndsInTime(const GameState& s) const {
    if (s.find(kReload) && reloadStart_ && h_->clock.now() > *reloadStart_ + kLongestReload)
      return "the reload screen is still up " + std::to_string(h_->clock.now() - *reloadStart_) + " ms on";
    return std::nullopt;
  }

  std::optional<std::string> levelsLockedOnlyByReload(const GameState& s) const {
    for (const auto& [kind, screen] : s.screens) {
      if (!screen.enabled && (levelNamed(kind) == nullptr || s.find(kReload) == nullptr))
        return kind + " is disabled with no reload running";
    }
    return std::nullopt;
  }

  // Magazine: a shot takes one cartridge, the end of a reload refills. Score: a hit adds its points, the
  // score label's reset sets 0, a fresh load starts at 0.
  std::optional<std::string> countersFollowShots(const Meaning& m, const Event& e, const GameState& before,
                                                 const GameState& after) const {
    const bool refilled = before.find(kReload) && !after.find(kReload);
    for (const LevelDef& level : levels::levelCatalogue()) {
      const ScreenState* was = before.find(level.name);
      const ScreenState* is = after.find(level.name);
      if (is == nullptr)
        continue;
      const std::string name(level.name);
      if (was == nullptr || was->window != is->window) {
        if (is->caption(levels::kScoreLabel) != "0" || is->caption(levels::kMagazineLabel) != level.magazine)
          return name + " loaded with counters other than its own";
        continue;
      }
      const bool here = e.screen == level.name && m.clicked;
      const int cartridges = ui::readCounter(was->caption(levels::kMagazineLabel));
      const bool shot = here && isShot(level, *m.clicked) && cartridges > 0;
      const int magazine = ui::readCounter(is->caption(levels::kMagazineLabel));
      const bool magazineOk = magazine == cartridges - (shot ? 1 : 0) ||
                              (refilled && is->caption(levels::kMagazineLabel) == level.magazine) ||
                              (here && cartridges == 0);
      if (!magazineOk)
        return name + " magazine went from " + std::to_string(cartridges) + " to " + std::to_string(magazine);
      const int oldScore = ui::readCounter(was->caption(levels::kScoreLabel));
      const int score = ui::readCounter(is->caption(levels::kScoreLabel));
      const levels::TargetSlot* hit = here ? slotOf(level, *m.clicked) : nullptr;
      const bool reset = here && level.scoreResets && *m.clicked == levels::kScoreLabel;
      const bool scoreOk = hit != nullptr && cartridges > 0 ? score == oldScore + hit->points
                           : reset                          ? score == 0
                                                            : score == oldScore;
      // A shot with an empty magazine may be refused or taken.
      const bool emptyShot = hit != nullptr && cartridges == 0 && score == oldScore + hit->points;
      if (!scoreOk && !emptyShot)
        return name + " score went from " + std::to_string(oldScore) + " to " + std::to_string(score);
    }
    return std::nullopt;
  }

  // Every shot sounds the level's shot once; the end of a reload sounds the reload; nothing else sounds.
  std::optional<std::string> soundsFollowShots(const Meaning& m, const Event& e, const GameState& before,
                                               const GameState& after) const {
    std::multiset<std::string> expected;
    const ScreenState* was = before.find(e.screen);
    if (const LevelDef* level = levelNamed(e.screen);
        level && was && m.clicked && isShot(*level, *m.clicked)) {
      if (ui::readCounter(was->caption(levels::kMagazineLabel)) > 0)
        expected.emplace(level->shotSound);
    }
    if (before.find(kReload) && !after.find(kReload) && !m.ends)
      expected.emplace(kReloadSound);
    reached_.reloads += static_cast<long>(expected.count(std::string(kReloadSound)));
    reached_.shots += static_cast<long>(expected.size() - expected.count(std::string(kReloadSound)));
    const auto& played = h_->sound.played;
    const std::multiset<std::string> got(played.begin() + static_cast<std::ptrdiff_t>(before.sounds),
                                         played.end());
    if (got != expected) {
      std::string list;
      for (const std::string& s : got)
        list += " " + s;
      return "unexpected sounds:" + (list.empty() ? std::string(" none") : list);
    }
    return std::nullopt;
  }

  // A hit on the completion target above the threshold hands over to the next screen; nothing else does.
  std::optional<std::string> completionAsScored(const Meaning& m, const Event& e, const GameState& before,
                                                const GameState& after) const {
    const LevelDef* level = levelNamed(e.screen);
    const ScreenState* was = before.find(e.screen);
    if (level == nullptr || was == nullptr || m.ends || e.action == Action::Close)
      return std::nullopt;
    const levels::TargetSlot* hit = m.clicked ? slotOf(*level, *m.clicked) : nullptr;
    const bool completes =
        hit != nullptr && hit->target == level->completionTarget &&
        ui::readCounter(was->caption(levels::kMagazineLabel)) > 0 &&
        ui::readCounter(was->caption(levels::kScoreLabel)) + hit->points > level->threshold;
    const bool left = after.find(level->name) == nullptr;
    if (completes && (!left || !after.find(level->nextScreen) || h_->front() != level->nextScreen))
      return std::string(level->name) + " completed without handing over to " +
             std::string(level->nextScreen);
    if (completes)
      ++reached_.completed[std::string(level->name)];
    if (!completes && left)
      return std::string(level->name) + " was left without being completed";
    return std::nullopt;
  }

  // Ticks come only from loaded screens: a time step loads nothing, and no due tick is left behind.
  std::optional<std::string> ticksLoadNothing(const GameState& before, const GameState& after) const {
    for (const auto& [kind, screen] : after.screens) {
      const ScreenState* was = before.find(kind);
      if (was == nullptr || was->window != screen.window)
        return kind + " was loaded by a timer tick";
    }
    return std::nullopt;
  }

  std::optional<std::string> timersAllDue(const GameState& s) const {
    std::optional<Millis> next;
    for (const auto& [kind, screen] : s.screens) {
      for (const auto& [running, deadline] : screen.timers) {
        if (running && deadline <= h_->clock.now())
          return kind + " has a tick that is due but was not delivered";
        if (running && (!next || deadline < *next))
          next = deadline;
      }
    }
    if (h_->registry.nextDeadline() != next)
      return "the next deadline is not that of a loaded screen's timer";
    return std::nullopt;
  }

  std::unique_ptr<Harness> h_;
  // Windows with the left button down inside them: the widget pressed, or the surface (nullopt).
  std::map<platform::WindowId, Press> pressed_;
  std::optional<Millis> reloadStart_;
  Reached& reached_;
  long checks_ = 0;
};

TEST(RandomPlay, EveryRuleHoldsAfterEveryEvent) {
  const std::uint64_t seed = envNumber("VARGO_SEED", std::random_device{}());
  const std::uint64_t events = envNumber("VARGO_RANDOM_EVENTS", 100'000);
  std::cout << "random play: seed " << seed << " (replay with VARGO_SEED=" << seed << "), " << events
            << " events\n";
  EventSource source(seed);
  std::deque<std::string> recent;
  std::map<std::string, long> visits;
  Reached reached;
  long games = 0;
  long checks = 0;
  auto game = std::make_unique<CheckedGame>(source.firstScreen(), reached);
  for (std::uint64_t i = 0; i < events; ++i) {
    if (game->ended()) {
      checks += game->checks();
      game = std::make_unique<CheckedGame>(source.firstScreen(), reached);
      ++games;
      recent.clear();
    }
    const Event e = source.next(game->harness());
    recent.push_back(e.describe());
    if (recent.size() > 12)
      recent.pop_front();
    ++visits[e.screen];
    std::optional<std::string> fault;
    try {
      fault = game->play(e);
    } catch (const std::exception& ex) {
      fault = std::string("exception: ") + ex.what();
    }
    if (fault) {
      std::string trail;
      for (const std::string& r : recent)
        trail += "\n  " + r;
      FAIL() << "event " << i << " of seed " << seed << ": " << *fault << "\nlast events:" << trail
             << "\nreplay with VARGO_SEED=" << seed;
    }
  }
  checks += game->checks();
  std::cout << "random play: " << games + 1 << " games, " << checks << " rule checks; events per screen:";
  for (const auto& [screen, n] : visits)
    std::cout << ' ' << screen << '=' << n;
  std::cout << "\nrandom play: " << reached.shots << " shots, " << reached.reloads << " reloads; completed:";
  for (const auto& [level, n] : reached.completed)
    std::cout << ' ' << level << '=' << n;
  std::cout << '\n';
  EXPECT_GT(visits.size(), 1U) << "play never left the first screens";
}

// ---- the whole road, played by a player who aims ----

TEST(FullGame, TheRoadThroughAllFiveLevelsAndOutThroughTheMenu) {
  Harness h;
  h.show("Vargo1");
  std::vector<std::string> left;
  GameDriver(h.registry, h.clock).playThrough([&](std::string_view screen) { left.emplace_back(screen); });
  long fewestHits = 0;
  for (const LevelDef& level : levels::levelCatalogue()) {
    EXPECT_EQ(std::ranges::count(left, level.name), 1) << level.name << " on the road";
    const int best = std::ranges::max(level.slots, {}, &levels::TargetSlot::points).points;
    fewestHits += level.threshold / best + 1;
  }
  const auto shots =
      std::ranges::count_if(h.sound.played, [](const std::string& s) { return s != kReloadSound; });
  EXPECT_GE(shots, fewestHits) << "every level took at least the hits its threshold asks for";
  EXPECT_TRUE(h.registry.ended());
  EXPECT_TRUE(h.platform.windows().empty());
}

}  // namespace
}  // namespace vargo::test
