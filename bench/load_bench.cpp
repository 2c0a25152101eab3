// SPDX-License-Identifier: GPL-3.0-or-later
// Loading a screen (its window, widgets, decoded pictures, load handler and first full paint) and
// unloading it again, for each of the sixteen kinds.

#include <benchmark/benchmark.h>

#include "app/screen_kinds.h"
#include "drive/screen_cycle.h"
#include "support/harness.h"

namespace vargo::bench {

namespace {

void BM_LoadUnload(benchmark::State& state) {
  const ui::ScreenKind& kind = app::screenKinds()[static_cast<std::size_t>(state.range(0))];
  test::Harness h;
  h.show(keeperFor(kind.name));
  for (auto _ : state)
    loadAndUnload(h.registry, kind.name);
  state.SetLabel(std::string(kind.name));
}

}  // namespace

BENCHMARK(BM_LoadUnload)->DenseRange(0, 15)->Unit(benchmark::kMicrosecond);

}  // namespace vargo::bench
