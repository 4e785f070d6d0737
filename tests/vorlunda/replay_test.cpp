#include "foundation/random.h"
#include "vorlunda/areadrawtarget.h"
#include "vorlunda/config.h"
#include "vorlunda/factory.h"
#include "vorlunda/memdrawtarget.h"
#include "vorlunda/picturerecord.h"
#include "vorlunda/replay.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

namespace {

constexpr int kWidth = 160;
constexpr int kHeight = 100;

// What the saver would record of `factories`, each drawing on `areas`.
vPictureRecord RecordOf(const std::vector<std::unique_ptr<vFactory>> &factories,
                        const std::vector<ifsPixelRect> &areas, ifsSurface &surface) {
  vPictureRecord record;
  record.program = RecordProgram();
  record.width = surface.Width();
  record.height = surface.Height();
  record.paletteBase = factories.front()->PaletteBase();
  record.depth = record.paletteBase >= 0 ? 8 : 24;
  for (std::size_t i = 0; i < factories.size(); ++i) {
    record.areas.emplace_back();
    const ifsPixelRect &a = areas[i];
    EXPECT_TRUE(TraceArea(*factories[i], a.left, a.top, a.right - a.left, a.bottom - a.top,
                          record.areas.back())
                    .Succeeded());
  }
  // Through the text, as a record always travels.
  vPictureRecord read;
  EXPECT_TRUE(ParseRecord(RecordText(record), read).Succeeded());
  return read;
}

struct Screen {
  std::unique_ptr<vMemoryDrawTarget> target;
  std::vector<std::unique_ptr<vAreaDrawTarget>> monitors;
  std::vector<std::unique_ptr<vFactory>> factories;
  std::vector<ifsPixelRect> areas;
};

// Runs the saver's loop for `steps` steps: one factory on the whole target,
// or one a monitor taking turns of `turn` steps.
Screen RunLoop(std::uint32_t seed, int steps, const vConfigMgr &config,
               const std::vector<ifsPixelRect> &monitors = {}, int turn = 1,
               ifsPixelFormat format = ifsPixelFormat::Rgb32) {
  Screen screen;
  screen.target = std::make_unique<vMemoryDrawTarget>(kWidth, kHeight, format);
  SeedRandom(seed);
  if (monitors.empty()) {
    screen.factories.push_back(std::make_unique<vFactory>(screen.target.get(), &config));
    screen.areas.push_back({0, 0, kWidth, kHeight});
  } else {
    for (const ifsPixelRect &area : monitors) {
      screen.monitors.push_back(
          std::make_unique<vAreaDrawTarget>(*screen.target, area, screen.monitors.empty()));
      screen.factories.push_back(std::make_unique<vFactory>(screen.monitors.back().get(), &config));
      screen.areas.push_back(area);
    }
  }
  for (int step = 0; step < steps; ++step)
    screen.factories[static_cast<std::size_t>(step / turn) % screen.factories.size()]->Advance(
        static_cast<std::uint32_t>(step));
  return screen;
}

// Pixels that differ, counted in the rows fractals are drawn on.
int Differences(const ifsSurface &shot, const ifsSurface &replay, int rows) {
  int differ = 0;
  for (int y = 0; y < rows; ++y)
    for (int x = 0; x < shot.Width(); ++x)
      differ += shot.ReadColour(x, y) != replay.ReadColour(x, y);
  return differ;
}

vConfigMgr Defaults(bool infoLine) {
  vConfigMgr config;
  config.RestoreDefaults();
  config.infoLine = infoLine;
  return config;
}

TEST(Replay, RecordedSizeGivesTheSamePixels) {
  // Seeds and step counts stop the loop in every state, mid-fractal too,
  // over random and hand-built schemes, with and without the information
  // line and on a 256-colour display.
  int compared = 0;
  for (const bool infoLine : {false, true})
    for (const ifsPixelFormat format : {ifsPixelFormat::Rgb32, ifsPixelFormat::Indexed8})
      for (std::uint32_t seed = 1; seed <= 12; ++seed) {
        const vConfigMgr config = Defaults(infoLine);
        const Screen screen =
            RunLoop(seed, 40 + 97 * static_cast<int>(seed), config, {}, 1, format);
        const vPictureRecord record =
            RecordOf(screen.factories, screen.areas, *screen.target->Surface());
        const auto replay = Replay(record, 0, 0);
        const int rows = screen.factories.front()->DrawHeight();
        ASSERT_EQ(Differences(*screen.target->Surface(), *replay->Surface(), rows), 0)
            << "seed " << seed << (infoLine ? " with" : " without") << " the information line";
        compared += !record.areas.front().fractals.empty();
      }
  EXPECT_GT(compared, 30);
}

// Pixels lit in `small` with a lit pixel in `large` within half the factor of
// where they lie there, as a share of those lit in `small`. Pixel centres of
// the two sizes lie a quarter of a small pixel apart, so a point of the small
// pixel x lands between factor·x − factor/2 and factor·x + factor/2.
double LitKeptShare(const ifsSurface &small, const ifsSurface &large, int factor) {
  int lit = 0, kept = 0;
  const int reach = factor / 2;
  for (int y = 0; y < small.Height(); ++y)
    for (int x = 0; x < small.Width(); ++x) {
      if (small.ReadColour(x, y) == 0)
        continue;
      ++lit;
      bool found = false;
      for (int ly = factor * y - reach; ly <= factor * y + reach && !found; ++ly)
        for (int lx = factor * x - reach; lx <= factor * x + reach && !found; ++lx)
          found = lx >= 0 && ly >= 0 && lx < large.Width() && ly < large.Height() &&
                  large.ReadColour(lx, ly) != 0;
      kept += found;
    }
  return lit > 0 ? static_cast<double>(kept) / lit : 1.0;
}

TEST(Replay, LargerSizesDrawTheSameFractalsSharper) {
  const vConfigMgr config = Defaults(false);
  for (std::uint32_t seed = 1; seed <= 4; ++seed) {
    const Screen screen = RunLoop(seed, 3000, config);
    const vPictureRecord record =
        RecordOf(screen.factories, screen.areas, *screen.target->Surface());
    // The shot's points come first, so every pixel it lit is lit again but
    // for one on the edge whose point now falls just outside.
    const auto doubled = Replay(record, 2 * kWidth, 2 * kHeight);
    EXPECT_GT(LitKeptShare(*screen.target->Surface(), *doubled->Surface(), 2), 0.999)
        << "seed " << seed;
    const auto fourfold = Replay(record, 4 * kWidth, 4 * kHeight);
    EXPECT_GT(LitKeptShare(*screen.target->Surface(), *fourfold->Surface(), 4), 0.999)
        << "seed " << seed;
    // Another group in the same place is not taken for this one.
    vPictureRecord other = record;
    for (vFractalTrace &fractal : other.areas.front().fractals)
      fractal.buildState ^= 0x5a5a5a5au;
    const auto wrong = Replay(other, 2 * kWidth, 2 * kHeight);
    EXPECT_LT(LitKeptShare(*screen.target->Surface(), *wrong->Surface(), 2), 0.9)
        << "seed " << seed;
  }
}

TEST(Replay, MonitorsAreEachDrawnAgainInTheirOwnArea) {
  const vConfigMgr config = Defaults(false);
  const std::vector<ifsPixelRect> monitors = {{0, 0, 100, kHeight}, {100, 20, kWidth, 80}};
  // One turn at a time, the order of points is as on the screen; longer
  // turns interleave the generator and only the fractals stay the same.
  const Screen alone = RunLoop(5, 2000, config, monitors, 1999);
  const vPictureRecord record = RecordOf(alone.factories, alone.areas, *alone.target->Surface());
  EXPECT_EQ(record.areas[1].fractals.size(), 0u);
  const auto replay = Replay(record, 0, 0);
  EXPECT_EQ(Differences(*alone.target->Surface(), *replay->Surface(),
                        alone.factories.front()->DrawHeight()),
            0);

  const Screen turns = RunLoop(5, 4000, config, monitors, 30);
  const vPictureRecord both = RecordOf(turns.factories, turns.areas, *turns.target->Surface());
  ASSERT_FALSE(both.areas[1].fractals.empty());
  EXPECT_EQ(both.areas[1].top, 20);
  const auto again = Replay(both, 0, 0);
  // Another order of the same orbit lights nearly the same pixels; the
  // sparsest ones, hit once or twice, differ.
  EXPECT_GT(LitKeptShare(*turns.target->Surface(), *again->Surface(), 1), 0.85);
}

} // namespace
