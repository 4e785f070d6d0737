#include "ifs/colour.h"

#include "foundation/random.h"
#include "tests/ifs/support/referencerandom.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <limits>

namespace {

TEST(RandomColour, DrawsUntilBrightEnough) {
  for (int minBrightness : {0, 300, 510, 600, 700, 765}) {
    for (std::uint32_t seed = 1; seed <= 5; ++seed) {
      SeedRandom(seed);
      const ifsRgb colour = RandomColour(minBrightness);
      // The same loop by the formula.
      ReferenceRandom reference(seed);
      const int low = minBrightness > 510 ? minBrightness - 510 : 0;
      const int range = minBrightness > 510 ? 256 - low : 255;
      ifsRgb expected;
      do {
        expected.red = low + reference.Next() % range;
        expected.green = low + reference.Next() % range;
        expected.blue = low + reference.Next() % range;
      } while (expected.red + expected.green + expected.blue < minBrightness);
      EXPECT_EQ(expected.red, colour.red) << minBrightness << " seed " << seed;
      EXPECT_EQ(expected.green, colour.green);
      EXPECT_EQ(expected.blue, colour.blue);
      EXPECT_EQ(reference.Next(), Rand()) << "no draw beyond the accepted triple";
    }
  }
}

TEST(RandomColour, ComponentRanges) {
  SeedRandom(31);
  int lowest = 255, highest = 0;
  for (int i = 0; i < 2000; ++i) {
    const ifsRgb c = RandomColour(600);
    for (int v : {c.red, c.green, c.blue}) {
      lowest = std::min(lowest, v);
      highest = std::max(highest, v);
    }
    EXPECT_GE(c.red + c.green + c.blue, 600);
  }
  EXPECT_GE(lowest, 90);
  EXPECT_EQ(255, highest);
  const ifsRgb white = RandomColour(765);
  EXPECT_EQ(255, white.red + white.green + white.blue - 510);
  // Free choice below 511 never reaches 255.
  for (int i = 0; i < 2000; ++i)
    EXPECT_LE(RandomColour(0).red, 254);
}

TEST(RandomSpectrumColour, BrightnessSetsTheLuminance) {
  SeedRandom(12);
  const ifsHls white = RandomSpectrumColour(765);
  EXPECT_EQ(240, white.luminance);
  EXPECT_EQ(240, white.saturation);

  SeedRandom(SeedWhereFirstDraw([](int r) { return r == 0; }));
  EXPECT_EQ(0, RandomSpectrumColour(0).luminance) << "u = 0 at brightness 0 is black";

  for (std::uint32_t seed = 1; seed <= 30; ++seed) {
    SeedRandom(seed);
    const ifsHls colour = RandomSpectrumColour(200);
    ReferenceRandom reference(seed);
    const double u = reference.NextUnit();
    const int b = 200 + static_cast<int>(std::floor(u * u * 565 + 0.5));
    const int hue = reference.Next() % 240;
    const int luminance = b <= 255
                              ? static_cast<int>(std::floor(b / 255.0 * 120 + 0.5))
                              : 120 + static_cast<int>(std::floor((b - 255) / 510.0 * 120 + 0.5));
    EXPECT_EQ(hue, colour.hue) << seed;
    EXPECT_EQ(luminance, colour.luminance) << seed;
  }
}

TEST(HlsToRgb, ClassicConstruction) {
  struct Case {
    double h, l, s;
    ifsColour rgb;
  };
  const Case cases[] = {
      {0.0, 0.5, 1.0, {1, 0, 0}},        {1.0 / 3, 0.5, 1.0, {0, 1, 0}},
      {2.0 / 3, 0.5, 1.0, {0, 0, 1}},    {0.5, 0.5, 1.0, {0, 1, 1}},
      {0.37, 1.0, 0.8, {1, 1, 1}},       {0.9, 0.0, 1.0, {0, 0, 0}},
      {0.2, 0.3, 0.0, {0.3, 0.3, 0.3}},  {0.0, 0.25, 1.0, {0.5, 0, 0}},
      {1.0 / 12, 0.5, 1.0, {1, 0.5, 0}},
  };
  for (const Case &c : cases) {
    const ifsColour rgb = HlsToRgb(c.h, c.l, c.s);
    EXPECT_NEAR(c.rgb.red, rgb.red, 1e-12) << c.h << " " << c.l << " " << c.s;
    EXPECT_NEAR(c.rgb.green, rgb.green, 1e-12) << c.h << " " << c.l << " " << c.s;
    EXPECT_NEAR(c.rgb.blue, rgb.blue, 1e-12) << c.h << " " << c.l << " " << c.s;
  }
}

TEST(ColourByte, ScalesByJustUnder256AndHoldsTheRange) {
  const double nan = std::numeric_limits<double>::quiet_NaN();
  const struct {
    double c;
    int byte;
  } cases[] = {{0.0, 0}, {1.0, 255}, {0.5, 127}, {1.0 / 255, 1}, {2.0, 255}, {-1.0, 0}, {nan, 0}};
  for (const auto &c : cases)
    EXPECT_EQ(c.byte, ColourByte(c.c)) << c.c;
}

TEST(ColourCube, IndexesTheNearestEntry) {
  EXPECT_EQ(198, CubeIndex(255, 128, 0));
  EXPECT_EQ(0, CubeIndex(25, 25, 25));
  EXPECT_EQ(43, CubeIndex(26, 26, 26));
  for (int offset = 0; offset < kCubeSize; ++offset) {
    const ifsRgb rgb = CubeColour(offset);
    EXPECT_EQ(offset, CubeIndex(rgb.red, rgb.green, rgb.blue));
  }
}

} // namespace
