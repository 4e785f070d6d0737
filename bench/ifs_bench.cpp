// The drawing step against a bare chaos-game loop that stands for the
// physical limit, and the cost of one fractal's analysis.
#include "bench/support/barechaos.h"
#include "foundation/random.h"
#include "ifs/guifractal.h"
#include "ifs/memsurface.h"

#include <benchmark/benchmark.h>

#include <cstdint>
#include <vector>

namespace {

constexpr int kScreenWidth = 1920;
constexpr int kScreenHeight = 1080;

enum RuleSet { kThreeLinear, kTwelveLinear, kThreeTrig };

const char *RuleSetName(int set) {
  static const char *const names[] = {"3 Linear", "12 Linear", "3 Trig"};
  return names[set];
}

// A fixed fractal fitted to the screen, as the factory prepares one.
void BuildFractal(ifsGuiFractal &fractal, int set, ifsColourSystem colours,
                  const ifsSurface &surface) {
  SeedRandom(4711);
  fractal.Reset(kScreenWidth, kScreenHeight);
  if (set == kThreeLinear) {
    fractal.BuildRandom(ifsRuleSystem::Linear, 3, 3, 200, true, colours);
  } else if (set == kTwelveLinear) {
    fractal.BuildRandom(ifsRuleSystem::Linear, 12, 12, 200, true, colours);
  } else {
    fractal.BuildRandom(ifsRuleSystem::Trig, 3, 3, 200, false, colours);
  }
  fractal.ComputeBounds(10000, AspectRatio(surface, kScreenWidth, kScreenHeight));
  fractal.ApplyScaling(0.0, 1.0, 1.0);
  fractal.Prepare(surface, kScreenWidth, kScreenHeight, 0, 0);
}

void DrawStep(benchmark::State &state) {
  const int set = static_cast<int>(state.range(0));
  const auto colours = static_cast<ifsColourSystem>(state.range(1));
  ifsMemorySurface surface(kScreenWidth, kScreenHeight);
  ifsGuiFractal fractal;
  BuildFractal(fractal, set, colours, surface);
  for (auto _ : state)
    fractal.DrawStep(surface);
  state.SetItemsProcessed(state.iterations() * kBatchPoints);
  state.SetLabel(std::string(RuleSetName(set)) + " " + ColourSystemName(colours));
}

void BareChaosGame(benchmark::State &state) {
  const int ruleCount = state.range(0) == kTwelveLinear ? 12 : 3;
  ifsMemorySurface surface(kScreenWidth, kScreenHeight);
  ifsGuiFractal fractal;
  BuildFractal(fractal, static_cast<int>(state.range(0)), ifsColourSystem::Solid, surface);
  BareChaosLoop loop(fractal, ruleCount, surface);
  for (auto _ : state) {
    loop.Batch();
    benchmark::ClobberMemory();
  }
  state.SetItemsProcessed(state.iterations() * kBatchPoints);
  state.SetLabel(RuleSetName(static_cast<int>(state.range(0))));
}

void AllDrawSteps(benchmark::internal::Benchmark *bench) {
  for (int set : {kThreeLinear, kTwelveLinear, kThreeTrig})
    for (int colours = 0; colours < kColourSystemCount; ++colours)
      bench->Args({set, colours});
}

BENCHMARK(BareChaosGame)->Arg(kThreeLinear)->Arg(kTwelveLinear);
BENCHMARK(DrawStep)->Apply(AllDrawSteps);

// The analysis the factory runs once per fractal, on a 4-rule random one.
ifsGuiFractal AnalysedFractal() {
  SeedRandom(99);
  ifsGuiFractal fractal;
  fractal.BuildRandom(ifsRuleSystem::Linear, 4, 4, 200, true, ifsColourSystem::Solid);
  fractal.ComputeBounds(10000, 16.0 / 9.0);
  return fractal;
}

void ComputeBounds(benchmark::State &state) {
  ifsGuiFractal fractal = AnalysedFractal();
  for (auto _ : state)
    fractal.ComputeBounds(10000, 16.0 / 9.0);
  state.SetLabel("10000 points");
}

void Dimension(benchmark::State &state) {
  ifsGuiFractal fractal = AnalysedFractal();
  for (auto _ : state)
    benchmark::DoNotOptimize(fractal.Dimension(20000, 2000, 64));
  state.SetLabel("20000/2000/64");
}

void Lyapunov(benchmark::State &state) {
  ifsGuiFractal fractal = AnalysedFractal();
  for (auto _ : state)
    benchmark::DoNotOptimize(fractal.Lyapunov(10000, 0.001));
  state.SetLabel("10000/0.001");
}

BENCHMARK(ComputeBounds)->Unit(benchmark::kMicrosecond);
BENCHMARK(Dimension)->Unit(benchmark::kMicrosecond);
BENCHMARK(Lyapunov)->Unit(benchmark::kMicrosecond);

} // namespace

BENCHMARK_MAIN();
