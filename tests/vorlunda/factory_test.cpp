#include "foundation/random.h"
#include "vorlunda/factory.h"
#include "vorlunda/memdrawtarget.h"
#include "vorlunda/presets.h"

#include <gtest/gtest.h>

#include <cstring>
#include <limits>
#include <regex>
#include <string>

namespace {

vScheme RandomScheme() {
  vScheme scheme;
  FillPresetScheme(0, scheme);
  scheme.enabled = true;
  return scheme;
}

vScheme TemplatedScheme(const char *templateName) {
  vScheme scheme = TemplatedDefault(0);
  scheme.templateName = templateName;
  scheme.enabled = true;
  return scheme;
}

vConfigMgr OneScheme(const vScheme &scheme, bool infoLine = false) {
  vConfigMgr config;
  config.SetScheme("Only", scheme);
  config.infoLine = infoLine;
  return config;
}

// Group sizes seen over many groups.
void GroupSizeRange(vFactory &factory, int &low, int &high) {
  low = 1 << 30;
  high = -1;
  for (int group = 0; group < 400; ++group) {
    factory.BeginGroup();
    low = std::min(low, factory.fractalsLeft);
    high = std::max(high, factory.fractalsLeft);
  }
}

TEST(FactorySchemes, UnusableSchemesFallBackToTheWord) {
  vConfigMgr config;
  vScheme disabled = RandomScheme();
  disabled.enabled = false;
  config.SetScheme("Off", disabled);
  vScheme noSystems = RandomScheme();
  for (bool &enabled : noSystems.ruleSystemEnabled)
    enabled = false;
  config.SetScheme("No systems", noSystems);
  config.SetScheme("Bad template", TemplatedScheme("Spiral"));
  vMemoryDrawTarget target(64, 48);
  SeedRandom(1);
  vFactory factory(&target, &config);
  ASSERT_EQ(factory.Config().SchemeCount(), 1);
  EXPECT_STREQ(factory.Config().SchemeAt(0)->name.CStr(), "Vorlunda");
  int low = 0, high = 0;
  GroupSizeRange(factory, low, high);
  EXPECT_EQ(low, 4);
  EXPECT_EQ(high, 19);
}

TEST(FactorySchemes, TemplateNamesIgnoreCaseAndSetGroupSizes) {
  const struct {
    const char *name;
    int low, high;
  } kCases[] = {{"FERNS", 15, 24}, {"autumn", 15, 29}, {"Gasket", 8, 19}};
  for (const auto &c : kCases) {
    vConfigMgr config = OneScheme(TemplatedScheme(c.name));
    vMemoryDrawTarget target(64, 48);
    SeedRandom(2);
    vFactory factory(&target, &config);
    ASSERT_EQ(factory.Config().SchemeCount(), 1) << c.name;
    int low = 0, high = 0;
    GroupSizeRange(factory, low, high);
    EXPECT_EQ(low, c.low) << c.name;
    EXPECT_EQ(high, c.high) << c.name;
  }
}

TEST(FactorySchemes, FernsInCapitalsDrawsFerns) {
  vConfigMgr config = OneScheme(TemplatedScheme("FERNS"));
  vMemoryDrawTarget target(64, 48);
  SeedRandom(3);
  vFactory factory(&target, &config);
  factory.BeginGroup();
  EXPECT_EQ(factory.BuildFractal(), vLoopState::Draw);
  EXPECT_EQ(factory.Fractal().RuleCount(), 4);
  EXPECT_EQ(factory.Fractal().ColourSystem(), ifsColourSystem::Shaded);
}

// A stroke whose map flips the box shows the small words inside it mirrored.
TEST(FactorySchemes, TheWordHasThirtyTwoStrokesNoneMirrored) {
  vConfigMgr config = OneScheme(TemplatedScheme("Vorlunda"));
  vMemoryDrawTarget target(64, 48);
  SeedRandom(4);
  vFactory factory(&target, &config);
  factory.BeginGroup();
  factory.BuildFractal();
  const ifsGuiFractal &word = factory.Fractal();
  ASSERT_EQ(word.RuleCount(), 32);
  for (int i = 0; i < word.RuleCount(); ++i) {
    const ifsRule &r = word.Rule(i);
    EXPECT_GT(r.A() * r.D() - r.B() * r.C(), 0.0) << "stroke " << i;
  }
}

TEST(FactoryGroups, GroupSizesFromTheScheme) {
  const struct {
    int min, max, low, high;
  } kCases[] = {{1, 1, 1, 1}, {3, 12, 3, 11}, {5, 2, 5, 5}, {0, 0, 1, 1}};
  for (const auto &c : kCases) {
    vScheme scheme = RandomScheme();
    scheme.minPerGroup = c.min;
    scheme.maxPerGroup = c.max;
    vConfigMgr config = OneScheme(scheme);
    vMemoryDrawTarget target(64, 48);
    SeedRandom(5);
    vFactory factory(&target, &config);
    int low = 0, high = 0;
    GroupSizeRange(factory, low, high);
    EXPECT_EQ(low, c.low) << c.min << "/" << c.max;
    EXPECT_EQ(high, c.high) << c.min << "/" << c.max;
  }
}

TEST(FactoryGroups, WeightsChooseByTheFirstDraw) {
  vConfigMgr config;
  vScheme heavy = RandomScheme();
  heavy.selectionProbability = 40;
  vScheme light = RandomScheme();
  light.selectionProbability = 10;
  config.SetScheme("Alpha", heavy);
  config.SetScheme("Beta", light);
  vMemoryDrawTarget target(64, 48);
  vFactory factory(&target, &config);
  EXPECT_EQ(factory.TotalWeight(), 50);
  const vScheme *alpha = &factory.Config().FindScheme("Alpha")->scheme;
  const vScheme *beta = &factory.Config().FindScheme("Beta")->scheme;
  int seen[2] = {0, 0};
  for (std::uint32_t seed = 0; seed < 200; ++seed) {
    SeedRandom(seed);
    const int k = Rand() % 50;
    SeedRandom(seed);
    factory.BeginGroup();
    EXPECT_EQ(factory.CurrentScheme(), k < 40 ? alpha : beta) << "k " << k;
    ++seen[k < 40 ? 0 : 1];
  }
  EXPECT_GT(seen[0], 0);
  EXPECT_GT(seen[1], 0);
}

TEST(FactoryGroups, ZeroWeightsStillGiveAWeightOfOne) {
  vScheme scheme = RandomScheme();
  scheme.selectionProbability = 0;
  vConfigMgr config = OneScheme(scheme);
  vMemoryDrawTarget target(64, 48);
  vFactory factory(&target, &config);
  EXPECT_EQ(factory.TotalWeight(), 1);
  factory.BeginGroup();
  EXPECT_NE(factory.CurrentScheme(), nullptr);
}

TEST(FactoryBuild, FilterRejectsAtMostMaxDiscardsThenDraws) {
  vScheme scheme = RandomScheme();
  scheme.filterEnabled = true;
  scheme.maxDiscards = 30;
  scheme.minDimension = 5.0; // no plane fractal reaches it
  vConfigMgr config = OneScheme(scheme, true);
  vMemoryDrawTarget target(64, 48);
  SeedRandom(6);
  vFactory factory(&target, &config);
  factory.Advance(0);
  int builds = 0;
  while (factory.state == vLoopState::Build) {
    factory.Advance(0);
    ++builds;
  }
  EXPECT_EQ(builds, 31);
  EXPECT_EQ(factory.state, vLoopState::Draw);
  const std::string info = factory.InfoText().CStr();
  EXPECT_NE(info.rfind("   Filtered: 30"), std::string::npos) << info;
  EXPECT_EQ(info.size() - info.rfind("   Filtered: 30"), std::strlen("   Filtered: 30"));
}

TEST(FactoryBuild, InfoLineWithoutFilterEndsWithLyapunov) {
  vConfigMgr config = OneScheme(RandomScheme(), true);
  vMemoryDrawTarget target(64, 48);
  SeedRandom(7);
  vFactory factory(&target, &config);
  factory.BeginGroup();
  ASSERT_EQ(factory.BuildFractal(), vLoopState::Draw);
  const std::regex line("  Rules: [0-9]+   Dimension: -?[0-9]+\\.[0-9]{6}   "
                        "Ljapunov: -?([0-9]+\\.[0-9]{6}|inf|nan)");
  EXPECT_TRUE(std::regex_match(factory.InfoText().CStr(), line)) << factory.InfoText().CStr();
  // The line is taken from the bottom of the window.
  EXPECT_EQ(factory.DrawHeight(), 48 - 18);
  EXPECT_EQ(target.Surface()->ReadColour(0, 47), MakeColourRef(0, 0, 255));
}

TEST(FactoryBuild, PreviewNeverShowsTheInfoLine) {
  vConfigMgr config = OneScheme(RandomScheme(), true);
  vMemoryDrawTarget target(64, 48);
  target.SetPreview(true);
  vFactory factory(&target, &config);
  EXPECT_FALSE(factory.Config().infoLine);
  EXPECT_EQ(factory.DrawHeight(), 48);
}

TEST(FactoryBuild, TargetIsDensityTimesPixelBox) {
  vScheme scheme = RandomScheme();
  scheme.pointDensity = 0.5;
  vConfigMgr config = OneScheme(scheme);
  vMemoryDrawTarget target(320, 240);
  SeedRandom(8);
  vFactory factory(&target, &config);
  factory.BeginGroup();
  factory.BuildFractal();
  const ifsRect bounds = factory.Fractal().Bounds();
  const ifsPixel a = factory.Fractal().ToPixel({bounds.xMin, bounds.yMin});
  const ifsPixel b = factory.Fractal().ToPixel({bounds.xMax, bounds.yMax});
  const long long box = std::llabs(static_cast<long long>(b.x - a.x) * (b.y - a.y));
  EXPECT_EQ(factory.targetPoints, static_cast<std::int32_t>(box * 0.5));
}

// Settings a scheme text would refuse but a configuration can still carry.
TEST(FactoryBuild, TargetSaturatesInsteadOfWrapping) {
  constexpr std::int32_t kMost = std::numeric_limits<std::int32_t>::max();
  const struct {
    double scaling, density;
    std::int32_t target;
  } kCases[] = {
      {1e9, 0.5, kMost}, // the bounds land at the pixel limit, 2^31 apart
      {1.0, 1e12, kMost},
      {1.0, std::numeric_limits<double>::infinity(), kMost},
      {1.0, std::numeric_limits<double>::quiet_NaN(), 0},
      {1.0, -0.5, 0},
  };
  for (const auto &c : kCases) {
    vScheme scheme = RandomScheme();
    scheme.centring = 0.0;
    scheme.minScaling = scheme.maxScaling = c.scaling;
    scheme.pointDensity = c.density;
    vConfigMgr config = OneScheme(scheme);
    vMemoryDrawTarget target(320, 240);
    SeedRandom(8);
    vFactory factory(&target, &config);
    factory.BeginGroup();
    factory.BuildFractal();
    EXPECT_EQ(factory.targetPoints, c.target) << c.scaling << " " << c.density;
  }
}

TEST(FactoryLoop, GroupOfOneRunsThroughEveryState) {
  vScheme scheme = RandomScheme();
  scheme.minPerGroup = scheme.maxPerGroup = 1;
  scheme.clearDelay = 0;
  vConfigMgr config = OneScheme(scheme);
  vMemoryDrawTarget target(64, 48);
  SeedRandom(9);
  vFactory factory(&target, &config);
  std::string states = "0";
  for (int step = 0; step < 100000 && (states.size() < 2 || factory.state != vLoopState::NewGroup);
       ++step) {
    factory.Advance(1000);
    if (states.back() != '0' + static_cast<int>(factory.state))
      states += static_cast<char>('0' + static_cast<int>(factory.state));
  }
  EXPECT_EQ(states, "01230");
  EXPECT_EQ(factory.finishTime, 1000u);
  EXPECT_EQ(factory.Fractal().PointsDrawn() % kBatchPoints, 0);
}

TEST(FactoryLoop, WaitUsesUnsignedTickDifference) {
  vScheme scheme = RandomScheme();
  scheme.clearDelay = 2;
  vConfigMgr config = OneScheme(scheme);
  vMemoryDrawTarget target(64, 48);
  vFactory factory(&target, &config);
  factory.BeginGroup();
  const std::uint32_t kFinish = 0xFFFFFF00u;
  // The loop sleeps for what WaitLeft says, so it must agree with Advance.
  const struct {
    std::uint32_t now;
    std::uint32_t left;
    vLoopState state;
  } kCases[] = {{kFinish, 2000u, vLoopState::Wait},
                {kFinish + 255u, 1745u, vLoopState::Wait},
                {kFinish + 1999u, 1u, vLoopState::Wait}, // wrapped past zero
                {kFinish + 2000u, 0u, vLoopState::NewGroup},
                {kFinish + 5000u, 0u, vLoopState::NewGroup}};
  for (const auto &c : kCases) {
    factory.state = vLoopState::Wait;
    factory.finishTime = kFinish;
    EXPECT_EQ(factory.WaitLeft(c.now), c.left) << c.now;
    factory.Advance(c.now);
    EXPECT_EQ(factory.state, c.state) << c.now;
  }
  for (vLoopState busy : {vLoopState::NewGroup, vLoopState::Build, vLoopState::Draw}) {
    factory.state = busy;
    EXPECT_EQ(factory.WaitLeft(kFinish), 0u) << static_cast<int>(busy);
  }
}

TEST(FactoryLoop, DiscardsStartAfreshForEachSlot) {
  vScheme scheme = RandomScheme();
  vConfigMgr config = OneScheme(scheme);
  vMemoryDrawTarget target(64, 48);
  vFactory factory(&target, &config);
  factory.discards = 7;
  factory.Advance(0); // 0 -> 1
  EXPECT_EQ(factory.discards, 0);
}

TEST(FactoryLoop, WithoutSurfaceTheLoopStillTurns) {
  vConfigMgr config = OneScheme(RandomScheme(), true);
  vMemoryDrawTarget target;
  SeedRandom(10);
  vFactory factory(&target, &config);
  int groups = 0;
  for (int step = 0; step < 1000; ++step) {
    const vLoopState from = factory.state;
    factory.Advance(static_cast<std::uint32_t>(step) * 100000u);
    EXPECT_EQ(factory.targetPoints, 0);
    groups += from == vLoopState::Wait && factory.state == vLoopState::NewGroup;
  }
  EXPECT_GT(groups, 0);
  EXPECT_EQ(target.InfoLinesDrawn(), 0);
}

std::uint64_t RenderHash(std::uint32_t seed, ifsPixelFormat format) {
  vConfigMgr config;
  config.RestoreDefaults();
  vMemoryDrawTarget target(96, 64, format);
  SeedRandom(seed);
  vFactory factory(&target, &config);
  for (int step = 0; step < 3000; ++step)
    factory.Advance(static_cast<std::uint32_t>(step));
  std::uint64_t hash = 1469598103934665603ull;
  for (int y = 0; y < 64; ++y)
    for (int x = 0; x < 96; ++x)
      hash = (hash ^ target.Surface()->ReadColour(x, y)) * 1099511628211ull;
  return hash;
}

TEST(FactoryLoop, SameSeedSamePicture) {
  // Pinned pictures: any change in the order or number of random draws, in
  // the built-in schemes or in how a point becomes a pixel moves them. When a
  // change is meant to alter the pictures, look at some and pin the new hashes.
  const struct {
    ifsPixelFormat format;
    std::uint64_t seed42;
  } pinned[] = {
      {ifsPixelFormat::Rgb32, 0x503fd1ebac49482cull},
      {ifsPixelFormat::Indexed8, 0xbffc9b4dfaa89a3eull},
  };
  for (const auto &picture : pinned) {
    EXPECT_EQ(RenderHash(42, picture.format), picture.seed42);
    EXPECT_EQ(RenderHash(42, picture.format), picture.seed42);
    EXPECT_NE(RenderHash(43, picture.format), picture.seed42);
  }
}

TEST(FactoryPalette, IndexedTargetGetsTheCube) {
  constexpr int kSystemColours = 10; // the memory target's stand-in for the system's
  vConfigMgr config = OneScheme(RandomScheme());
  vMemoryDrawTarget indexed(64, 48, ifsPixelFormat::Indexed8);
  vFactory withPalette(&indexed, &config);
  ASSERT_EQ(withPalette.PaletteBase(), kSystemColours);
  // Red varies slowest, blue fastest, each over 0, 51, ..., 255.
  const std::uint32_t *palette = indexed.Surface()->Palette();
  int entry = kSystemColours;
  for (std::uint32_t red = 0; red <= 255; red += 51)
    for (std::uint32_t green = 0; green <= 255; green += 51)
      for (std::uint32_t blue = 0; blue <= 255; blue += 51)
        EXPECT_EQ(palette[entry++], (red << 16) | (green << 8) | blue) << "entry " << entry - 1;
  EXPECT_EQ(entry, kSystemColours + 216);
  // Nothing beyond the cube is written: those entries stay the system's.
  for (int i = 0; i < kSystemColours; ++i)
    EXPECT_EQ(palette[i], 0u) << "entry " << i;
  for (int i = entry; i < kPaletteEntries; ++i)
    EXPECT_EQ(palette[i], 0u) << "entry " << i;

  vMemoryDrawTarget trueColour(64, 48);
  vFactory without(&trueColour, &config);
  EXPECT_EQ(without.PaletteBase(), -1);
}

} // namespace
