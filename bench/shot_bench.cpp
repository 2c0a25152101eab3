// SPDX-License-Identifier: GPL-3.0-or-later
// A shot from the mouse event to the presented frame, through the registry and the in-memory window system:
// the handler, the repaint of what it changed and the copy to the window; each level at scales 1, 2 and 3,
// clicked at device pixels.

#include <benchmark/benchmark.h>

#include "drive/level_setup.h"
#include "support/level_play.h"

namespace vargo::bench {

namespace {

constexpr std::string_view kFullMagazine = "30";
constexpr std::size_t kSoundsKept = 4096;  // the recording of sounds is cleared now and then

void refill(test::Harness& h, const levels::LevelDef& level) {
  h.screen(level.name).setCaption(levels::kMagazineLabel, kFullMagazine);
  if (h.sound.played.size() > kSoundsKept)
    h.sound.played.clear();
}

void BM_ShotMiss(benchmark::State& state) {
  const levels::LevelDef& level = levelAt(state.range(0));
  const media::Scale scale = scaleArgument(state.range(1));
  test::Harness h(scale);
  showWithTargetsUp(h, level);
  const ui::Point at = scale.of(test::surfaceOf(level.screen));
  for (auto _ : state) {
    refill(h, level);
    h.click(level.name, at.x, at.y);
  }
  state.SetLabel(labelOf(level, scale));
}

// Each round puts the target back up, untimed, and then shoots it.
void BM_ShotHit(benchmark::State& state) {
  const levels::LevelDef& level = levelAt(state.range(0));
  const media::Scale scale = scaleArgument(state.range(1));
  const levels::TargetSlot& slot = ordinarySlot(level);
  test::Harness h(scale);
  showWithTargetsUp(h, level);
  ui::Screen& screen = h.screen(level.name);
  const ui::Point at = scale.of(test::centreOf(test::widgetOf(level.screen, slot.target).rect));
  for (auto _ : state) {
    state.PauseTiming();
    refill(h, level);
    screen.setVisible(slot.hitPicture, false);
    screen.setVisible(slot.target, true);
    h.registry.present();
    state.ResumeTiming();
    h.click(level.name, at.x, at.y);
  }
  state.SetLabel(labelOf(level, scale));
}

}  // namespace

// Arguments: the level's index, the scale.
BENCHMARK(BM_ShotMiss)->ArgsProduct({{0, 1, 2, 3, 4}, {1, 2, 3}})->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_ShotHit)->ArgsProduct({{0, 1, 2, 3, 4}, {1, 2, 3}})->Unit(benchmark::kMicrosecond);

}  // namespace vargo::bench
