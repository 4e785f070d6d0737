#include "foundation/dynarray.h"

#include "tests/foundation/support/counted.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

std::vector<std::int32_t> CapacitiesWhileAdding(DynArray<int> &array, int adds) {
  std::vector<std::int32_t> seen;
  for (int i = 0; i < adds; ++i) {
    array.Add(i);
    if (seen.empty() || seen.back() != array.Capacity())
      seen.push_back(array.Capacity());
  }
  return seen;
}

TEST(DynArray, GrowsByItsStepOrByDoubling) {
  DynArray<int> byEight(8);
  EXPECT_FALSE(byEight.HasStorage());
  EXPECT_EQ((std::vector<std::int32_t>{8, 16, 24}), CapacitiesWhileAdding(byEight, 17));

  DynArray<int> rules(20);
  EXPECT_EQ((std::vector<std::int32_t>{20, 40, 60}), CapacitiesWhileAdding(rules, 41));

  // Doubling needs a first capacity, which the step gives.
  DynArray<int> doubling(3, true);
  EXPECT_EQ((std::vector<std::int32_t>{3, 6, 12, 24}), CapacitiesWhileAdding(doubling, 13));
  for (int i = 0; i < 13; ++i)
    EXPECT_EQ(i, doubling[i]);
}

TEST(DynArray, CompactFitsTheCount) {
  DynArray<int> empty(8);
  empty.Compact();
  EXPECT_FALSE(empty.HasStorage());
  EXPECT_EQ(0, empty.Capacity());

  DynArray<int> array(8);
  for (int i = 0; i < 3; ++i)
    array.Add(i * 10);
  array.Compact();
  EXPECT_EQ(3, array.Capacity());
  EXPECT_EQ(20, array[2]);
  array.Add(30);
  EXPECT_EQ(11, array.Capacity());

  while (array.Count() > 0)
    (void)array.RemoveAt(0);
  array.Compact();
  EXPECT_FALSE(array.HasStorage());
}

TEST(DynArray, RemoveAtClosesTheGap) {
  DynArray<int> array(8);
  for (int value : {1, 2, 3})
    array.Add(value);
  EXPECT_EQ(1, array.RemoveAt(0));
  ASSERT_EQ(2, array.Count());
  EXPECT_EQ(2, array[0]);
  EXPECT_EQ(3, array[1]);
  EXPECT_EQ(3, array.RemoveAt(1));
  EXPECT_EQ(2, array[0]);
  EXPECT_EQ(8, array.Capacity());
}

TEST(DynArray, AssignmentCopiesCapacityAndParameters) {
  DynArray<int> source(5, true);
  for (int i = 0; i < 6; ++i)
    source.Add(i);
  DynArray<int> target(8);
  target.Add(99);
  target = source;
  EXPECT_EQ(6, target.Count());
  EXPECT_EQ(10, target.Capacity());
  for (int i = 0; i < 6; ++i)
    EXPECT_EQ(i, target[i]);
  for (int i = 0; i < 5; ++i)
    target.Add(i);
  EXPECT_EQ(20, target.Capacity()) << "the doubling flag came along";

  const DynArray<int> bare(8);
  target = bare;
  EXPECT_FALSE(target.HasStorage());
  EXPECT_EQ(0, target.Count());

  DynArray<int> &self = source;
  source = self;
  EXPECT_EQ(6, source.Count());
  EXPECT_EQ(5, source[5]);
}

TEST(DynArray, OwnsExactlyItsStorage) {
  Counted::Reset();
  {
    DynArray<Counted> array(8);
    for (int i = 0; i < 9; ++i)
      array.Add(Counted(i));
    EXPECT_EQ(16, Counted::Live());
    array.Compact();
    EXPECT_EQ(9, Counted::Live());
    {
      const DynArray<Counted> copy(array);
      EXPECT_EQ(18, Counted::Live());
      EXPECT_EQ(8, copy[8].value);
    }
    EXPECT_EQ(9, Counted::Live());
    EXPECT_EQ(4, array.RemoveAt(4).value);
    EXPECT_EQ(9, Counted::Live());
  }
  EXPECT_EQ(0, Counted::Live());
}

} // namespace
