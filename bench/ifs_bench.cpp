// The drawing step against a bare chaos-game loop that stands for the
// physical limit, and the cost of one fractal's analysis.
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

// The same work without the engine's generality: plain arrays, a weighted
// choice, the affine map and one pixel store.
struct BareRule {
  double weight, a, b, c, d, e, f;
};

void BareChaosGame(benchmark::State &state) {
  const int ruleCount = state.range(0) == kTwelveLinear ? 12 : 3;
  ifsMemorySurface surface(kScreenWidth, kScreenHeight);
  ifsGuiFractal fractal;
  BuildFractal(fractal, static_cast<int>(state.range(0)), ifsColourSystem::Solid, surface);
  std::vector<BareRule> rules;
  double total = 0.0;
  for (int i = 0; i < ruleCount; ++i) {
    const ifsRule &r = fractal.Rule(i);
    rules.push_back({r.Weight(), r.A(), r.B(), r.C(), r.D(), r.E(), r.F()});
    total += r.Weight();
  }
  const ifsRect view = fractal.View();
  const double cx = (view.xMin + view.xMax) / 2, cy = (view.yMin + view.yMax) / 2;
  const double scaleX = fractal.ScaleX(), scaleY = fractal.ScaleY();
  double x = 0.5, y = 0.5;
  std::uint8_t *bits = surface.Row(0);
  const int stride = surface.Stride();
  for (auto _ : state) {
    for (int n = 0; n < kBatchPoints; ++n) {
      double v = RandUnit() * total;
      int chosen = ruleCount - 1;
      for (int i = 0; i < ruleCount - 1; ++i) {
        v -= rules[i].weight;
        if (v <= 0.0) {
          chosen = i;
          break;
        }
      }
      const BareRule &r = rules[chosen];
      const double nx = r.a * x + r.b * y + r.e;
      y = r.c * x + r.d * y + r.f;
      x = nx;
      const double px = (x - cx) * scaleX + kScreenWidth / 2 + 0.5;
      const double py = kScreenHeight / 2 - (y - cy) * scaleY + 0.5;
      if (px >= 0 && px < kScreenWidth && py >= 0 && py < kScreenHeight)
        reinterpret_cast<std::uint32_t *>(bits + static_cast<int>(py) *
                                                     stride)[static_cast<int>(px)] = 0xffffff;
    }
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
