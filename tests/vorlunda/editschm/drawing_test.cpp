#include "vorlunda/editschm/drawing.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>

namespace {

constexpr const char *kDensityNotPositive =
    "'Point density' contains an invalid value.\nIt must be more than 0.";
constexpr const char *kDensityTooLarge =
    "'Point density' contains an invalid value.\nIt must be 10 or less.";
constexpr const char *kMinScalingNotPositive =
    "'Minimum IFS scaling' contains an invalid value.\nIt must be at more than 0.";
constexpr const char *kMaxScalingBelowMin =
    "'Maximum IFS scaling' contains an invalid value.\nIt must be at least as large as "
    "'Minimum IFS scaling'.";
constexpr const char *kMaxScalingTooLarge =
    "'Maximum IFS scaling' contains an invalid value.\nIt must be 10 or less.";
constexpr const char *kCentringNegative =
    "'Centring' contains an invalid value.\nIt must be 0 or more.";
constexpr const char *kCentringTooLarge =
    "'Centring' contains an invalid value.\nIt must be 10 or less.";

vDrawingValues Valid() {
  vDrawingValues values;
  values.pointDensity = 0.3;
  values.minScaling = 0.5;
  values.maxScaling = 1.6;
  values.centring = 0.8;
  return values;
}

struct Case {
  const char *what;
  double vDrawingValues::*member;
  double value;
  vDrawingField field; // when failing
  const char *message; // null: passes
};

void Expect(const Case &c, bool templated) {
  SCOPED_TRACE(c.what);
  vDrawingValues values = Valid();
  values.templated = templated;
  values.*c.member = c.value;
  const vCheckResult<vDrawingField> result = CheckDrawing(values);
  if (c.message == nullptr) {
    EXPECT_TRUE(result.Passed()) << result.error.Message().CStr();
    return;
  }
  ASSERT_FALSE(result.Passed());
  EXPECT_EQ(result.error.Severity(), kSeverityError);
  EXPECT_EQ(std::string(result.error.Message().CStr()), c.message);
  EXPECT_EQ(result.field, c.field);
}

const double kNaN = std::nan("");

TEST(EditSchemeDrawing, EachCheckAndItsBoundary) {
  const Case cases[] = {
      {"density 0", &vDrawingValues::pointDensity, 0.0, vDrawingField::PointDensity,
       kDensityNotPositive},
      {"density -1", &vDrawingValues::pointDensity, -1.0, vDrawingField::PointDensity,
       kDensityNotPositive},
      {"density NaN", &vDrawingValues::pointDensity, kNaN, vDrawingField::PointDensity,
       kDensityNotPositive},
      {"density 10", &vDrawingValues::pointDensity, 10.0, {}, nullptr},
      {"density 10.01", &vDrawingValues::pointDensity, 10.01, vDrawingField::PointDensity,
       kDensityTooLarge},
      {"density 0.05", &vDrawingValues::pointDensity, 0.05, {}, nullptr},
      {"min scaling 0", &vDrawingValues::minScaling, 0.0, vDrawingField::MinScaling,
       kMinScalingNotPositive},
      {"max below min", &vDrawingValues::maxScaling, 0.4, vDrawingField::MaxScaling,
       kMaxScalingBelowMin},
      {"max equal to min", &vDrawingValues::maxScaling, 0.5, {}, nullptr},
      {"max NaN", &vDrawingValues::maxScaling, kNaN, vDrawingField::MaxScaling,
       kMaxScalingBelowMin},
      {"max 10.01", &vDrawingValues::maxScaling, 10.01, vDrawingField::MaxScaling,
       kMaxScalingTooLarge},
      {"centring 0", &vDrawingValues::centring, 0.0, {}, nullptr},
      {"centring 10", &vDrawingValues::centring, 10.0, {}, nullptr},
      {"centring -0.1", &vDrawingValues::centring, -0.1, vDrawingField::Centring,
       kCentringNegative},
      {"centring 10.1", &vDrawingValues::centring, 10.1, vDrawingField::Centring,
       kCentringTooLarge},
  };
  for (const Case &c : cases)
    Expect(c, false);
}

TEST(EditSchemeDrawing, ScalingBothTenPasses) {
  vDrawingValues values = Valid();
  values.minScaling = 10.0;
  values.maxScaling = 10.0;
  EXPECT_TRUE(CheckDrawing(values).Passed());
  values.minScaling = 10.5; // the maximum is checked, against the minimum first
  values.maxScaling = 10.5;
  EXPECT_STREQ(CheckDrawing(values).error.Message(), kMaxScalingTooLarge);
}

// A value written with six decimals as 0.000000 would make the stored scheme
// corrupt on the next start, so the dialog must not accept it as positive.
TEST(EditSchemeDrawing, ValuesStoredAsZeroAreNotPositive) {
  const Case cases[] = {
      {"density 1e-9", &vDrawingValues::pointDensity, 1e-9, vDrawingField::PointDensity,
       kDensityNotPositive},
      {"density 0.0000004", &vDrawingValues::pointDensity, 0.0000004, vDrawingField::PointDensity,
       kDensityNotPositive},
      {"density 0.0000005", &vDrawingValues::pointDensity, 0.0000005, vDrawingField::PointDensity,
       kDensityNotPositive},
      {"density 0.0000006", &vDrawingValues::pointDensity, 0.0000006, {}, nullptr},
      {"density 0.000001", &vDrawingValues::pointDensity, 0.000001, {}, nullptr},
      {"min scaling 1e-7", &vDrawingValues::minScaling, 1e-7, vDrawingField::MinScaling,
       kMinScalingNotPositive},
      {"min scaling 0.0000004", &vDrawingValues::minScaling, 0.0000004, vDrawingField::MinScaling,
       kMinScalingNotPositive},
      {"min scaling 0.000001", &vDrawingValues::minScaling, 0.000001, {}, nullptr},
  };
  for (const Case &c : cases)
    Expect(c, false);
}

TEST(EditSchemeDrawing, TemplatedSchemeChecksOnlyItsPointDensity) {
  const Case cases[] = {
      {"min scaling 0", &vDrawingValues::minScaling, 0.0, {}, nullptr},
      {"max scaling 99", &vDrawingValues::maxScaling, 99.0, {}, nullptr},
      {"centring -5", &vDrawingValues::centring, -5.0, {}, nullptr},
      {"density 0", &vDrawingValues::pointDensity, 0.0, vDrawingField::PointDensity,
       kDensityNotPositive},
      {"density 0.0000001", &vDrawingValues::pointDensity, 0.0000001, vDrawingField::PointDensity,
       kDensityNotPositive},
      {"density 10.01", &vDrawingValues::pointDensity, 10.01, vDrawingField::PointDensity,
       kDensityTooLarge},
  };
  for (const Case &c : cases)
    Expect(c, true);
}

} // namespace
