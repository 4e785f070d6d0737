#include "ifs/colour.h"

#include "foundation/random.h"
#include "tests/ifs/support/referencerandom.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

TEST(RandomColour, RedrawsUntilBrightEnough) {
  for (int minBrightness : {0, 510, 600, 700, 765}) {
    for (std::uint32_t seed = 1; seed <= 5; ++seed) {
      SeedRandom(seed);
      const ifsRgb colour = RandomColour(minBrightness);
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
      EXPECT_EQ(expected.blue, colour.blue) << minBrightness << " seed " << seed;
      EXPECT_EQ(reference.Next(), Rand()) << "no draw beyond the accepted triple";
    }
  }
}

TEST(RandomSpectrumColour, BrightnessSetsTheLuminance) {
  EXPECT_EQ(240, RandomSpectrumColour(765).luminance);
  SeedRandom(SeedWhereFirstDraw([](int r) { return r == 0; }));
  EXPECT_EQ(0, RandomSpectrumColour(0).luminance) << "u = 0 at brightness 0 is black";
  for (std::uint32_t seed = 1; seed <= 30; ++seed) {
    SeedRandom(seed);
    const ifsHls colour = RandomSpectrumColour(200);
    ReferenceRandom reference(seed);
    const double u = reference.NextUnit();
    const int b = 200 + static_cast<int>(std::floor(u * u * 565 + 0.5));
    const int luminance = b <= 255
                              ? static_cast<int>(std::floor(b / 255.0 * 120 + 0.5))
                              : 120 + static_cast<int>(std::floor((b - 255) / 510.0 * 120 + 0.5));
    EXPECT_EQ(reference.Next() % 240, colour.hue) << seed;
    EXPECT_EQ(luminance, colour.luminance) << seed;
    EXPECT_EQ(240, colour.saturation);
  }
}

TEST(HlsToRgb, ClassicConstruction) {
  const struct {
    double h, l, s;
    ifsColour rgb;
  } cases[] = {
      {0.0, 0.5, 1.0, {1, 0, 0}},        {1.0 / 3, 0.5, 1.0, {0, 1, 0}},
      {0.5, 0.5, 1.0, {0, 1, 1}},        {0.37, 1.0, 0.8, {1, 1, 1}},
      {0.2, 0.3, 0.0, {0.3, 0.3, 0.3}},  {0.0, 0.25, 1.0, {0.5, 0, 0}},
      {1.0 / 12, 0.5, 1.0, {1, 0.5, 0}},
  };
  for (const auto &c : cases) {
    const ifsColour rgb = HlsToRgb(c.h, c.l, c.s);
    EXPECT_NEAR(c.rgb.red, rgb.red, 1e-12) << c.h << " " << c.l << " " << c.s;
    EXPECT_NEAR(c.rgb.green, rgb.green, 1e-12) << c.h << " " << c.l << " " << c.s;
    EXPECT_NEAR(c.rgb.blue, rgb.blue, 1e-12) << c.h << " " << c.l << " " << c.s;
  }
}

TEST(ColourCube, IndexesTheNearestEntry) {
  EXPECT_EQ(198, CubeIndex(255, 128, 0));
  EXPECT_EQ(43, CubeIndex(26, 26, 26));
  for (int offset = 0; offset < kCubeSize; ++offset) {
    const ifsRgb rgb = CubeColour(offset);
    EXPECT_EQ(offset, CubeIndex(rgb.red, rgb.green, rgb.blue));
  }
}

} // namespace
