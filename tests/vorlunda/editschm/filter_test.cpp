#include "vorlunda/editschm/filter.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>

namespace {

struct Case {
  std::int32_t maxDiscards;
  double minDimension;
  vFilterField field;
  const char *message; // null: passes
};

void Expect(const Case &c, bool templated) {
  SCOPED_TRACE(testing::Message() << c.maxDiscards << ", " << c.minDimension);
  vFilterValues values;
  values.templated = templated;
  values.maxDiscards = c.maxDiscards;
  values.minDimension = c.minDimension;
  const vCheckResult<vFilterField> result = CheckFilter(values);
  if (c.message == nullptr) {
    EXPECT_TRUE(result.Passed()) << result.error.Message().CStr();
    return;
  }
  ASSERT_FALSE(result.Passed());
  EXPECT_EQ(result.error.Severity(), kSeverityError);
  EXPECT_EQ(std::string(result.error.Message().CStr()), c.message);
  EXPECT_EQ(result.field, c.field);
}

constexpr const char *kDiscardsTooSmall =
    "'Maximum discards' contains an invalid value.\nIt must be 1 or more.";
constexpr const char *kDiscardsTooLarge =
    "'Maximum discards' contains an invalid value.\nIt must be 1000 or less.";
constexpr const char *kDimensionNegative =
    "'Minimum dimension' contains an invalid value.\nIt must be 0.0 or more.";
constexpr const char *kDimensionTooLarge =
    "'Minimum dimension' contains an invalid value.\nIt must be 2.0 or less.";

TEST(EditSchemeFilter, EachCheckAndItsBoundary) {
  const Case cases[] = {
      {1, 0.0, {}, nullptr},
      {1000, 2.0, {}, nullptr},
      {0, 1.0, vFilterField::MaxDiscards, kDiscardsTooSmall},
      {1001, 1.0, vFilterField::MaxDiscards, kDiscardsTooLarge},
      {10, -0.05, vFilterField::MinDimension, kDimensionNegative},
      {10, std::nan(""), vFilterField::MinDimension, kDimensionNegative},
      {10, 2.5, vFilterField::MinDimension, kDimensionTooLarge},
      {10, 2.01, vFilterField::MinDimension, kDimensionTooLarge},
      // The discards come first.
      {0, 2.5, vFilterField::MaxDiscards, kDiscardsTooSmall},
  };
  for (const Case &c : cases)
    Expect(c, false);
}

TEST(EditSchemeFilter, TemplatedSchemeNeverFails) {
  Expect({0, 2.5, {}, nullptr}, true);
  Expect({5000, -1.0, {}, nullptr}, true);
}

} // namespace
