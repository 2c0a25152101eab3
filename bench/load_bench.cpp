// Loading a screen (its window, widgets, decoded pictures, load handler and first full paint) and
// unloading it again, for each of the sixteen kinds.

#include <benchmark/benchmark.h>

#include "app/screen_kinds.h"
#include "support/harness.h"

namespace vargo::bench {

namespace {

// Another screen stays loaded meanwhile, so that unloading the measured one does not end the program.
std::string_view keeperFor(std::string_view kind) {
  return kind == "Vargo1" ? "About" : "Vargo1";
}

void BM_LoadUnload(benchmark::State& state) {
  const ui::ScreenKind& kind = app::screenKinds()[static_cast<std::size_t>(state.range(0))];
  test::Harness h;
  h.show(keeperFor(kind.name));
  for (auto _ : state) {
    h.registry.show(kind.name);
    h.registry.unload(kind.name);
    // Any input lets the registry free the screens it unloaded; an unknown window takes it harmlessly.
    h.registry.handle(platform::Exposed{0});
  }
  state.SetLabel(std::string(kind.name));
}

}  // namespace

BENCHMARK(BM_LoadUnload)->DenseRange(0, 15)->Unit(benchmark::kMicrosecond);

}  // namespace vargo::bench
