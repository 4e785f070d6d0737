#include "pallwork/scrollstep.h"

#include <gtest/gtest.h>

#include <cstdint>

namespace {

TEST(ScrollStep, EachCodeMovesAndTheRangeClamps) {
  const pwScrollRange range = {-20, 50, 3, 10};
  struct {
    pwScrollCode code;
    int current, thumb, expected;
  } const kCases[] = {
      {pwScrollCode::LineUp, 0, 0, -3},         {pwScrollCode::LineDown, 0, 0, 3},
      {pwScrollCode::PageUp, 0, 0, -10},        {pwScrollCode::PageDown, 0, 0, 10},
      {pwScrollCode::LineUp, -19, 0, -20},      {pwScrollCode::PageDown, 45, 0, 50},
      {pwScrollCode::ThumbPosition, 0, 33, 33}, {pwScrollCode::ThumbTrack, 0, -7, -7},
      {pwScrollCode::ThumbTrack, 0, 99, 50},    {pwScrollCode::Top, 17, 0, -20},
      {pwScrollCode::Bottom, 17, 0, 50},        {pwScrollCode::EndScroll, 17, 40, 17},
  };
  for (const auto &c : kCases)
    EXPECT_EQ(ScrollTarget(static_cast<std::int32_t>(c.code), c.current, c.thumb, range),
              c.expected)
        << "code " << static_cast<int>(c.code) << " from " << c.current;
  EXPECT_EQ(ScrollTarget(1234, 17, 0, range), 17);
}

TEST(ScrollStep, StepsBeyondTheTypeDoNotWrap) {
  const pwScrollRange wide = {INT32_MIN, INT32_MAX, INT32_MAX, INT32_MAX};
  EXPECT_EQ(ScrollTarget(static_cast<std::int32_t>(pwScrollCode::PageDown), INT32_MAX - 1, 0, wide),
            INT32_MAX);
  EXPECT_EQ(ScrollTarget(static_cast<std::int32_t>(pwScrollCode::LineUp), INT32_MIN + 1, 0, wide),
            INT32_MIN);
}

} // namespace
