#include "foundation/dynassoc.h"

#include "tests/foundation/support/counted.h"

#include <gtest/gtest.h>

namespace {

using NameTable = DynAssoc<int, const char *>;

const Association<int, const char *> kSchemeTypes[] = {{0, "FullRandom"}, {1, "Experimental"}};

TEST(DynAssoc, LooksUpNamesWithoutRegardToCase) {
  const NameTable table(kSchemeTypes, 2, -1, nullptr, nullptr, CompareEnumNames);
  EXPECT_EQ(2, table.Count());
  EXPECT_EQ(1, table.KeyOf("experimental"));
  EXPECT_EQ(0, table.KeyOf("FULLRANDOM"));
  EXPECT_EQ(-1, table.KeyOf("Experiment"));
  EXPECT_EQ(-1, table.KeyOf(nullptr));
  EXPECT_STREQ("Experimental", table.ValueOf(1));
  EXPECT_EQ(nullptr, table.ValueOf(5));
  EXPECT_EQ(nullptr, table.ValueOf(-1));
}

TEST(DynAssoc, WithoutComparisonValuesCompareAsPointers) {
  const NameTable table(kSchemeTypes, 2, -1, nullptr);
  const char copied[] = "Experimental";
  EXPECT_EQ(-1, table.KeyOf(copied));
  EXPECT_EQ(1, table.KeyOf(kSchemeTypes[1].value));
}

TEST(DynAssoc, FirstOfDuplicateKeysWinsAndRemoveTakesIt) {
  NameTable table(kSchemeTypes, 2, -1, nullptr, nullptr, CompareEnumNames);
  table.Add(1, "Later");
  EXPECT_STREQ("Experimental", table.ValueOf(1));
  table.Remove(1);
  EXPECT_STREQ("Later", table.ValueOf(1));
  EXPECT_EQ(-1, table.KeyOf("experimental"));
  table.Remove(7);
  EXPECT_EQ(2, table.Count());
  table.Remove(0);
  table.Remove(1);
  table.Compact();
  EXPECT_EQ(0, table.Count());
  EXPECT_EQ(nullptr, table.FindByKey(0));
}

TEST(DynAssoc, KeyComparisonIsUsedWhenGiven) {
  const Association<int, const char *> pairs[] = {{10, "ten"}, {21, "twenty-one"}};
  const NameTable byLastDigit(pairs, 2, -1, nullptr,
                              [](int a, int b) { return a % 10 == b % 10 ? 0 : 1; });
  EXPECT_STREQ("twenty-one", byLastDigit.ValueOf(1));
  EXPECT_STREQ("ten", byLastDigit.ValueOf(30));
}

TEST(DynAssoc, DeletesItsAssociationsButNotTheirValues) {
  Counted::Reset();
  Counted kept(5);
  {
    const Association<int, Counted *> pairs[] = {{1, &kept}};
    DynAssoc<int, Counted *> table(pairs, 1, -1, nullptr);
    for (int i = 2; i < 20; ++i)
      table.Add(i, &kept);
    EXPECT_EQ(&kept, table.ValueOf(19));
  }
  EXPECT_EQ(1, Counted::Live());
}

TEST(CompareEnumNames, NullEqualsOnlyNull) {
  EXPECT_EQ(0, CompareEnumNames(nullptr, nullptr));
  EXPECT_NE(0, CompareEnumNames(nullptr, "Solid"));
  EXPECT_NE(0, CompareEnumNames("Solid", nullptr));
  EXPECT_NE(0, CompareEnumNames("", nullptr));
  EXPECT_EQ(0, CompareEnumNames("spectrum", "SPECTRUM"));
}

} // namespace
