// SPDX-License-Identifier: GPL-3.0-or-later
// Painting a level: the whole window, and only the areas a hit changes; each level at scales 1, 2 and 3.

#include <benchmark/benchmark.h>

#include "drive/level_setup.h"
#include "levels/level_def.h"
#include "media/painter.h"
#include "support/level_play.h"
#include "support/pixel_buffer.h"
#include "ui/counter.h"

namespace vargo::bench {

namespace {

// Every target up: the most a level ever shows at once.
void BM_FullRepaint(benchmark::State& state) {
  const levels::LevelDef& level = levelAt(state.range(0));
  const media::Scale scale = scaleArgument(state.range(1));
  ui::ManualClock clock;
  ui::Screen screen(level.screen, clock);
  for (const levels::TargetSlot& slot : level.slots)
    screen.setVisible(slot.target, true);
  media::Fonts fonts;
  media::ScreenPainter painter(level.screen, fonts, scale);
  test::PixelBuffer buffer(level.screen, scale);
  const ui::Rect whole = clientArea(level.screen);
  for (auto _ : state) {
    painter.paint(buffer.canvas(), screen, {&whole, 1});
    benchmark::DoNotOptimize(buffer.pixels().data);
    benchmark::ClobberMemory();
  }
  state.SetLabel(labelOf(level, scale));
}

// A level with every target up, one of them just hit: the areas that hit left dirty (the target, its hit
// picture and the two counters), and a painter that has painted the whole window once.
struct HitScene {
  HitScene(const levels::LevelDef& level, media::Scale scale)
      : level(level),
        scale(scale),
        h(scale),
        painter(level.screen, fonts, scale),
        buffer(level.screen, scale) {
    showWithTargetsUp(h, level);
    const platform::WindowId window = *h.registry.windowOf(level.name);
    const ui::Point at =
        scale.of(test::centreOf(test::widgetOf(level.screen, ordinarySlot(level).target).rect));
    h.registry.handle(platform::MouseButton{window, at, true});
    h.registry.handle(platform::MouseButton{window, at, false});
    dirty = screen().takeDirty();
    const ui::Rect whole = clientArea(level.screen);
    painter.paint(buffer.canvas(), screen(), {&whole, 1});
  }
  ui::Screen& screen() { return h.screen(level.name); }
  void report(benchmark::State& state) const {
    long area = 0;
    for (const ui::Rect& r : dirty)
      area += static_cast<long>(r.width) * r.height;
    state.SetLabel(labelOf(level, scale));
    state.counters["rects"] = static_cast<double>(dirty.size());
    state.counters["pixels"] = static_cast<double>(area);
  }

  const levels::LevelDef& level;
  media::Scale scale;
  test::Harness h;
  media::Fonts fonts;
  media::ScreenPainter painter;
  test::PixelBuffer buffer;
  std::vector<ui::Rect> dirty;
};

// The repaint after a hit: the counters' captions change on every hit, so their text is laid out and
// rendered again each time.
void BM_RepaintAfterHit(benchmark::State& state) {
  HitScene scene(levelAt(state.range(0)), scaleArgument(state.range(1)));
  int hits = 0;
  for (auto _ : state) {
    ++hits;
    scene.screen().setCaption(levels::kScoreLabel, ui::counterText(hits * 10));
    scene.screen().setCaption(levels::kMagazineLabel, ui::counterText(hits % 10));
    scene.painter.paint(scene.buffer.canvas(), scene.screen(), scene.dirty);
    benchmark::DoNotOptimize(scene.buffer.pixels().data);
    benchmark::ClobberMemory();
  }
  scene.report(state);
}

// The same areas with the counters' text unchanged: the pixel work alone, without text rendering.
void BM_RepaintAfterHitPixelsOnly(benchmark::State& state) {
  HitScene scene(levelAt(state.range(0)), scaleArgument(state.range(1)));
  for (auto _ : state) {
    scene.painter.paint(scene.buffer.canvas(), scene.screen(), scene.dirty);
    benchmark::DoNotOptimize(scene.buffer.pixels().data);
    benchmark::ClobberMemory();
  }
  scene.report(state);
}

}  // namespace

// Arguments: the level's index, the scale.
BENCHMARK(BM_FullRepaint)->ArgsProduct({{0, 1, 2, 3, 4}, {1, 2, 3}})->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_RepaintAfterHit)->ArgsProduct({{0, 1, 2, 3, 4}, {1, 2, 3}})->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_RepaintAfterHitPixelsOnly)
    ->ArgsProduct({{0, 1, 2, 3, 4}, {1, 2, 3}})
    ->Unit(benchmark::kMicrosecond);

}  // namespace vargo::bench
