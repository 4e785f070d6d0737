// The factory as the saver meets it: built from the default schemes, then
// driven through a whole group on a full-HD screen, as vorlunda-render runs it.
#include "foundation/random.h"
#include "vorlunda/config.h"
#include "vorlunda/factory.h"
#include "vorlunda/memdrawtarget.h"

#include <benchmark/benchmark.h>

#include <cstdint>

namespace {

constexpr int kScreenWidth = 1920;
constexpr int kScreenHeight = 1080;
constexpr int kBuiltInSchemes = 13;
// Every run renders the same seeds, so one run compares with the next.
constexpr int kRenderSeeds = 40;

vConfigMgr DefaultConfig() {
  vConfigMgr config;
  config.RestoreDefaults();
  return config;
}

void ConstructFactory(benchmark::State &state) {
  const vConfigMgr config = DefaultConfig();
  if (config.SchemeCount() != kBuiltInSchemes) {
    state.SkipWithError("the defaults are not the thirteen built-in schemes");
    return;
  }
  vMemoryDrawTarget target(kScreenWidth, kScreenHeight);
  SeedRandom(1);
  for (auto _ : state) {
    vFactory factory(&target, &config);
    benchmark::DoNotOptimize(factory.TotalWeight());
  }
  state.SetLabel("13 schemes, 1920x1080");
}

struct RenderCount {
  std::int64_t points = 0;
  std::int64_t fractals = 0;
};

// The clock is a step counter, as in the renderer, so the clear delay
// costs steps and not time.
RenderCount RenderOneGroup(vFactory &factory) {
  RenderCount count;
  std::uint32_t ticks = 0;
  for (;;) {
    const vLoopState from = factory.state;
    factory.Advance(++ticks);
    if (from != vLoopState::Draw || factory.state == vLoopState::Draw)
      continue;
    count.points += factory.Fractal().PointsDrawn();
    ++count.fractals;
    if (factory.state == vLoopState::Wait)
      return count;
  }
}

void RenderGroup(benchmark::State &state) {
  const vConfigMgr config = DefaultConfig();
  vMemoryDrawTarget target(kScreenWidth, kScreenHeight);
  std::uint32_t seed = 0;
  RenderCount total;
  for (auto _ : state) {
    SeedRandom(++seed);
    vFactory factory(&target, &config);
    const RenderCount count = RenderOneGroup(factory);
    total.points += count.points;
    total.fractals += count.fractals;
  }
  const double renders = static_cast<double>(state.iterations());
  state.counters["points/s"] =
      benchmark::Counter(static_cast<double>(total.points), benchmark::Counter::kIsRate);
  state.counters["points/render"] = static_cast<double>(total.points) / renders;
  state.counters["fractals/render"] = static_cast<double>(total.fractals) / renders;
  state.SetLabel("default schemes, 1920x1080, one group per seed");
}

// One scheme alone, with the information line on, so every build includes
// the dimension and Lyapunov figures: the longest single step of the saver.
void BuildOneFractal(benchmark::State &state) {
  vConfigMgr config = DefaultConfig();
  config.infoLine = true;
  const std::int32_t chosen = static_cast<std::int32_t>(state.range(0));
  for (std::int32_t position = 0; position < config.SchemeCount(); ++position)
    config.SchemeAt(position)->scheme.enabled = position == chosen;
  vMemoryDrawTarget target(kScreenWidth, kScreenHeight);
  SeedRandom(1);
  vFactory factory(&target, &config);
  factory.BeginGroup();
  for (auto _ : state)
    benchmark::DoNotOptimize(factory.BuildFractal());
  state.SetLabel(config.SchemeAt(chosen)->name.CStr());
}

BENCHMARK(BuildOneFractal)->DenseRange(0, kBuiltInSchemes - 1)->Unit(benchmark::kMicrosecond);
BENCHMARK(ConstructFactory)->Unit(benchmark::kMicrosecond);
BENCHMARK(RenderGroup)->Iterations(kRenderSeeds)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
