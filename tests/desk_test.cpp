// SPDX-License-Identifier: GPL-3.0-or-later
// The desk: windows placed, stacked and shown on one host window, the mouse routed to the window under it,
// only changed areas presented, the message box that blocks the windows under it, and the whole game on it.

#include <gtest/gtest.h>

#include <algorithm>

#include "app/screen_kinds.h"
#include "platform/desk/desk_compose.h"
#include "platform/desk/desk_pixels.h"
#include "platform/desk/desk_platform.h"
#include "platform/headless/headless_platform.h"
#include "support/game_driver.h"
#include "support/harness.h"
#include "support/widget_points.h"

namespace vargo::test {
namespace {

using platform::DeskPlatform;
using platform::InputEvent;
using platform::MouseButton;
using platform::MouseMove;
using platform::WindowId;

// Words as blocks of their colour, one line of 6 pixels a letter, so the box's parts show where they lie.
class BlockWords final : public platform::BoxText {
 public:
  ui::Size measure(std::string_view text, int width, bool) override {
    return {std::min(width, static_cast<int>(text.size()) * 6), 13};
  }
  void draw(platform::Canvas canvas, const ui::Rect& area, std::string_view text, ui::Colour colour,
            bool bold) override {
    platform::fill(canvas, intersection(area, {area.x, area.y, measure(text, area.width, bold).width, 13}),
                   colour);
  }
};

class Desk : public testing::Test {
 protected:
  // A window of one colour, shown in front and presented whole.
  WindowId paintedWindow(ui::Size size, std::optional<ui::Point> at, ui::Colour colour) {
    const WindowId id = desk.openWindow({"test", size, at});
    desk.raiseWindow(id);
    platform::fill(desk.canvas(id), {0, 0, size.width, size.height}, colour);
    const ui::Rect whole{0, 0, size.width, size.height};
    desk.present(id, std::span(&whole, 1));
    return id;
  }
  // Takes what the desk makes of the host's queued input, until it makes nothing more.
  std::vector<InputEvent> take() {
    std::vector<InputEvent> got;
    while (auto e = desk.waitEvent(0))
      got.push_back(*e);
    return got;
  }
  std::vector<InputEvent> deliver(InputEvent e) {
    host.push(e);
    return take();
  }
  std::vector<InputEvent> click(ui::Point at) {
    host.push(MouseMove{desk.hostWindow(), at});
    host.push(MouseButton{desk.hostWindow(), at, true});
    host.push(MouseButton{desk.hostWindow(), at, false});
    return take();
  }
  std::uint32_t shown(ui::Point at) { return host.window(desk.hostWindow())->pixel(at.x, at.y); }

  platform::HeadlessPlatform host;
  BlockWords words;
  DeskPlatform desk{host, 1, words};
};

constexpr ui::Colour kRed{200, 0, 0};
constexpr ui::Colour kBlue{0, 0, 200};

TEST_F(Desk, IsOneHostWindowOfTheDeskSizeTimesTheScale) {
  platform::HeadlessPlatform twice;
  const DeskPlatform big(twice, 2, words);
  EXPECT_EQ(twice.window(big.hostWindow())->spec.client, (ui::Size{2048, 1536}));
  EXPECT_TRUE(twice.window(big.hostWindow())->shown);
  take();
  EXPECT_EQ(shown({0, 0}), platform::pixelOf(platform::kDeskGround));
}

TEST_F(Desk, PlacesAWindowCentredOrWhereItIsGiven) {
  const WindowId centred = paintedWindow({459, 469}, std::nullopt, kRed);
  const WindowId placed = paintedWindow({100, 50}, ui::Point{98, 12}, kBlue);
  EXPECT_EQ(desk.windows().find(centred)->place, (ui::Rect{282, 149, 459, 469}));
  EXPECT_EQ(desk.windows().find(placed)->place, (ui::Rect{98, 12, 100, 50}));
  take();
  EXPECT_EQ(shown({282, 149}), platform::pixelOf(kRed));
  EXPECT_EQ(shown({281, 149}), platform::pixelOf(platform::kDeskGround));
  EXPECT_EQ(shown({98, 12}), platform::pixelOf(kBlue));
}

TEST_F(Desk, ShowsTheWindowInFrontWhereWindowsOverlapAndNothingHidden) {
  const WindowId back = paintedWindow({200, 200}, ui::Point{0, 0}, kRed);
  const WindowId front = paintedWindow({200, 200}, ui::Point{100, 100}, kBlue);
  take();
  EXPECT_EQ(shown({150, 150}), platform::pixelOf(kBlue));
  desk.raiseWindow(back);
  take();
  EXPECT_EQ(shown({150, 150}), platform::pixelOf(kRed));
  desk.setWindowShown(back, false);
  take();
  EXPECT_EQ(shown({150, 150}), platform::pixelOf(kBlue));
  EXPECT_EQ(shown({50, 50}), platform::pixelOf(platform::kDeskGround));
  desk.closeWindow(front);
  take();
  EXPECT_EQ(shown({150, 150}), platform::pixelOf(platform::kDeskGround));
}

TEST_F(Desk, PresentsOnlyTheChangedAreasOnTheDesk) {
  const WindowId w = paintedWindow({200, 100}, ui::Point{300, 200}, kRed);
  take();
  const int presents = host.window(desk.hostWindow())->presents;
  take();
  EXPECT_EQ(host.window(desk.hostWindow())->presents, presents) << "nothing changed, nothing presented";
  const ui::Rect changed{10, 20, 30, 40};
  desk.present(w, std::span(&changed, 1));
  take();
  EXPECT_EQ(host.window(desk.hostWindow())->presented, (std::vector<ui::Rect>{{310, 220, 30, 40}}));
  host.push(platform::Exposed{desk.hostWindow()});
  take();
  EXPECT_EQ(host.window(desk.hostWindow())->presented, (std::vector<ui::Rect>{{0, 0, 1024, 768}}));
}

TEST_F(Desk, SendsAClickToTheWindowUnderItInThatWindowsPixels) {
  const WindowId back = paintedWindow({200, 200}, ui::Point{0, 0}, kRed);
  const WindowId front = paintedWindow({200, 200}, ui::Point{100, 100}, kBlue);
  const auto got = click({150, 160});
  ASSERT_EQ(got.size(), 3U);
  EXPECT_EQ(std::get<MouseMove>(got[0]).window, front);
  const auto press = std::get<MouseButton>(got[1]);
  EXPECT_EQ(press.window, front);
  EXPECT_EQ(press.at.x, 50);
  EXPECT_EQ(press.at.y, 60);
  EXPECT_EQ(std::get<MouseButton>(click({50, 50})[1]).window, back);
  EXPECT_TRUE(click({700, 700}).empty()) << "the ground is no window";
}

TEST_F(Desk, APressBelongsToItsWindowWhereverTheReleaseIs) {
  const WindowId left = paintedWindow({100, 100}, ui::Point{0, 0}, kRed);
  const WindowId right = paintedWindow({100, 100}, ui::Point{200, 0}, kBlue);
  deliver(MouseButton{desk.hostWindow(), {50, 50}, true});
  const auto moved = deliver(MouseMove{desk.hostWindow(), {250, 50}});
  ASSERT_EQ(moved.size(), 1U);
  EXPECT_EQ(std::get<MouseMove>(moved[0]).window, right) << "moves go to the window under the pointer";
  const auto released = deliver(MouseButton{desk.hostWindow(), {250, 50}, false});
  ASSERT_EQ(released.size(), 1U);
  EXPECT_EQ(std::get<MouseButton>(released[0]).window, left);
  EXPECT_EQ(std::get<MouseButton>(released[0]).at.x, 250);
  const auto stray = deliver(MouseButton{desk.hostWindow(), {50, 50}, false});
  EXPECT_TRUE(std::ranges::none_of(stray, [](const InputEvent& e) {
    return std::holds_alternative<MouseButton>(e);
  })) << "no press, no release";
}

TEST_F(Desk, AWindowThatComesUpUnderAStillPointerHearsOfItAndSetsTheCursor) {
  const platform::CursorId cross = desk.createCursor(platform::Pixels{}, {0, 0});
  paintedWindow({100, 100}, ui::Point{0, 0}, kRed);
  deliver(MouseMove{desk.hostWindow(), {500, 500}});
  desk.setCursor(cross);
  EXPECT_EQ(host.cursor(), platform::HeadlessPlatform::Cursor(platform::SystemCursor::Arrow))
      << "over the ground the game's cursor is not shown";
  const WindowId under = paintedWindow({100, 100}, ui::Point{450, 450}, kBlue);
  const auto got = take();
  ASSERT_EQ(got.size(), 1U);
  EXPECT_EQ(std::get<MouseMove>(got[0]).window, under);
  desk.setCursor(cross);
  EXPECT_EQ(host.cursor(), platform::HeadlessPlatform::Cursor(cross));
}

TEST_F(Desk, ClosingTheDeskWindowEndsTheGame) {
  const auto got = deliver(platform::CloseRequest{desk.hostWindow()});
  ASSERT_EQ(got.size(), 1U);
  EXPECT_TRUE(std::holds_alternative<platform::QuitRequest>(got[0]));
}

// The game on the desk: a registry whose windows stand on the desk, played through the host window.
class GameOnDesk : public Desk {
 protected:
  ui::Point onDesk(std::string_view kind, std::string_view widget) {
    const ui::Rect place = desk.windows().find(*registry.windowOf(kind))->place;
    const ui::Point at = steadyPointOn(*registry.loaded(kind), widget);
    return {place.x + at.x, place.y + at.y};
  }
  void play(ui::Point at) {
    host.push(MouseMove{desk.hostWindow(), at});
    host.push(MouseButton{desk.hostWindow(), at, true});
    host.push(MouseButton{desk.hostWindow(), at, false});
    while (auto e = desk.waitEvent(0)) {
      registry.handle(*e);
      registry.present();
    }
  }

  ui::ManualClock clock;
  RecordingSound sound;
  app::ScreenRegistry registry{app::screenKinds(), desk, sound, clock};
};

TEST_F(GameOnDesk, TheCreditsBoxBlocksTheMenuUntilItsOkIsClicked) {
  registry.show("Vargo1");
  play(onDesk("Vargo1", "Image4"));
  ASSERT_TRUE(desk.messageWindow().has_value());
  const ui::Rect box = desk.windows().find(*desk.messageWindow())->place;
  EXPECT_EQ(box.x + box.width / 2, 512) << "centred on the desk";
  EXPECT_EQ(shown({box.right() - 10, box.y + 10}), platform::pixelOf(ui::palette::highlight))
      << "its title bar";
  const ui::Point newGame = onDesk("Vargo1", "Image1");
  play(newGame);
  EXPECT_EQ(registry.loaded("Mise1"), nullptr) << "the menu took a click under the box";
  const platform::MessageLayout layout = platform::layOutMessage(words, "", 1);
  host.push(MouseButton{desk.hostWindow(), {box.x + layout.ok.x + 2, box.y + layout.ok.y + 2}, true});
  host.push(MouseButton{desk.hostWindow(), {box.x + 2, box.y + 2}, false});
  take();
  EXPECT_TRUE(desk.messageWindow().has_value()) << "a press on OK let go beside it closes nothing";
  play({box.x + layout.ok.x + 2, box.y + layout.ok.y + 2});
  EXPECT_FALSE(desk.messageWindow().has_value());
  EXPECT_EQ(registry.loaded("Mise1"), nullptr) << "nothing made under the box is replayed";
  play(newGame);
  EXPECT_NE(registry.loaded("Mise1"), nullptr);
}

TEST_F(GameOnDesk, ShowsEachScreenInFrontAsItIsPaintedAllTheWayThroughTheGame) {
  registry.show("Vargo1");
  GameDriver driver(registry, clock);
  driver.playThrough([&](std::string_view step) {
    take();
    const auto front =
        std::ranges::find_if(desk.windows().stacking().rbegin(), desk.windows().stacking().rend(),
                             [](const auto& w) { return w.shown; });
    if (front == desk.windows().stacking().rend())
      return;
    const ui::Rect p = intersection(front->place, {0, 0, 1024, 768});
    for (int y = p.y; y < p.bottom(); y += 7) {
      for (int x = p.x; x < p.right(); x += 7) {
        const std::uint32_t painted =
            front->pixels[(y - front->place.y) * front->place.width + x - front->place.x];
        ASSERT_EQ(shown({x, y}), painted) << "after " << step << " at " << x << ", " << y;
      }
    }
  });
  EXPECT_TRUE(registry.ended());
}

}  // namespace
}  // namespace vargo::test
