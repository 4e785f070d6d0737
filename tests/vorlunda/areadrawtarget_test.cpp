#include "foundation/random.h"
#include "vorlunda/areadrawtarget.h"
#include "vorlunda/factory.h"
#include "vorlunda/memdrawtarget.h"

#include <gtest/gtest.h>

#include <cstdint>

namespace {

constexpr int kSteps = 4000;

vConfigMgr DefaultsWithInfoLine() {
  vConfigMgr config;
  config.RestoreDefaults();
  config.infoLine = true;
  return config;
}

std::uint64_t HashOf(const ifsSurface &surface, const ifsPixelRect &rect) {
  std::uint64_t hash = 1469598103934665603ull;
  for (int y = rect.top; y < rect.bottom; ++y)
    for (int x = rect.left; x < rect.right; ++x)
      hash = (hash ^ surface.ReadColour(x, y)) * 1099511628211ull;
  return hash;
}

bool Inside(const ifsPixelRect &rect, int x, int y) {
  return x >= rect.left && x < rect.right && y >= rect.top && y < rect.bottom;
}

int Lit(const ifsSurface &surface, const ifsPixelRect &rect) {
  int lit = 0;
  for (int y = rect.top; y < rect.bottom; ++y)
    for (int x = rect.left; x < rect.right; ++x)
      lit += surface.ReadColour(x, y) != 0;
  return lit;
}

// Lit pixels of the surface outside every one of `areas`.
int LitOutside(const ifsSurface &surface, std::initializer_list<ifsPixelRect> areas) {
  int lit = 0;
  for (int y = 0; y < surface.Height(); ++y)
    for (int x = 0; x < surface.Width(); ++x) {
      bool inside = false;
      for (const ifsPixelRect &area : areas)
        inside = inside || Inside(area, x, y);
      lit += !inside && surface.ReadColour(x, y) != 0;
    }
  return lit;
}

// A factory on one area covering the whole target draws what a factory on
// the target itself draws, with the same draws of the generator.
TEST(MonitorAreas, OneAreaOverTheWholeTargetChangesNothing) {
  vConfigMgr config = DefaultsWithInfoLine();
  const ifsPixelRect whole = {0, 0, 96, 64};
  std::uint64_t pictures[2] = {};
  std::int32_t nextDraws[2] = {};
  for (int run = 0; run < 2; ++run) {
    vMemoryDrawTarget target(96, 64);
    vAreaDrawTarget area(target, whole, true);
    SeedRandom(77);
    vFactory factory(run == 0 ? static_cast<vDrawTarget *>(&target) : &area, &config);
    for (int step = 0; step < kSteps; ++step)
      factory.Advance(static_cast<std::uint32_t>(step));
    pictures[run] = HashOf(*target.Surface(), whole);
    nextDraws[run] = Rand();
  }
  EXPECT_EQ(pictures[0], pictures[1]);
  EXPECT_EQ(nextDraws[0], nextDraws[1]);
}

TEST(MonitorAreas, EachMonitorIsFittedToItsOwnAreaAndStaysInside) {
  vConfigMgr config = DefaultsWithInfoLine();
  // A smaller secondary left of the primary and lower down, with a gap of
  // desktop above and below it that belongs to no monitor.
  const ifsPixelRect secondary = {0, 20, 80, 80};
  const ifsPixelRect primary = {80, 0, 200, 100};
  vMemoryDrawTarget target(200, 100);
  vAreaDrawTarget primaryArea(target, primary, true);
  vAreaDrawTarget secondaryArea(target, secondary, false);
  SeedRandom(5);
  vFactory first(&primaryArea, &config);
  vFactory second(&secondaryArea, &config);
  EXPECT_EQ(first.DrawWidth(), 120);
  EXPECT_EQ(first.DrawHeight(), 100 - 18) << "the information line is on the primary";
  EXPECT_EQ(second.DrawWidth(), 80);
  EXPECT_EQ(second.DrawHeight(), 60);
  EXPECT_TRUE(first.Config().infoLine);
  EXPECT_FALSE(second.Config().infoLine);
  int secondFractals = 0;
  for (int step = 0; step < kSteps; ++step) {
    first.Advance(static_cast<std::uint32_t>(step));
    second.Advance(static_cast<std::uint32_t>(step));
    if (second.state == vLoopState::Draw) {
      EXPECT_EQ(second.Fractal().Width(), 80);
      EXPECT_EQ(second.Fractal().Height(), 60);
    }
    secondFractals += second.state == vLoopState::Build;
    if (step % 50 == 0) {
      ASSERT_EQ(LitOutside(*target.Surface(), {primary, secondary}), 0) << "step " << step;
    }
  }
  EXPECT_EQ(LitOutside(*target.Surface(), {primary, secondary}), 0);
  EXPECT_GT(secondFractals, 0);
  const ifsSurface &surface = *target.Surface();
  const std::uint32_t kBlue = MakeColourRef(0, 0, 255);
  EXPECT_EQ(surface.ReadColour(80, 99), kBlue) << "the line starts on the primary";
  EXPECT_EQ(surface.ReadColour(199, 82), kBlue) << "and ends at its right edge";
  EXPECT_GT(Lit(surface, secondary), 0) << "the secondary drew nothing";

  // A new group on one monitor leaves the other's picture alone.
  const std::uint64_t primaryPicture = HashOf(surface, primary);
  secondaryArea.ClearToBlack();
  EXPECT_EQ(HashOf(surface, primary), primaryPicture);
  EXPECT_EQ(LitOutside(surface, {primary}), 0);
  EXPECT_EQ(Lit(surface, secondary), 0);
}

// Random fractals of every rule system zoomed far past their monitors, in
// the given colour system, shown off-centre.
vConfigMgr ZoomedPastTheArea(ifsColourSystem colours) {
  vConfigMgr config;
  config.RestoreDefaults();
  config.infoLine = false;
  vScheme scheme = config.SchemeAt(0)->scheme;
  while (config.SchemeCount() > 0)
    config.RemoveScheme(String(config.SchemeAt(0)->name));
  scheme.enabled = true;
  scheme.type = vSchemeType::FullRandom;
  for (bool &enabled : scheme.ruleSystemEnabled)
    enabled = true;
  scheme.filterEnabled = false;
  scheme.minScaling = 4.0;
  scheme.maxScaling = 8.0;
  scheme.centring = 1.0;
  scheme.pointDensity = 2.0;
  scheme.colourSystem = colours;
  config.SetScheme("Zoomed", scheme);
  return config;
}

TEST(MonitorAreas, FractalsZoomedPastTheirMonitorLeaveNothingOutsideIt) {
  // Two monitors of different heights side by side: the desktop below the
  // lower one belongs to neither.
  const ifsPixelRect left = {0, 0, 120, 90};
  const ifsPixelRect right = {120, 0, 200, 60};
  for (ifsPixelFormat format : {ifsPixelFormat::Rgb32, ifsPixelFormat::Indexed8})
    for (ifsColourSystem colours : {ifsColourSystem::Solid, ifsColourSystem::Shaded,
                                    ifsColourSystem::Intensity, ifsColourSystem::Spectrum}) {
      SCOPED_TRACE(testing::Message() << "format " << static_cast<int>(format) << ", colours "
                                      << static_cast<int>(colours));
      vConfigMgr config = ZoomedPastTheArea(colours);
      vMemoryDrawTarget target(200, 90, format);
      vAreaDrawTarget leftArea(target, left, false);
      vAreaDrawTarget rightArea(target, right, false);
      SeedRandom(3);
      vFactory first(&leftArea, &config);
      vFactory second(&rightArea, &config);
      for (int step = 0; step < kSteps; ++step) {
        first.Advance(static_cast<std::uint32_t>(step));
        second.Advance(static_cast<std::uint32_t>(step));
      }
      EXPECT_EQ(LitOutside(*target.Surface(), {left, right}), 0);
      EXPECT_GT(Lit(*target.Surface(), right), 0) << "the smaller monitor drew nothing";
    }
}

// A monitor lower than the information line keeps the line to itself.
TEST(MonitorAreas, AnInformationLineTallerThanItsMonitorIsCutToIt) {
  vConfigMgr config = DefaultsWithInfoLine();
  const ifsPixelRect low = {0, 40, 100, 50};
  vMemoryDrawTarget target(100, 50);
  vAreaDrawTarget area(target, low, true);
  SeedRandom(9);
  vFactory factory(&area, &config);
  for (int step = 0; step < 50; ++step)
    factory.Advance(static_cast<std::uint32_t>(step));
  EXPECT_EQ(LitOutside(*target.Surface(), {low}), 0);
  EXPECT_GT(Lit(*target.Surface(), low), 0) << "no line at all";
}

TEST(MonitorAreas, AClearAskedPastAnAreaLeavesItsNeighbourAlone) {
  vConfigMgr config = DefaultsWithInfoLine();
  const ifsPixelRect upper = {0, 0, 100, 25}, lower = {0, 25, 100, 50};
  vMemoryDrawTarget target(100, 50);
  vAreaDrawTarget above(target, upper, false), below(target, lower, true);
  SeedRandom(9);
  vFactory factory(&below, &config);
  for (int step = 0; step < 50; ++step)
    factory.Advance(static_cast<std::uint32_t>(step));
  const int lit = Lit(*target.Surface(), lower);
  ASSERT_GT(lit, 0);
  above.ClearRectToBlack({0, 0, 100, 50});
  above.ClearRectToBlack({0, -25, 100, 25});
  EXPECT_EQ(Lit(*target.Surface(), lower), lit);
}

} // namespace
